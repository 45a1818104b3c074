#include "panel/ConstantsPage.h"

#include "model/GraphStore.h"
#include "panel/ConstantEntry.h"
#include "res/resource.h"
#include "win/GbkText.h"

namespace {

// Characters the user may type into the name and value boxes.
constexpr int kNameLimit = 10;
constexpr int kValueLimit = 20;

} // namespace

ConstantsPage::ConstantsPage() {
    AddImageButton(IDC_ADD_CONSTANT);
    AddImageButton(IDC_DELETE_CONSTANT);
    AddImageButton(IDC_RETURN);
}

INT_PTR ConstantsPage::OnInitDialog(LPARAM parameter) {
    m_table = &static_cast<GraphStore*>(reinterpret_cast<PageRequest*>(parameter)->second)->constants;
    AttachList(m_list, IDC_CONSTANT_LIST);
    SendDlgItemMessageW(m_hWnd, IDC_CONSTANT_NAME, EM_LIMITTEXT, kNameLimit, 0);
    SendDlgItemMessageW(m_hWnd, IDC_CONSTANT_VALUE, EM_LIMITTEXT, kValueLimit, 0);
    RefreshConstantList();
    return PanelPage::OnInitDialog(parameter);
}

INT_PTR ConstantsPage::OnCommand(int id, int code, LPARAM lParam) {
    if (IsClick(code)) {
        switch (id) {
        case IDC_ADD_CONSTANT:
            // An empty name adds nothing, and the value typed stays in its box.
            if (AddTypedConstant(*m_table, BoxText(IDC_CONSTANT_NAME), BoxText(IDC_CONSTANT_VALUE))) {
                SetItemText(IDC_CONSTANT_NAME, L"");
                SetItemText(IDC_CONSTANT_VALUE, L"");
                RefreshConstantList();
            }
            break;
        case IDC_DELETE_CONSTANT:
            if (RemoveListedConstant(*m_table, m_list.GetSelectedItem()))
                RefreshConstantList();
            break;
        case IDC_RETURN:
            Close();
            break;
        }
    }
    return PanelPage::OnCommand(id, code, lParam);
}

void ConstantsPage::RefreshConstantList() const {
    const int count = static_cast<int>(m_table->Size());
    while (m_list.GetItemCount() > count)
        m_list.DeleteItem(m_list.GetItemCount() - 1);
    while (m_list.GetItemCount() < count)
        m_list.InsertItem(LVIF_TEXT, m_list.GetItemCount(), 0, 0, 0, L"", 0, 0);
    for (int item = 0; item < count; ++item)
        m_list.SetItemText(item, 0,
                           GbkToWide(ConstantLineText((*m_table)[static_cast<std::size_t>(item)])).c_str());
}
