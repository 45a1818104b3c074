#include "tools/ToolsPage.h"

#include "res/resource.h"

ToolsPage::ToolsPage() {
    // The hidden statistics and conic-section tools are no buttons: they do nothing.
    AddImageButton(IDC_EXPRESSION_TOOL);
    AddImageButton(IDC_LINE_TOOL);
    AddImageButton(IDC_VECTOR_TOOL);
    AddImageButton(IDC_RETURN);
}

INT_PTR ToolsPage::OnInitDialog(LPARAM parameter) {
    m_request = reinterpret_cast<PageRequest*>(parameter);
    return PanelPage::OnInitDialog(parameter);
}

INT_PTR ToolsPage::OnCommand(int id, int code, LPARAM lParam) {
    const LPARAM request = reinterpret_cast<LPARAM>(m_request);
    if (IsClick(code)) {
        switch (id) {
        case IDC_EXPRESSION_TOOL:
            m_expressionPage.OpenPage(IDD_EXPRESSION_PAGE, m_hWnd, request);
            break;
        case IDC_LINE_TOOL:
            m_linePage.OpenPage(IDD_LINE_CALCULATOR_PAGE, m_hWnd, request);
            break;
        case IDC_VECTOR_TOOL:
            m_vectorPage.OpenPage(IDD_VECTOR_CALCULATOR_PAGE, m_hWnd, request);
            break;
        case IDC_RETURN:
            Close();
            break;
        }
    }
    return PanelPage::OnCommand(id, code, lParam);
}
