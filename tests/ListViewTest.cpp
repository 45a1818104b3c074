#include "panel/ListView.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// The graph list as the application creates it.
class ListViewTest : public testing::Test {
protected:
    void SetUp() override {
        const INITCOMMONCONTROLSEX controls = {sizeof(INITCOMMONCONTROLSEX), ICC_LISTVIEW_CLASSES};
        ASSERT_TRUE(InitCommonControlsEx(&controls));
        m_parent = CreateWindowExW(0, L"STATIC", L"parent", WS_POPUP, 0, 0, 800, 600, nullptr, nullptr,
                                   GetModuleHandleW(nullptr), nullptr);
        const DWORD style = WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_SHAREIMAGELISTS | LVS_OWNERDRAWFIXED |
                            LVS_NOSCROLL | LVS_NOCOLUMNHEADER;
        ASSERT_NE(m_list.CreateList(100, style, 550, 52, 200, 498, m_parent), nullptr);
        ASSERT_EQ(GetDlgItem(m_parent, 100), m_list.Window());
        ASSERT_EQ(m_list.InsertColumn(LVCF_WIDTH, 0, 200, nullptr, 0, 0), 0);
    }
    void TearDown() override { DestroyWindow(m_parent); }

    // Each row as "text/image/data".
    std::vector<std::wstring> Rows() const {
        std::vector<std::wstring> rows;
        for (int item = 0; item < m_list.GetItemCount(); ++item) {
            wchar_t text[256];
            const int length = m_list.GetItemText(item, 0, text, 256);
            LVITEMW record = {};
            record.mask = LVIF_IMAGE;
            record.iItem = item;
            SendMessageW(m_list.Window(), LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&record));
            rows.push_back(std::wstring(text, length) + L"/" + std::to_wstring(record.iImage) + L"/" +
                           std::to_wstring(m_list.GetItemData(item)));
        }
        return rows;
    }

    HWND m_parent = nullptr;
    ListView m_list;
};

TEST_F(ListViewTest, RowsGoWhereTheyAreInsertedAndKeepTheirTextImageAndDataApart) {
    EXPECT_EQ(m_list.InsertItem(LVIF_TEXT | LVIF_PARAM, 0, 0, 0, 0, L"a", 0, 7), 0);
    EXPECT_EQ(m_list.InsertItem(LVIF_TEXT, 5, 0, 0, 0, L"b", 0, 0), 1); // past the end: at the end
    EXPECT_EQ(m_list.InsertItem(LVIF_TEXT | LVIF_IMAGE, 0, 0, 0, 0, nullptr, 2, 0), 0);
    EXPECT_EQ(Rows(), (std::vector<std::wstring>{L"/2/0", L"a/0/7", L"b/0/0"}));

    // Each change leaves the rest of its row alone; a row that does not exist takes none.
    EXPECT_TRUE(m_list.SetItemText(0, 0, L"函数FB:y=sin(x)&") && m_list.SetItemImage(1, 3) &&
                m_list.SetItemData(2, static_cast<LPARAM>(0x80000000u)));
    EXPECT_FALSE(m_list.SetItemImage(3, 1) || m_list.SetItemData(3, 5));
    EXPECT_EQ(m_list.GetItemData(3), 0);
    EXPECT_EQ(Rows(), (std::vector<std::wstring>{L"函数FB:y=sin(x)&/2/0", L"a/3/7", L"b/0/2147483648"}));
    wchar_t small[4];
    EXPECT_EQ(m_list.GetItemText(0, 0, small, 4), 3);
    EXPECT_STREQ(small, L"函数F");

    EXPECT_FALSE(m_list.DeleteItem(3));
    EXPECT_TRUE(m_list.DeleteItem(0));
    EXPECT_EQ(Rows(), (std::vector<std::wstring>{L"a/3/7", L"b/0/2147483648"}));
}

// The selection mark stays on an item after it is deselected; the item selected now does not.
TEST_F(ListViewTest, TheSelectedItemIsTheOneSelectedNow) {
    for (const wchar_t* text : {L"a", L"b", L"c"})
        m_list.InsertItem(LVIF_TEXT, m_list.GetItemCount(), 0, 0, 0, text, 0, 0);
    const auto select = [&](int item, UINT state) {
        LVITEMW record = {};
        record.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
        record.state = state;
        SendMessageW(m_list.Window(), LVM_SETITEMSTATE, static_cast<WPARAM>(item),
                     reinterpret_cast<LPARAM>(&record));
        if (item >= 0) // as a click does
            SendMessageW(m_list.Window(), LVM_SETSELECTIONMARK, 0, item);
    };
    EXPECT_EQ(m_list.GetSelectedItem(), -1);
    select(1, LVIS_SELECTED | LVIS_FOCUSED);
    EXPECT_EQ(m_list.GetSelectionMark(), 1);
    EXPECT_EQ(m_list.GetSelectedItem(), 1);
    select(-1, 0);
    EXPECT_EQ(m_list.GetSelectionMark(), 1);
    EXPECT_EQ(m_list.GetSelectedItem(), -1);
    select(2, LVIS_SELECTED);
    EXPECT_EQ(m_list.GetSelectedItem(), 2);
}

} // namespace
