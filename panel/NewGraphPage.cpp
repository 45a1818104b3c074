#include "panel/NewGraphPage.h"

#include "res/resource.h"

NewGraphPage::NewGraphPage() {
    AddImageButton(IDC_ADD_X_FUNCTION);
    AddImageButton(IDC_ADD_Y_FUNCTION);
    AddImageButton(IDC_ADD_PARAMETRIC);
    AddImageButton(IDC_ADD_INEQUALITY);
    AddImageButton(IDC_RETURN);
}

HWND NewGraphPage::Open(HWND parent, PageRequest* request) {
    m_request = request;
    if (request->mode == kModeAdd && request->kind == kKindChoose)
        return OpenPage(IDD_NEW_GRAPH_PAGE, parent, reinterpret_cast<LPARAM>(request));
    return OpenGraphPage(parent);
}

HWND NewGraphPage::OpenGraphPage(HWND parent) {
    const LPARAM parameter = reinterpret_cast<LPARAM>(m_request);
    switch (m_request->kind) {
    case kKindYFunction:
    case kKindXFunction:
        // Adding, the kind is the form; modifying, the page shows the function's own form.
        return m_functionPage.OpenPage(IDD_FUNCTION_PAGE, parent, parameter);
    case kKindParametric:
        // A new equation keeps the kind of the page that made it, which from here is always 0.
        m_request->kind = kKindYFunction;
        return m_parametricPage.OpenPage(IDD_PARAMETRIC_PAGE, parent, parameter);
    case kKindInequality:
        m_request->kind = kKindYFunction;
        return m_inequalityPage.OpenPage(IDD_INEQUALITY_PAGE, parent, parameter);
    default:
        return nullptr;
    }
}

INT_PTR NewGraphPage::OnCommand(int id, int code, LPARAM lParam) {
    constexpr struct {
        int button;
        RequestKind kind;
    } kChoices[] = {{IDC_ADD_Y_FUNCTION, kKindYFunction},
                    {IDC_ADD_X_FUNCTION, kKindXFunction},
                    {IDC_ADD_PARAMETRIC, kKindParametric},
                    {IDC_ADD_INEQUALITY, kKindInequality}};
    if (IsClick(code)) {
        if (id == IDC_RETURN)
            Close();
        for (const auto& choice : kChoices)
            if (id == choice.button) {
                m_request->mode = kModeAdd;
                m_request->kind = choice.kind;
                OpenGraphPage(m_hWnd);
            }
    }
    return PanelPage::OnCommand(id, code, lParam);
}
