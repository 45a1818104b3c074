#include "panel/ViewStatePage.h"

#include "model/PageRequest.h"
#include "res/resource.h"

ViewStatePage::ViewStatePage(const RecordFields<ViewState>& fields) : m_fields(fields) {
    AddImageButton(IDC_CONFIRM);
    AddImageButton(IDC_CANCEL);
}

INT_PTR ViewStatePage::OnInitDialog(LPARAM parameter) {
    m_view = static_cast<ViewState*>(reinterpret_cast<PageRequest*>(parameter)->data);
    m_shown = *m_view;
    ShowFields(m_fields, m_shown);
    return PanelPage::OnInitDialog(parameter);
}

INT_PTR ViewStatePage::OnCommand(int id, int code, LPARAM lParam) {
    if (IsClick(code) && (id == IDC_CONFIRM || id == IDC_CANCEL)) {
        if (id == IDC_CONFIRM)
            ReadFields(m_fields, m_shown, *m_view);
        Close();
    }
    return PanelPage::OnCommand(id, code, lParam);
}
