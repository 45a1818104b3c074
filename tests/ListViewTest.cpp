#include "panel/ListView.h"

#include <gtest/gtest.h>

#include <iterator>
#include <string>
#include <vector>

namespace {

// The graph list exactly as the application creates it.
constexpr DWORD kGraphListStyle = WS_CHILD | WS_VISIBLE | LVS_REPORT | LVS_SHAREIMAGELISTS |
                                  LVS_OWNERDRAWFIXED | LVS_NOSCROLL | LVS_NOCOLUMNHEADER;
constexpr int kGraphListId = 100;

// The item and column records as the control receives them, text copied while it is valid.
struct SentRecord {
    UINT message;
    WPARAM wParam;
    UINT mask;
    const wchar_t* textPointer;
    int textLength;
    std::wstring text;
};
std::vector<SentRecord> g_sent;
WNDPROC g_listProc = nullptr;

LRESULT CALLBACK SpyProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == LVM_INSERTITEMW) {
        const auto* item = reinterpret_cast<const LVITEMW*>(lParam);
        g_sent.push_back({message, wParam, item->mask, item->pszText, item->cchTextMax,
                          item->pszText != nullptr ? item->pszText : L""});
    } else if (message == LVM_INSERTCOLUMNW) {
        const auto* column = reinterpret_cast<const LVCOLUMNW*>(lParam);
        g_sent.push_back({message, wParam, column->mask, column->pszText, column->cchTextMax,
                          column->pszText != nullptr ? column->pszText : L""});
    }
    return CallWindowProcW(g_listProc, window, message, wParam, lParam);
}

class ListViewTest : public testing::Test {
protected:
    void SetUp() override {
        const INITCOMMONCONTROLSEX controls = {sizeof(INITCOMMONCONTROLSEX), ICC_LISTVIEW_CLASSES};
        ASSERT_TRUE(InitCommonControlsEx(&controls));
        m_parent = CreateWindowExW(0, L"STATIC", L"parent", WS_POPUP, 0, 0, 800, 600, nullptr, nullptr,
                                   GetModuleHandleW(nullptr), nullptr);
        ASSERT_NE(m_parent, nullptr);
        ASSERT_NE(m_list.CreateList(kGraphListId, kGraphListStyle, 550, 52, 200, 498, m_parent), nullptr);
        g_sent.clear();
    }
    void TearDown() override { DestroyWindow(m_parent); }

    void Spy() {
        g_listProc = reinterpret_cast<WNDPROC>(
            SetWindowLongPtrW(m_list.Window(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(SpyProc)));
    }
    std::wstring TextOf(int item) const {
        wchar_t text[256];
        return std::wstring(text, static_cast<std::size_t>(m_list.GetItemText(item, 0, text, 256)));
    }
    int ImageOf(int item) const {
        LVITEMW record = {};
        record.mask = LVIF_IMAGE;
        record.iItem = item;
        SendMessageW(m_list.Window(), LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(&record));
        return record.iImage;
    }
    std::vector<std::wstring> Texts() const {
        std::vector<std::wstring> texts;
        for (int item = 0; item < m_list.GetItemCount(); ++item)
            texts.push_back(TextOf(item));
        return texts;
    }

    HWND m_parent = nullptr;
    ListView m_list;
};

TEST_F(ListViewTest, CreateListMakesAListViewChildWithTheIdAsControlId) {
    wchar_t className[64];
    ASSERT_GT(GetClassNameW(m_list.Window(), className, 64), 0);
    EXPECT_STREQ(className, L"SysListView32");
    EXPECT_EQ(GetParent(m_list.Window()), m_parent);
    EXPECT_EQ(GetDlgItem(m_parent, kGraphListId), m_list.Window());
    EXPECT_EQ(static_cast<DWORD>(GetWindowLongW(m_list.Window(), GWL_STYLE)) & kGraphListStyle,
              kGraphListStyle);
    RECT rect;
    ASSERT_TRUE(GetWindowRect(m_list.Window(), &rect));
    MapWindowPoints(nullptr, m_parent, reinterpret_cast<POINT*>(&rect), 2);
    EXPECT_EQ(rect.left, 550);
    EXPECT_EQ(rect.top, 52);
    EXPECT_EQ(rect.right - rect.left, 200);
    EXPECT_EQ(rect.bottom - rect.top, 498);
}

TEST_F(ListViewTest, InsertedTextsGoWithTheirLengthAndNoTextAsANullPointer) {
    Spy();
    EXPECT_EQ(m_list.InsertColumn(LVCF_WIDTH, 0, 200, nullptr, 0, 0), 0);
    EXPECT_EQ(m_list.InsertColumn(LVCF_WIDTH | LVCF_TEXT, LVCFMT_LEFT, 80, L"名称", 1, 1), 1);
    EXPECT_EQ(m_list.InsertItem(LVIF_TEXT, 0, 0, 0, 0, L"FA:y=x^2", 0, 0), 0);
    EXPECT_EQ(m_list.InsertItem(LVIF_IMAGE, 1, 0, 0, 0, nullptr, 1, 0), 1);
    EXPECT_EQ(m_list.InsertItem(LVIF_TEXT, 2, 0, 0, 0, L"", 0, 0), 2);
    const struct {
        UINT message;
        WPARAM wParam;
        bool hasText;
        int textLength;
        const wchar_t* text;
    } expected[] = {
        {LVM_INSERTCOLUMNW, 0, false, 0, L""},      {LVM_INSERTCOLUMNW, 1, true, 2, L"名称"},
        {LVM_INSERTITEMW, 0, true, 8, L"FA:y=x^2"}, {LVM_INSERTITEMW, 0, false, 0, L""},
        {LVM_INSERTITEMW, 0, true, 0, L""},
    };
    ASSERT_EQ(g_sent.size(), std::size(expected));
    for (std::size_t i = 0; i < g_sent.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(g_sent[i].message, expected[i].message);
        EXPECT_EQ(g_sent[i].wParam, expected[i].wParam);
        EXPECT_EQ(g_sent[i].textPointer != nullptr, expected[i].hasText);
        EXPECT_EQ(g_sent[i].textLength, expected[i].textLength);
        EXPECT_EQ(g_sent[i].text, expected[i].text);
    }
    // And the control keeps what it was given.
    EXPECT_EQ(Texts(), (std::vector<std::wstring>{L"FA:y=x^2", L"", L""}));
    EXPECT_EQ(ImageOf(1), 1);
    wchar_t title[16] = {};
    LVCOLUMNW column = {};
    column.mask = LVCF_TEXT | LVCF_WIDTH;
    column.pszText = title;
    column.cchTextMax = 16;
    ASSERT_TRUE(SendMessageW(m_list.Window(), LVM_GETCOLUMNW, 1, reinterpret_cast<LPARAM>(&column)));
    EXPECT_STREQ(title, L"名称");
    EXPECT_EQ(column.cx, 80);
    column.mask = LVCF_WIDTH;
    ASSERT_TRUE(SendMessageW(m_list.Window(), LVM_GETCOLUMNW, 0, reinterpret_cast<LPARAM>(&column)));
    EXPECT_EQ(column.cx, 200);
}

TEST_F(ListViewTest, InsertItemReturnsWhereTheItemWent) {
    EXPECT_EQ(m_list.InsertItem(LVIF_TEXT, 0, 0, 0, 0, L"a", 0, 0), 0);
    // Past the end means at the end.
    EXPECT_EQ(m_list.InsertItem(LVIF_TEXT, 5, 0, 0, 0, L"b", 0, 0), 1);
    EXPECT_EQ(m_list.InsertItem(LVIF_TEXT, 0, 0, 0, 0, L"c", 0, 0), 0);
    EXPECT_EQ(Texts(), (std::vector<std::wstring>{L"c", L"a", L"b"}));
}

TEST_F(ListViewTest, CountsItemsThroughInsertsAndDeletes) {
    EXPECT_EQ(m_list.GetItemCount(), 0);
    // The way the graph list is brought to a length: empty rows at the end, the last one deleted.
    for (int row = 0; row < 4; ++row)
        m_list.InsertItem(LVIF_TEXT, m_list.GetItemCount(), 0, 0, 0, L"", 0, 0);
    EXPECT_EQ(m_list.GetItemCount(), 4);
    EXPECT_TRUE(m_list.DeleteItem(m_list.GetItemCount() - 1));
    EXPECT_EQ(m_list.GetItemCount(), 3);
    EXPECT_FALSE(m_list.DeleteItem(3));
    EXPECT_FALSE(m_list.DeleteItem(-1));
    EXPECT_EQ(m_list.GetItemCount(), 3);
    for (int row = 2; row >= 0; --row)
        EXPECT_TRUE(m_list.DeleteItem(row));
    EXPECT_EQ(m_list.GetItemCount(), 0);
}

TEST_F(ListViewTest, ItemTextsRoundTripChineseAndStopAtTheCapacity) {
    const wchar_t* texts[] = {L"FA:y=x^2", L"函数FB:y=sin(x)&", L"〖旋转控制〗", L""};
    for (int row = 0; row < 4; ++row) {
        m_list.InsertItem(LVIF_TEXT, row, 0, 0, 0, L"old", 0, 0);
        EXPECT_TRUE(m_list.SetItemText(row, 0, texts[row]));
    }
    for (int row = 0; row < 4; ++row)
        EXPECT_EQ(TextOf(row), texts[row]);

    wchar_t small[4];
    EXPECT_EQ(m_list.GetItemText(1, 0, small, 4), 3);
    EXPECT_STREQ(small, L"函数F");
}

TEST_F(ListViewTest, SetItemImageChangesTheImageAndKeepsTheText) {
    m_list.InsertItem(LVIF_TEXT | LVIF_IMAGE, 0, 0, 0, 0, L"P1:x=t", 0, 0);
    EXPECT_TRUE(m_list.SetItemImage(0, 2));
    EXPECT_EQ(ImageOf(0), 2);
    EXPECT_EQ(TextOf(0), L"P1:x=t");
    EXPECT_FALSE(m_list.SetItemImage(1, 2));
}

TEST_F(ListViewTest, ItemDataRoundTripsAndLeavesTextAndImageAlone) {
    m_list.InsertItem(LVIF_TEXT | LVIF_IMAGE | LVIF_PARAM, 0, 0, 0, 0, L"FA:y=x", 1, 7);
    m_list.InsertItem(LVIF_TEXT | LVIF_IMAGE, 1, 0, 0, 0, L"常数", 2, 0);
    EXPECT_EQ(m_list.GetItemData(0), 7);
    const LPARAM values[] = {0, 1, -1, 0x7FFFFFFF, static_cast<LPARAM>(0x80000000u)};
    for (const LPARAM value : values) {
        EXPECT_TRUE(m_list.SetItemData(1, value));
        EXPECT_EQ(m_list.GetItemData(1), value);
    }
    EXPECT_EQ(m_list.GetItemData(0), 7);
    EXPECT_EQ(TextOf(1), L"常数");
    EXPECT_EQ(ImageOf(1), 2);
    EXPECT_FALSE(m_list.SetItemData(2, 5));
    EXPECT_EQ(m_list.GetItemData(2), 0);
}

TEST_F(ListViewTest, SelectionMarkIsMinusOneUntilAnItemIsMarked) {
    EXPECT_EQ(m_list.GetSelectionMark(), -1);
    for (int row = 0; row < 3; ++row)
        m_list.InsertItem(LVIF_TEXT, row, 0, 0, 0, L"row", 0, 0);
    EXPECT_EQ(m_list.GetSelectionMark(), -1);
    SendMessageW(m_list.Window(), LVM_SETSELECTIONMARK, 0, 2);
    EXPECT_EQ(m_list.GetSelectionMark(), 2);
}

TEST_F(ListViewTest, SetsTheColoursAndTheImageList) {
    const struct {
        BOOL (ListView::*set)(COLORREF) const;
        UINT get;
        COLORREF colour;
    } colours[] = {
        {&ListView::SetBkColor, LVM_GETBKCOLOR, 0x404040},
        {&ListView::SetTextColor, LVM_GETTEXTCOLOR, 0x00FF00},
        {&ListView::SetTextBkColor, LVM_GETTEXTBKCOLOR, CLR_NONE},
        {&ListView::SetTextBkColor, LVM_GETTEXTBKCOLOR, 0x123456},
    };
    for (const auto& c : colours) {
        EXPECT_TRUE((m_list.*c.set)(c.colour));
        EXPECT_EQ(static_cast<COLORREF>(SendMessageW(m_list.Window(), c.get, 0, 0)), c.colour) << c.get;
    }

    const HIMAGELIST images = ImageList_Create(16, 16, ILC_COLOR24 | ILC_MASK, 8, 0);
    ASSERT_NE(images, nullptr);
    EXPECT_EQ(m_list.SetImageList(images, LVSIL_SMALL), nullptr);
    EXPECT_EQ(reinterpret_cast<HIMAGELIST>(SendMessageW(m_list.Window(), LVM_GETIMAGELIST, LVSIL_SMALL, 0)),
              images);
    EXPECT_EQ(m_list.SetImageList(nullptr, LVSIL_SMALL), images);
    // The list shares its image lists, so it leaves this one to its owner.
    ImageList_Destroy(images);
}

} // namespace
