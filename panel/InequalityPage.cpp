#include "panel/InequalityPage.h"

#include "model/InequalityText.h"
#include "panel/GraphPageFields.h"
#include "win/ShowMessageBox.h"

InequalityGroup InequalityPage::NewRecord(const GraphStore& store, std::int32_t) const {
    InequalityGroup record;
    store.inequalities.CreateDefault(record);
    return record;
}

const RecordFields<InequalityGroup>& InequalityPage::Fields() const {
    return InequalityPageFields();
}

void InequalityPage::OnStored(const InequalityGroup& group) {
    if (ReadInequalityGroup(FieldText(group.text)).empty())
        ShowMessageBox(m_hWnd, L"不等式组的格式无法识别，这个不等式组不会被画出。", L"提示",
                       MB_OK | MB_ICONINFORMATION);
}
