#include "panel/GuidePage.h"

#include "res/resource.h"

namespace {

constexpr int kTopicCount = IDS_GUIDE_INEQUALITIES - IDS_GUIDE_FUNCTIONS + 1;
constexpr int kTopicCapacity = 1000;

} // namespace

GuidePage::GuidePage() {
    AddImageButton(IDC_RETURN);
}

INT_PTR GuidePage::OnInitDialog(LPARAM parameter) {
    AttachList(m_topics, IDC_TOPIC_LIST);
    for (int index = 0; index < kTopicCount; ++index)
        m_topics.InsertItem(LVIF_TEXT, index, 0, 0, 0, LoadTopic(index).title.c_str(), 0, 0);
    return PanelPage::OnInitDialog(parameter);
}

INT_PTR GuidePage::OnNotify(NMHDR* header) {
    if (header->idFrom == IDC_TOPIC_LIST && header->code == LVN_ITEMCHANGED) {
        const int selected = m_topics.GetSelectedItem();
        if (selected >= 0)
            SetItemText(IDC_TOPIC_TEXT, LoadTopic(selected).text.c_str());
    }
    return PanelPage::OnNotify(header);
}

INT_PTR GuidePage::OnCommand(int id, int code, LPARAM lParam) {
    if (IsClick(code) && id == IDC_RETURN)
        Close();
    return PanelPage::OnCommand(id, code, lParam);
}

GuideTopic GuidePage::LoadTopic(int index) const {
    wchar_t topic[kTopicCapacity] = {};
    const int length =
        LoadStringW(m_hInstance, static_cast<UINT>(IDS_GUIDE_FUNCTIONS + index), topic, kTopicCapacity);
    return SplitGuideTopic(std::wstring_view(topic, static_cast<std::size_t>(length)));
}
