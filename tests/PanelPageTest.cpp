#include "panel/PanelPage.h"

#include "glui/ScreenLayout.h"
#include "tests/ShellTestResources.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

namespace {

std::vector<std::string> g_log;

// Logs the handlers as "page:handler arguments" and keeps the base behaviour.
class RecordingPage : public PanelPage {
public:
    explicit RecordingPage(std::string name) : m_name(std::move(name)) {
        AddImageButton(IDC_TEST_BUTTON_A);
        AddImageButton(IDC_TEST_BUTTON_B);
    }

    using PanelPage::IsOpenSince;
    using PanelPage::Opening;

    // A record's name in the test page's edit box, as a page shows and reads its fields.
    void ShowName(const FunctionGraph& record) { ShowFields(m_fields, record); }
    void ReadName(FunctionGraph& record) const { ReadFields(m_fields, record); }

protected:
    INT_PTR OnMove(int x, int y) override { return Log("OnMove", {x, y}); }
    INT_PTR OnCommand(int id, int code, LPARAM lParam) override {
        return Log("OnCommand", {id, code, lParam});
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
    const RecordFields<FunctionGraph> m_fields = {TextField(IDC_TEST_EDIT, 10, &FunctionGraph::name)};

    INT_PTR Log(const char* handler, std::initializer_list<long long> arguments) {
        std::string call = m_name + ":" + handler;
        for (const long long argument : arguments)
            call += ' ' + std::to_string(argument);
        g_log.push_back(call);
        return 0;
    }

    std::string m_name;
};

// A page A open over an owner window.
class PanelPageTest : public testing::Test {
protected:
    void SetUp() override {
        m_owner = CreateWindowExW(0, L"STATIC", L"owner", WS_POPUP | WS_VISIBLE, 0, 0, 800, 600, nullptr,
                                  nullptr, GetModuleHandleW(nullptr), nullptr);
        m_page = m_a.OpenPage(IDD_TEST_PAGE, m_owner, 42);
        ASSERT_NE(m_page, nullptr);
        g_log.clear();
    }
    // The owner takes the page dialogs it owns with it, shown or hidden.
    void TearDown() override { DestroyWindow(m_owner); }

    // What a page logs when it is put in its place, in the owner's client area (the screen's).
    static std::string PlacedAt(const char* page) {
        return std::string(page) + ":OnMove " + std::to_string(kPageRect.left) + " " +
               std::to_string(kPageRect.top);
    }

    // In the page's client coordinates.
    RECT ButtonRect(int id) const {
        RECT rect;
        GetWindowRect(GetDlgItem(m_page, id), &rect);
        MapWindowPoints(nullptr, m_page, reinterpret_cast<POINT*>(&rect), 2);
        return rect;
    }

    HWND m_owner = nullptr;
    RecordingPage m_a{"A"};
    RecordingPage m_b{"B"};
    HWND m_page = nullptr; // A's dialog
};

TEST_F(PanelPageTest, OpeningAPageClosesThePageShownWhichGoesOnWorkingAsItsOwner) {
    ASSERT_NE(m_b.OpenPage(IDD_TEST_PAGE, m_page, 43), nullptr);
    // A closes before B is made and put in its place, and B tells its owner it has moved.
    EXPECT_EQ(g_log,
              (std::vector<std::string>{"A:OnClose 0", PlacedAt("B"), "B:OnInitDialog 43", "A:OnMove 0 0"}));
    // The closed page loses its controls and is hidden, but its window stays.
    EXPECT_TRUE(IsWindow(m_page) && !IsWindowVisible(m_page));
    EXPECT_EQ(GetDlgItem(m_page, IDC_TEST_BUTTON_A), nullptr);

    // A page opened again gets a new window; the hidden one goes, with the page it owns.
    const HWND b = m_b.Window();
    const HWND again = m_a.OpenPage(IDD_TEST_PAGE, m_owner, 0);
    EXPECT_FALSE(IsWindow(m_page) || IsWindow(b));
    EXPECT_EQ(m_b.Window(), nullptr);
    EXPECT_EQ(m_a.Window(), again);
    // A page destroyed while open takes its dialog with it.
    auto page = std::make_unique<RecordingPage>("C");
    const HWND dialog = page->OpenPage(IDD_TEST_PAGE, m_owner, 0);
    page.reset();
    EXPECT_FALSE(IsWindow(dialog));
}

TEST_F(PanelPageTest, OnlyThisProgramsShownPageIsClosedAndEveryPageLiesAtTheSamePlace) {
    // Another program's window of the same title, and a page window left hidden, stay as they are.
    const HWND stranger = CreateWindowExW(0, L"STATIC", L"XDialogOrvaneChild", WS_POPUP | WS_VISIBLE, 0, 0,
                                          10, 10, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(m_b.OpenPage(IDD_TEST_PAGE, m_page, 43), nullptr); // B owned by A's window
    EXPECT_TRUE(IsWindowVisible(stranger));
    EXPECT_EQ(PanelPage::ShownPageWindow(), m_b.Window());
    RecordingPage c("C");
    ASSERT_NE(c.OpenPage(IDD_TEST_PAGE, m_owner, 44), nullptr);
    // Only B, the page shown, is closed; A's hidden window is left alone.
    EXPECT_EQ(g_log,
              (std::vector<std::string>{"A:OnClose 0", PlacedAt("B"), "B:OnInitDialog 43", "A:OnMove 0 0",
                                        "B:OnClose 0", PlacedAt("C"), "C:OnInitDialog 44"}));
    EXPECT_TRUE(IsWindowVisible(stranger) && IsWindowVisible(c.Window()) && !IsWindowVisible(m_b.Window()));
    EXPECT_EQ(PanelPage::ShownPageWindow(), c.Window());

    // Pages owned by the owner and by another page alike sit at the page rectangle of the owner's
    // client area, whatever the proportions of the font: the test page's font is not the pages'.
    for (const HWND page : {m_b.Window(), c.Window()}) {
        RECT rect;
        GetWindowRect(page, &rect);
        EXPECT_EQ(std::vector<LONG>({rect.left, rect.top, rect.right, rect.bottom}),
                  std::vector<LONG>({kPageRect.left, kPageRect.top, kPageRect.right, kPageRect.bottom}));
    }
    DestroyWindow(stranger);
}

TEST_F(PanelPageTest, AHandlerCanTellWhetherItsPageWasClosedOrOpenedAgainMeanwhile) {
    // As after a modal dialog run from a handler: the page shown then may be gone.
    const unsigned opening = m_a.Opening();
    EXPECT_TRUE(m_a.IsOpenSince(opening));
    ASSERT_NE(m_b.OpenPage(IDD_TEST_PAGE, m_owner, 0), nullptr);
    EXPECT_FALSE(m_a.IsOpenSince(opening));
    ASSERT_NE(m_a.OpenPage(IDD_TEST_PAGE, m_owner, 0), nullptr);
    EXPECT_FALSE(m_a.IsOpenSince(opening));
    EXPECT_TRUE(m_a.IsOpenSince(m_a.Opening()));
}

TEST_F(PanelPageTest, TextsGoIntoRecordFieldsCutAtAWholeCharacter) {
    const struct {
        const wchar_t* typed;
        const char* stored; // GBK
    } cases[] = {
        {L"FA", "FA"},
        {L"ABCDEFGHIJ", "ABCDEFGHI"},
        {L"九个汉字的函数名字啊", "\xBE\xC5\xB8\xF6\xBA\xBA\xD7\xD6"}, // four of nine characters fit
        {L"A函数名", "A\xBA\xAF\xCA\xFD\xC3\xFB"},
    };
    for (const auto& c : cases) {
        FunctionGraph record{};
        SetFieldText(record.name, "old");
        m_a.ShowName(record);
        wchar_t shown[16] = {};
        GetDlgItemTextW(m_page, IDC_TEST_EDIT, shown, 16);
        EXPECT_STREQ(shown, L"old");
        SetDlgItemTextW(m_page, IDC_TEST_EDIT, c.typed);
        m_a.ReadName(record);
        EXPECT_EQ(std::string(FieldText(record.name)), c.stored);
        EXPECT_EQ(record.name[kNameSize - 1], '\0');
        // What was read shows again as it was stored.
        m_a.ShowName(record);
        FunctionGraph again{};
        m_a.ReadName(again);
        EXPECT_EQ(std::string(FieldText(again.name)), c.stored);
    }
    // The box takes at most ten typed characters.
    EXPECT_EQ(SendDlgItemMessageW(m_page, IDC_TEST_EDIT, EM_GETLIMITTEXT, 0, 0), 10);
}

TEST_F(PanelPageTest, ColoursControlsByKindAndStaticsByTheirBrackets) {
    constexpr COLORREF kGreen = 0x00FF00, kYellow = 0x00FFFF, kBlack = 0, kBlue = 0xFF0000, kGrey = 0x404040;
    const struct {
        UINT message;
        int control; // 0 for the page itself
        const wchar_t* text;
        COLORREF textColour;
        COLORREF background; // behind the text, and the colour of the brush returned
    } cases[] = {
        {WM_CTLCOLORSTATIC, IDC_TEST_LABEL, L"〖坐标系控制〗", kGreen, kBlue},
        {WM_CTLCOLORSTATIC, IDC_TEST_LABEL, L"〖-------------------", kYellow, kBlack},
        {WM_CTLCOLORSTATIC, IDC_TEST_LABEL, L"X轴范围", kGreen, kBlack},
        {WM_CTLCOLOREDIT, IDC_TEST_EDIT, L"〖坐标系控制〗", kGreen, kGrey},
        // Only statics are told by their text.
        {WM_CTLCOLORBTN, IDC_TEST_PUSH_BUTTON, L"〖坐标系控制〗", kGreen, kBlack},
        {WM_CTLCOLORDLG, 0, L"XDialogOrvaneChild", kGreen, kBlack},
    };
    HDC dc = CreateCompatibleDC(nullptr);
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(c.text)));
        const HWND control = c.control != 0 ? GetDlgItem(m_page, c.control) : m_page;
        ASSERT_TRUE(SetWindowTextW(control, c.text));
        const auto brush = reinterpret_cast<HBRUSH>(
            SendMessageW(m_page, c.message, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(control)));
        LOGBRUSH colour = {};
        GetObjectW(brush, sizeof colour, &colour);
        EXPECT_EQ(std::vector<COLORREF>({GetTextColor(dc), GetBkColor(dc), colour.lbColor}),
                  std::vector<COLORREF>({c.textColour, c.background, c.background}));
    }
    DeleteDC(dc);
}

TEST_F(PanelPageTest, ImageButtonsLiftUnderTheMouseDropBackWhenItLeavesAndRunTheirCommandWhenClicked) {
    const RECT homeA = ButtonRect(IDC_TEST_BUTTON_A), homeB = ButtonRect(IDC_TEST_BUTTON_B); // at rest
    const LONG middle = (homeA.top + homeA.bottom) / 2;
    const struct {
        LONG x, y;
        int liftA, liftB; // how far each button stands up and left afterwards
        const char* click;
    } steps[] = {
        {homeA.left + 10, middle, 5, 0, "A:OnCommand 9101 1 1"},
        {homeA.left + 13, middle + 3, 5, 0, "A:OnCommand 9101 1 1"}, // within A
        {homeB.left + 10, middle, 0, 5, "A:OnCommand 9102 1 1"},
        {(homeA.right + homeB.left) / 2, middle, 0, 0, nullptr}, // between them
        {homeA.left, homeA.top, 5, 0, "A:OnCommand 9101 1 1"},
        {homeB.right, homeB.bottom, 0, 0, nullptr},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(testing::Message() << step.x << "," << step.y);
        SendMessageW(m_page, WM_MOUSEMOVE, 0, MAKELPARAM(step.x, step.y));
        const RECT a = ButtonRect(IDC_TEST_BUTTON_A), b = ButtonRect(IDC_TEST_BUTTON_B);
        EXPECT_EQ(std::vector<LONG>(
                      {homeA.left - a.left, homeA.top - a.top, homeB.left - b.left, homeB.top - b.top}),
                  std::vector<LONG>({step.liftA, step.liftA, step.liftB, step.liftB}));
        g_log.clear();
        SendMessageW(m_page, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(step.x, step.y));
        EXPECT_EQ(g_log,
                  step.click != nullptr ? std::vector<std::string>{step.click} : std::vector<std::string>{});
    }
}

} // namespace
