#include "panel/PanelPage.h"

#include "tests/ShellTestResources.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <initializer_list>
#include <string>
#include <vector>

namespace {

std::vector<std::string> g_log;

std::string Call(const std::string& name, std::initializer_list<long long> arguments) {
    std::string call = name + "(";
    for (const long long argument : arguments) {
        if (call.back() != '(')
            call += ",";
        call += std::to_string(argument);
    }
    return call + ")";
}

// Logs the handlers with the arguments the dialog procedure decoded, as "name:Handler(...)", and
// keeps the base behaviour.
class RecordingPage : public PanelPage {
public:
    explicit RecordingPage(std::string name) : m_name(std::move(name)) {
        AddImageButton(IDC_TEST_BUTTON_A);
        AddImageButton(IDC_TEST_BUTTON_B);
    }

protected:
    INT_PTR OnDrawItem(WPARAM wParam, LPARAM lParam) override {
        Log("OnDrawItem", {static_cast<long long>(wParam), reinterpret_cast<DRAWITEMSTRUCT*>(lParam)->CtlID});
        return PanelPage::OnDrawItem(wParam, lParam);
    }
    INT_PTR OnPaint() override {
        Log("OnPaint", {});
        return PanelPage::OnPaint();
    }
    INT_PTR OnNotify(NMHDR* header) override {
        Log("OnNotify", {static_cast<long long>(header->idFrom), static_cast<int>(header->code)});
        return PanelPage::OnNotify(header);
    }
    INT_PTR OnMove(int x, int y) override {
        Log("OnMove", {x, y});
        return PanelPage::OnMove(x, y);
    }
    INT_PTR OnContextMenu(HWND window, int x, int y) override {
        Log("OnContextMenu", {reinterpret_cast<long long>(window), x, y});
        return PanelPage::OnContextMenu(window, x, y);
    }
    INT_PTR OnCommand(int id, int code, LPARAM lParam) override {
        Log("OnCommand", {id, code, lParam});
        return PanelPage::OnCommand(id, code, lParam);
    }
    INT_PTR OnClose(INT_PTR result) override {
        Log("OnClose", {result});
        return PanelPage::OnClose(result);
    }
    INT_PTR OnInitDialog(LPARAM parameter) override {
        Log("OnInitDialog", {parameter});
        return PanelPage::OnInitDialog(parameter);
    }

private:
    void Log(const char* handler, std::initializer_list<long long> arguments) {
        g_log.push_back(Call(m_name + ":" + handler, arguments));
    }

    std::string m_name;
};

std::vector<std::string> g_ownerMoves;

LRESULT CALLBACK OwnerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_MOVE)
        g_ownerMoves.push_back(Call("WM_MOVE", {static_cast<long long>(wParam), lParam}));
    return DefWindowProcW(window, message, wParam, lParam);
}

std::wstring TextOf(HWND window) {
    wchar_t text[256];
    return std::wstring(text, static_cast<std::size_t>(GetWindowTextW(window, text, 256)));
}

// A control's rectangle in its dialog's client coordinates.
RECT ControlRect(HWND dialog, int id) {
    RECT rect;
    GetWindowRect(GetDlgItem(dialog, id), &rect);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

POINT Centre(const RECT& rect) {
    return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

LPARAM At(POINT point) {
    return MAKELPARAM(point.x, point.y);
}

class PanelPageTest : public testing::Test {
protected:
    void SetUp() override {
        g_log.clear();
        g_ownerMoves.clear();
        WNDCLASSW ownerClass = {};
        ownerClass.lpfnWndProc = OwnerProc;
        ownerClass.hInstance = GetModuleHandleW(nullptr);
        ownerClass.lpszClassName = L"OrvanePageOwner";
        RegisterClassW(&ownerClass);
        m_owner = CreateWindowExW(0, L"OrvanePageOwner", L"owner", WS_POPUP | WS_VISIBLE, 0, 0, 800, 600,
                                  nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
        ASSERT_NE(m_owner, nullptr);
        g_ownerMoves.clear();
    }
    // The owner takes the page dialogs it owns with it, shown or hidden.
    void TearDown() override { DestroyWindow(m_owner); }

    HWND m_owner = nullptr;
    RecordingPage m_a{"A"};
    RecordingPage m_b{"B"};
};

TEST_F(PanelPageTest, OpeningAPageClosesThePageShownAndShowsTheNewOne) {
    const HWND a = m_a.OpenPage(IDD_TEST_PAGE, m_owner, 42);
    ASSERT_NE(a, nullptr);
    EXPECT_EQ(m_a.Window(), a);
    EXPECT_TRUE(IsWindowVisible(a));
    EXPECT_EQ(TextOf(a), L"XDialogOrvaneChild");
    EXPECT_EQ(g_ownerMoves, std::vector<std::string>{"WM_MOVE(0,0)"});

    g_log.clear();
    const HWND b = m_b.OpenPage(IDD_TEST_PAGE, m_owner, 43);
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(g_log, (std::vector<std::string>{"A:OnClose(0)", "B:OnInitDialog(43)"}));
    // The closed page loses its controls and is hidden, but its window stays.
    EXPECT_TRUE(IsWindow(a));
    EXPECT_FALSE(IsWindowVisible(a));
    EXPECT_EQ(GetDlgItem(a, IDC_TEST_BUTTON_A), nullptr);
    EXPECT_EQ(GetDlgItem(a, IDC_TEST_EDIT), nullptr);
    EXPECT_TRUE(IsWindowVisible(b));
    EXPECT_NE(GetDlgItem(b, IDC_TEST_BUTTON_A), nullptr);
    EXPECT_EQ(FindWindowW(nullptr, L"XDialogOrvaneChild"), b);
    EXPECT_EQ(g_ownerMoves.size(), 2u);
}

TEST_F(PanelPageTest, AFollowUpPageWorksWhileThePageThatOpenedItIsClosed) {
    const HWND a = m_a.OpenPage(IDD_TEST_PAGE, m_owner, 0);
    g_log.clear();
    const HWND b = m_b.OpenPage(IDD_TEST_PAGE, a, 0);
    ASSERT_NE(b, nullptr);
    // The follow-up is created after its owner was closed, and tells its owner it has moved.
    EXPECT_EQ(g_log, (std::vector<std::string>{"A:OnClose(0)", "B:OnInitDialog(0)", "A:OnMove(0,0)"}));
    EXPECT_EQ(GetParent(b), a);
    EXPECT_FALSE(IsWindowVisible(a));
    EXPECT_TRUE(IsWindowVisible(b));

    g_log.clear();
    SendMessageW(b, WM_COMMAND, MAKEWPARAM(1010, BN_CLICKED), 0);
    EXPECT_EQ(g_log, std::vector<std::string>{"B:OnCommand(1010,0,0)"});
}

TEST_F(PanelPageTest, APageOpenedAgainKeepsItsNewWindowWhenTheOldOneIsDestroyed) {
    const HWND first = m_a.OpenPage(IDD_TEST_PAGE, m_owner, 0);
    m_b.OpenPage(IDD_TEST_PAGE, m_owner, 0);
    const HWND second = m_a.OpenPage(IDD_TEST_PAGE, m_owner, 0);
    ASSERT_NE(second, first);
    ASSERT_TRUE(DestroyWindow(first));
    EXPECT_EQ(m_a.Window(), second);

    g_log.clear();
    SendMessageW(second, WM_COMMAND, MAKEWPARAM(1003, 0), 0);
    EXPECT_EQ(g_log, std::vector<std::string>{"A:OnCommand(1003,0,0)"});
}

TEST_F(PanelPageTest, APageDestroyedWhileOpenTakesItsDialogWithIt) {
    HWND dialog;
    {
        RecordingPage page("C");
        dialog = page.OpenPage(IDD_TEST_PAGE, m_owner, 0);
        ASSERT_NE(dialog, nullptr);
    }
    EXPECT_FALSE(IsWindow(dialog));
}

TEST_F(PanelPageTest, DecodesEachDialogMessageForItsHandler) {
    const HWND page = m_a.OpenPage(IDD_TEST_PAGE, m_owner, 0);
    ASSERT_NE(page, nullptr);
    DRAWITEMSTRUCT item = {};
    item.CtlID = 100;
    NMHDR header = {};
    header.idFrom = 100;
    header.code = static_cast<UINT>(NM_RCLICK);
    const HWND someWindow = reinterpret_cast<HWND>(0x1234);
    const struct {
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
        const char* call; // "" when no handler may be called
    } cases[] = {
        {WM_MOVE, 0, MAKELPARAM(12, 34), "A:OnMove(12,34)"},
        // Positions are unsigned words, as on the page they come from.
        {WM_CONTEXTMENU, reinterpret_cast<WPARAM>(someWindow), MAKELPARAM(0xFFFF, 5),
         "A:OnContextMenu(4660,65535,5)"},
        {WM_COMMAND, MAKEWPARAM(1010, 2), 77, "A:OnCommand(1010,2,77)"},
        {WM_NOTIFY, 100, reinterpret_cast<LPARAM>(&header), "A:OnNotify(100,-5)"},
        {WM_DRAWITEM, 7, reinterpret_cast<LPARAM>(&item), "A:OnDrawItem(7,100)"},
        {WM_PAINT, 0, 0, "A:OnPaint()"},
        {WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(1, 1), ""},
        {WM_KEYDOWN, 'A', 0, ""},
        {WM_CLOSE, 3, 0, "A:OnClose(3)"},
    };
    for (const auto& c : cases) {
        g_log.clear();
        SendMessageW(page, c.message, c.wParam, c.lParam);
        EXPECT_EQ(g_log, *c.call != '\0' ? std::vector<std::string>{c.call} : std::vector<std::string>{})
            << "message 0x" << std::hex << c.message;
    }
}

TEST_F(PanelPageTest, ColoursControlsByKindAndStaticsByTheirBrackets) {
    const HWND page = m_a.OpenPage(IDD_TEST_PAGE, m_owner, 0);
    ASSERT_NE(page, nullptr);
    constexpr COLORREF kGreen = 0x00FF00, kYellow = 0x00FFFF, kBlack = 0, kBlue = 0xFF0000, kGrey = 0x404040;
    const struct {
        UINT message;
        int control; // 0 for the page itself
        const wchar_t* label;
        COLORREF textColour;
        COLORREF background; // behind the text, and the colour of the brush returned
    } cases[] = {
        {WM_CTLCOLORSTATIC, IDC_TEST_LABEL, L"〖坐标系控制〗", kGreen, kBlue},
        {WM_CTLCOLORSTATIC, IDC_TEST_LABEL, L"位置〗", kGreen, kBlue},
        {WM_CTLCOLORSTATIC, IDC_TEST_LABEL, L"〖-------------------", kYellow, kBlack},
        {WM_CTLCOLORSTATIC, IDC_TEST_LABEL, L"〖=====", kYellow, kBlack},
        {WM_CTLCOLORSTATIC, IDC_TEST_LABEL, L"X轴范围", kGreen, kBlack},
        {WM_CTLCOLORSTATIC, IDC_TEST_LABEL, L"", kGreen, kBlack},
        {WM_CTLCOLOREDIT, IDC_TEST_EDIT, L"〖坐标系控制〗", kGreen, kGrey},
        {WM_CTLCOLOREDIT, IDC_TEST_EDIT, L"3.5", kGreen, kGrey},
        // Only statics are told by their text.
        {WM_CTLCOLORBTN, IDC_TEST_PUSH_BUTTON, L"〖坐标系控制〗", kGreen, kBlack},
        {WM_CTLCOLORDLG, 0, L"XDialogOrvaneChild", kGreen, kBlack},
        {WM_CTLCOLORLISTBOX, IDC_TEST_LABEL, L"〖---", kGreen, kBlack},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(c.label)));
        const HWND control = c.control != 0 ? GetDlgItem(page, c.control) : page;
        ASSERT_TRUE(SetWindowTextW(control, c.label));
        HDC dc = CreateCompatibleDC(nullptr);
        SetTextColor(dc, RGB(1, 2, 3));
        SetBkColor(dc, RGB(4, 5, 6));
        const auto brush = reinterpret_cast<HBRUSH>(
            SendMessageW(page, c.message, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(control)));
        EXPECT_EQ(GetTextColor(dc), c.textColour);
        EXPECT_EQ(GetBkColor(dc), c.background);
        LOGBRUSH colour = {};
        ASSERT_EQ(GetObjectW(brush, sizeof colour, &colour), static_cast<int>(sizeof colour));
        EXPECT_EQ(colour.lbColor, c.background);
        DeleteDC(dc);
    }
}

TEST_F(PanelPageTest, ImageButtonsLiftUnderTheMouseAndDropBackWhenItLeaves) {
    const HWND page = m_a.OpenPage(IDD_TEST_PAGE, m_owner, 0);
    ASSERT_NE(page, nullptr);
    const RECT homeA = ControlRect(page, IDC_TEST_BUTTON_A);
    const RECT homeB = ControlRect(page, IDC_TEST_BUTTON_B);
    ASSERT_LT(homeA.right, homeB.left);
    const POINT a = Centre(homeA);
    const POINT b = Centre(homeB);
    const POINT gap = {(homeA.right + homeB.left) / 2, a.y};
    const POINT corner = {homeA.left - 1, homeA.top}; // right and bottom edges are outside, left is not
    const POINT aEdge = {homeA.left, homeA.top};
    const struct {
        const char* name;
        POINT point;
        int index; // ButtonAt before the move
        int liftA; // how far each button stands up and left afterwards
        int liftB;
    } steps[] = {
        {"onto A", a, 0, 5, 0},         {"within A", {a.x + 3, a.y + 3}, 0, 5, 0},
        {"A to B", b, 1, 0, 5},         {"into the gap", gap, -1, 0, 0},
        {"onto B", b, 1, 0, 5},         {"left of A", corner, -1, 0, 0},
        {"A's corner", aEdge, 0, 5, 0}, {"away", {1, 1}, -1, 0, 0},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.name);
        EXPECT_EQ(m_a.ButtonAt(step.point.x, step.point.y), step.index);
        SendMessageW(page, WM_MOUSEMOVE, 0, At(step.point));
        const RECT nowA = ControlRect(page, IDC_TEST_BUTTON_A);
        const RECT nowB = ControlRect(page, IDC_TEST_BUTTON_B);
        EXPECT_EQ(homeA.left - nowA.left, step.liftA);
        EXPECT_EQ(homeA.top - nowA.top, step.liftA);
        EXPECT_EQ(homeB.left - nowB.left, step.liftB);
        EXPECT_EQ(homeB.top - nowB.top, step.liftB);
        EXPECT_EQ(nowA.right - nowA.left, homeA.right - homeA.left);
    }
}

TEST_F(PanelPageTest, ClickingAnImageButtonRunsItsCommand) {
    const HWND page = m_a.OpenPage(IDD_TEST_PAGE, m_owner, 0);
    ASSERT_NE(page, nullptr);
    const RECT homeA = ControlRect(page, IDC_TEST_BUTTON_A);
    const RECT homeB = ControlRect(page, IDC_TEST_BUTTON_B);
    const struct {
        POINT point;
        const char* call;
    } clicks[] = {
        {Centre(homeA), "A:OnCommand(9101,1,1)"},
        {{(homeA.right + homeB.left) / 2, Centre(homeA).y}, ""},
        {Centre(homeB), "A:OnCommand(9102,1,1)"},
        {{homeB.right, homeB.bottom}, ""},
    };
    for (const auto& click : clicks) {
        g_log.clear();
        SendMessageW(page, WM_LBUTTONDOWN, MK_LBUTTON, At(click.point));
        EXPECT_EQ(g_log,
                  *click.call != '\0' ? std::vector<std::string>{click.call} : std::vector<std::string>{})
            << click.point.x << "," << click.point.y;
    }
}

} // namespace
