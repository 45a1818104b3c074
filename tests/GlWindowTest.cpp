#include "app/GlWindow.h"

#include "app/ShowMessageBox.h"

#include <gtest/gtest.h>

#include <commctrl.h>

#include <GL/gl.h>

#include <cmath>
#include <initializer_list>
#include <numbers>
#include <string>
#include <vector>

namespace {

// One log for the handlers and the message boxes, so that tests see their order.
std::vector<std::string> g_log;
int g_boxAnswer = IDOK;
HWND g_createdWindow = nullptr; // the window of the last OnCreate

std::string Call(const char* name, std::initializer_list<long long> arguments) {
    std::string call = std::string(name) + "(";
    for (const long long argument : arguments) {
        if (call.back() != '(')
            call += ",";
        call += std::to_string(argument);
    }
    return call + ")";
}

std::string Narrow(const wchar_t* text) {
    std::string narrow;
    for (; *text != L'\0'; ++text)
        narrow += *text < 0x80 ? static_cast<char>(*text) : '?';
    return narrow;
}

int RecordBox(const wchar_t* text, const wchar_t* caption, unsigned int type) {
    g_log.push_back("Box(" + Narrow(caption) + ": " + Narrow(text) + " " + std::to_string(type) + ")");
    return g_boxAnswer;
}

constexpr unsigned int kErrorBox = MB_OK | MB_ICONEXCLAMATION;
constexpr unsigned int kShutdownBox = MB_OK | MB_ICONINFORMATION;

std::string Box(const char* caption, const char* text, unsigned int type) {
    return std::string("Box(") + caption + ": " + text + " " + std::to_string(type) + ")";
}

std::vector<std::string> LogEntriesStartingWith(std::initializer_list<const char*> prefixes) {
    std::vector<std::string> entries;
    for (const auto& entry : g_log)
        for (const char* prefix : prefixes)
            if (entry.starts_with(prefix))
                entries.push_back(entry);
    return entries;
}

const char* ContextState() {
    return wglGetCurrentContext() != nullptr ? "current" : "none";
}

// Logs every handler with the arguments the window procedure decoded for it, then does what the
// base does, so that the base behaviour stays observable.
class RecordingWindow : public GlWindow {
public:
    LRESULT createResult = 0;
    bool initialisationFails = false;
    int quitAfterFrames = -1; // DrawScene posts WM_QUIT with code 7 once this many frames are drawn
    int frames = 0;

    HWND Window() const { return m_hWnd; }
    HDC DeviceContext() const { return m_hDC; }

protected:
    LRESULT OnContextMenu(HWND clicked, int x, int y) override {
        g_log.push_back(Call("OnContextMenu", {reinterpret_cast<long long>(clicked), x, y}));
        return GlWindow::OnContextMenu(clicked, x, y);
    }
    LRESULT OnCtlColor(HDC dc, HWND control, int kind) override {
        g_log.push_back(Call("OnCtlColor", {kind}));
        return GlWindow::OnCtlColor(dc, control, kind);
    }
    LRESULT OnDrawItem(DRAWITEMSTRUCT* item) override {
        g_log.push_back(Call("OnDrawItem", {item->CtlID}));
        return GlWindow::OnDrawItem(item);
    }
    LRESULT OnDestroy() override {
        g_log.push_back(std::string("OnDestroy(") + (IsWindow(m_hWnd) ? "window" : "no window") + ")");
        return GlWindow::OnDestroy();
    }
    void OnKill() override { g_log.push_back(std::string("OnKill(") + ContextState() + ")"); }
    LRESULT OnRButtonDown(int flags, int x, int y) override {
        g_log.push_back(Call("OnRButtonDown", {flags, x, y}));
        return GlWindow::OnRButtonDown(flags, x, y);
    }
    LRESULT OnLButtonDown(int flags, int x, int y) override {
        g_log.push_back(Call("OnLButtonDown", {flags, x, y}));
        return GlWindow::OnLButtonDown(flags, x, y);
    }
    LRESULT OnMouseMove(int flags, int x, int y) override {
        g_log.push_back(Call("OnMouseMove", {flags, x, y}));
        return GlWindow::OnMouseMove(flags, x, y);
    }
    LRESULT OnNotify(NMHDR* header) override {
        g_log.push_back(
            Call("OnNotify", {static_cast<long long>(header->idFrom), static_cast<int>(header->code)}));
        return GlWindow::OnNotify(header);
    }
    LRESULT OnCommand(int id, int code, LPARAM lParam) override {
        g_log.push_back(Call("OnCommand", {id, code, lParam}));
        return GlWindow::OnCommand(id, code, lParam);
    }
    bool DrawScene() override {
        if (++frames == quitAfterFrames)
            PostQuitMessage(7);
        return GlWindow::DrawScene();
    }
    LRESULT OnCreate(HINSTANCE instance) override {
        g_createdWindow = m_hWnd;
        HDC dc = GetDC(m_hWnd);
        g_log.push_back(std::string("OnCreate(") +
                        (instance == GetModuleHandleW(nullptr) ? "module" : "other instance") +
                        ", pixel format " + std::to_string(GetPixelFormat(dc)) + ", " + ContextState() + ")");
        ReleaseDC(m_hWnd, dc);
        GlWindow::OnCreate(instance);
        return createResult;
    }
    bool InitGL() override {
        g_log.push_back(std::string("InitGL(") + ContextState() + ")");
        return GlWindow::InitGL() && !(initialisationFails && wglGetCurrentContext() != nullptr);
    }
    LRESULT OnClose(WPARAM wParam) override {
        g_log.push_back(Call("OnClose", {static_cast<long long>(wParam)}));
        return GlWindow::OnClose(wParam);
    }
    LRESULT OnActivate(int state, int minimised, LPARAM lParam) override {
        g_log.push_back(Call("OnActivate", {state, minimised}));
        return GlWindow::OnActivate(state, minimised, lParam);
    }
    LRESULT OnSysCommand(WPARAM command, LPARAM lParam) override {
        g_log.push_back(Call("OnSysCommand", {static_cast<long long>(command), lParam}));
        return GlWindow::OnSysCommand(command, lParam);
    }
    LRESULT OnSize(int type, int width, int height) override {
        g_log.push_back(Call("OnSize", {type, width, height}));
        return GlWindow::OnSize(type, width, height);
    }
    LRESULT OnKeyDown(int virtualKey) override {
        g_log.push_back(Call("OnKeyDown", {virtualKey}));
        return GlWindow::OnKeyDown(virtualKey);
    }
    LRESULT OnKeyUp(int virtualKey) override {
        g_log.push_back(Call("OnKeyUp", {virtualKey}));
        return GlWindow::OnKeyUp(virtualKey);
    }
};

// A fresh class name for every window: a refused full-screen switch leaves its class registered.
std::string NextClassName() {
    static int count = 0;
    return "OrvaneTestWindow" + std::to_string(++count);
}

void CALLBACK QuitFromTimer(HWND window, UINT, UINT_PTR timer, DWORD) {
    KillTimer(window, timer);
    PostQuitMessage(9);
}

constexpr UINT_PTR kTimeoutTimer = 1;
constexpr UINT_PTR kShortTimer = 2;

constexpr int kWidth = 320;
constexpr int kHeight = 200;

class GlWindowTest : public testing::Test {
protected:
    void SetUp() override {
        g_log.clear();
        g_boxAnswer = IDOK;
        m_previousBox = ReplaceMessageBox(RecordBox);
    }
    void TearDown() override {
        if (m_window.Window() != nullptr)
            m_window.DestroyGLWindow();
        MSG message;
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        }
        ReplaceMessageBox(m_previousBox);
    }

    bool Create() {
        m_className = NextClassName();
        return m_window.CreateGLWindow(m_className.c_str(), "Orvane Test", kWidth, kHeight, 16, false);
    }

    // A loop that never ends would hang the test run: after five seconds a timer ends it with 9.
    WPARAM RunLoop() {
        SetTimer(m_window.Window(), kTimeoutTimer, 5000, QuitFromTimer);
        const WPARAM code = m_window.RunMessageLoop();
        KillTimer(m_window.Window(), kTimeoutTimer);
        return code;
    }

    bool ClassRegistered() const {
        std::wstring name(m_className.begin(), m_className.end());
        WNDCLASSW windowClass;
        return GetClassInfoW(GetModuleHandleW(nullptr), name.c_str(), &windowClass) != 0;
    }

    RecordingWindow m_window;
    std::string m_className;
    MessageBoxFunction m_previousBox = nullptr;
};

TEST_F(GlWindowTest, RunsOnCreateBeforeThePixelFormatIsSetAndInitGLWithTheContextCurrent) {
    ASSERT_TRUE(Create());
    EXPECT_TRUE(LogEntriesStartingWith({"Box"}).empty());
    ASSERT_GE(g_log.size(), 4u);
    // Nothing reaches a handler before WM_CREATE; the base OnCreate runs InitGL with no context.
    EXPECT_EQ(g_log[0], "OnCreate(module, pixel format 0, none)");
    EXPECT_EQ(g_log[1], "InitGL(none)");
    EXPECT_EQ(g_log[g_log.size() - 2], Call("OnSize", {0, kWidth, kHeight}));
    EXPECT_EQ(g_log.back(), "InitGL(current)");

    // WM_NCCREATE went to DefWindowProc, which keeps the title.
    wchar_t title[64];
    GetWindowTextW(m_window.Window(), title, 64);
    EXPECT_STREQ(title, L"Orvane Test");

    RECT client;
    GetClientRect(m_window.Window(), &client);
    EXPECT_EQ(client.right, kWidth);
    EXPECT_EQ(client.bottom, kHeight);
    RECT frame;
    GetWindowRect(m_window.Window(), &frame);
    EXPECT_EQ(frame.left, 0);
    EXPECT_EQ(frame.top, 0);
    EXPECT_TRUE(IsWindowVisible(m_window.Window()));
    EXPECT_EQ(GetWindowLongW(m_window.Window(), GWL_STYLE) & (WS_POPUP | WS_CAPTION), WS_POPUP);

    PIXELFORMATDESCRIPTOR format;
    ASSERT_NE(DescribePixelFormat(m_window.DeviceContext(), GetPixelFormat(m_window.DeviceContext()),
                                  sizeof format, &format),
              0);
    const DWORD flags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_DOUBLEBUFFER;
    EXPECT_EQ(format.dwFlags & flags, flags);
    EXPECT_EQ(format.iPixelType, PFD_TYPE_RGBA);
    EXPECT_EQ(format.cDepthBits, 16);
}

TEST_F(GlWindowTest, DestroyKillsWithTheContextCurrentThenDestroysTheWindowAndItsClass) {
    ASSERT_TRUE(Create());
    const HWND window = m_window.Window();
    g_log.clear();
    m_window.DestroyGLWindow();
    EXPECT_EQ(LogEntriesStartingWith({"OnKill", "OnDestroy"}),
              (std::vector<std::string>{"OnKill(current)", "OnDestroy(window)"}));
    EXPECT_FALSE(IsWindow(window));
    EXPECT_EQ(m_window.Window(), nullptr);
    EXPECT_EQ(wglGetCurrentContext(), nullptr);
    EXPECT_FALSE(ClassRegistered());
}

TEST_F(GlWindowTest, AClassStillInUseIsReportedAsAShutdownError) {
    ASSERT_TRUE(Create());
    // Another window of the class keeps it from being unregistered. It binds to the object made
    // last, which is not the one under test.
    RecordingWindow other;
    const std::wstring className(m_className.begin(), m_className.end());
    const HWND second = CreateWindowExW(0, className.c_str(), L"second", WS_POPUP, 0, 0, 10, 10, nullptr,
                                        nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(second, nullptr);
    g_log.clear();
    m_window.DestroyGLWindow();
    EXPECT_EQ(LogEntriesStartingWith({"OnKill", "OnDestroy", "Box"}),
              (std::vector<std::string>{"OnKill(current)", "OnDestroy(window)",
                                        Box("SHUTDOWN ERROR", "Could Not Unregister Class.", kShutdownBox)}));
    DestroyWindow(second);
    EXPECT_TRUE(UnregisterClassW(className.c_str(), GetModuleHandleW(nullptr)));
}

enum class Fault {
    ClassTaken,
    CreateRefused,
    InitialisationFails,
    WindowedModeRefused,
    WindowedModeAccepted
};

TEST_F(GlWindowTest, FailuresReleaseWhatWasMadeBeforeTheirBoxAndReturnFalse) {
    const std::string question = Box("Lumen GL",
                                     "The Requested Fullscreen Mode Is Not Supported By\n"
                                     "Your Video Card. Use Windowed Mode Instead?",
                                     MB_YESNO | MB_ICONEXCLAMATION);
    const std::string created = "OnCreate(module, pixel format 0, none)";
    const struct {
        Fault fault;
        bool result;
        std::vector<std::string> log; // OnCreate, OnKill and the boxes, in order
        bool classRegisteredAfter;
    } cases[] = {
        {Fault::ClassTaken, false, {Box("ERROR", "Failed To Register The Window Class.", kErrorBox)}, true},
        {Fault::CreateRefused,
         false,
         {created, "OnKill(none)", Box("ERROR", "Window Creation Error.", kErrorBox)},
         false},
        {Fault::InitialisationFails,
         false,
         {created, "OnKill(current)", Box("ERROR", "Initialization Failed.", kErrorBox)},
         false},
        // No window is made, and the class stays registered.
        {Fault::WindowedModeRefused,
         false,
         {question, Box("ERROR", "Program Will Now Close.", MB_OK | MB_ICONSTOP)},
         true},
        {Fault::WindowedModeAccepted, true, {question, created}, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.fault));
        g_log.clear();
        g_createdWindow = nullptr;
        g_boxAnswer = c.fault == Fault::WindowedModeAccepted ? IDYES : IDNO;
        const std::string className = NextClassName();
        const std::wstring wideName(className.begin(), className.end());
        if (c.fault == Fault::ClassTaken) {
            WNDCLASSW taken = {};
            taken.lpfnWndProc = DefWindowProcW;
            taken.hInstance = GetModuleHandleW(nullptr);
            taken.lpszClassName = wideName.c_str();
            ASSERT_NE(RegisterClassW(&taken), 0);
        }
        RecordingWindow window;
        window.createResult = c.fault == Fault::CreateRefused ? -1 : 0;
        window.initialisationFails = c.fault == Fault::InitialisationFails;
        const bool fullScreen =
            c.fault == Fault::WindowedModeRefused || c.fault == Fault::WindowedModeAccepted;
        // No display of 1234 by 567 exists, so the switch to full screen fails.
        EXPECT_EQ(window.CreateGLWindow(className.c_str(), "Failing", 1234, 567, 16, fullScreen), c.result);
        EXPECT_EQ(LogEntriesStartingWith({"OnCreate", "OnKill", "Box"}), c.log);
        EXPECT_EQ(window.Window() != nullptr, c.result);
        if (!c.result) {
            EXPECT_FALSE(IsWindow(g_createdWindow));
        }
        WNDCLASSW found;
        EXPECT_EQ(GetClassInfoW(GetModuleHandleW(nullptr), wideName.c_str(), &found) != 0,
                  c.classRegisteredAfter);
        if (c.result)
            window.DestroyGLWindow();
        else if (c.classRegisteredAfter)
            UnregisterClassW(wideName.c_str(), GetModuleHandleW(nullptr));
    }
}

TEST_F(GlWindowTest, DecodesEachMessageForItsHandler) {
    ASSERT_TRUE(Create());
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
        {WM_CONTEXTMENU, reinterpret_cast<WPARAM>(someWindow), MAKELPARAM(0xFFFD, 40),
         "OnContextMenu(4660,-3,40)"},
        {WM_CTLCOLORMSGBOX, 0, 0, "OnCtlColor(0)"},
        {WM_CTLCOLOREDIT, 0, 0, "OnCtlColor(1)"},
        {WM_CTLCOLORLISTBOX, 0, 0, "OnCtlColor(2)"},
        {WM_CTLCOLORBTN, 0, 0, "OnCtlColor(3)"},
        {WM_CTLCOLORDLG, 0, 0, "OnCtlColor(4)"},
        {WM_CTLCOLORSCROLLBAR, 0, 0, "OnCtlColor(5)"},
        {WM_CTLCOLORSTATIC, 0, 0, "OnCtlColor(6)"},
        {WM_DRAWITEM, 100, reinterpret_cast<LPARAM>(&item), "OnDrawItem(100)"},
        {WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(10, 20), "OnRButtonDown(2,10,20)"},
        {WM_LBUTTONDOWN, MK_LBUTTON | MK_SHIFT, MAKELPARAM(499, 550), "OnLButtonDown(5,499,550)"},
        {WM_MOUSEMOVE, 0, MAKELPARAM(0xFFFF, 7), "OnMouseMove(0,-1,7)"},
        {WM_NOTIFY, 100, reinterpret_cast<LPARAM>(&header), "OnNotify(100,-5)"},
        {WM_COMMAND, MAKEWPARAM(40009, 1), 85, "OnCommand(40009,1,85)"},
        {WM_HOTKEY, 1001, MAKELPARAM(0, VK_F6), "OnCommand(1001,0,0)"},
        {WM_ACTIVATE, MAKEWPARAM(WA_CLICKACTIVE, 0), 0, "OnActivate(2,0)"},
        {WM_SIZE, SIZE_RESTORED, MAKELPARAM(640, 480), "OnSize(0,640,480)"},
        {WM_KEYDOWN, 'A', 0x001E0001, "OnKeyDown(65)"},
        {WM_KEYUP, 'A', static_cast<LPARAM>(0xC01E0001), "OnKeyUp(65)"},
        {WM_MBUTTONDOWN, MK_MBUTTON, MAKELPARAM(3, 4), ""},
        {WM_KILLFOCUS, 0, 0, ""},
    };
    for (const auto& c : cases) {
        g_log.clear();
        SendMessageW(m_window.Window(), c.message, c.wParam, c.lParam);
        EXPECT_EQ(g_log, *c.call != '\0' ? std::vector<std::string>{c.call} : std::vector<std::string>{})
            << "message 0x" << std::hex << c.message;
    }
}

TEST_F(GlWindowTest, SuppressesTheScreenSaverAndMonitorPowerOffAndPassesOtherSystemCommandsOn) {
    ASSERT_TRUE(Create());
    const HWND window = m_window.Window();
    EXPECT_EQ(SendMessageW(window, WM_SYSCOMMAND, SC_SCREENSAVE, 0), 0);
    EXPECT_EQ(SendMessageW(window, WM_SYSCOMMAND, SC_MONITORPOWER, 2), 0);
    EXPECT_EQ(LogEntriesStartingWith({"OnSysCommand"}),
              (std::vector<std::string>{Call("OnSysCommand", {SC_SCREENSAVE, 0}),
                                        Call("OnSysCommand", {SC_MONITORPOWER, 2})}));
    EXPECT_FALSE(IsIconic(window));
    SendMessageW(window, WM_SYSCOMMAND, SC_MINIMIZE, 0);
    EXPECT_TRUE(IsIconic(window));
}

TEST_F(GlWindowTest, SizeSetsViewportAndPerspectiveWithAZeroHeightTakenAsOne) {
    ASSERT_TRUE(Create());
    const struct {
        int width;
        int height;
        int viewportHeight;
        double aspect;
    } cases[] = {
        {800, 600, 600, 800.0 / 600},
        {640, 0, 1, 640.0},
        {300, 1, 1, 300.0},
        {100, 400, 400, 0.25},
    };
    const double focal = 1.0 / std::tan(std::numbers::pi / 8); // half of 45 degrees
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.width << "x" << c.height);
        SendMessageW(m_window.Window(), WM_SIZE, SIZE_RESTORED, MAKELPARAM(c.width, c.height));
        GLint viewport[4];
        glGetIntegerv(GL_VIEWPORT, viewport);
        EXPECT_EQ(viewport[2], c.width);
        EXPECT_EQ(viewport[3], c.viewportHeight);
        GLdouble projection[16];
        glGetDoublev(GL_PROJECTION_MATRIX, projection);
        EXPECT_NEAR(projection[5], focal, 1e-6 * focal);
        // OpenGL keeps its matrices in single precision.
        EXPECT_NEAR(projection[5] / projection[0], c.aspect, 1e-6 * c.aspect);
        EXPECT_NEAR(projection[10], -(100.0 + 0.1) / (100.0 - 0.1), 1e-6);
        GLint mode;
        glGetIntegerv(GL_MATRIX_MODE, &mode);
        EXPECT_EQ(mode, GL_MODELVIEW);
    }
}

TEST_F(GlWindowTest, DefaultControlColoursAreGreenOnDarkGreyWithOneKeptBrush) {
    ASSERT_TRUE(Create());
    HDC dc = CreateCompatibleDC(nullptr);
    const auto first = reinterpret_cast<HBRUSH>(
        SendMessageW(m_window.Window(), WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), 0));
    EXPECT_EQ(GetTextColor(dc), RGB(0, 255, 0));
    EXPECT_EQ(GetBkColor(dc), RGB(64, 64, 64));
    LOGBRUSH brush;
    ASSERT_EQ(GetObjectW(first, sizeof brush, &brush), static_cast<int>(sizeof brush));
    EXPECT_EQ(brush.lbColor, RGB(64, 64, 64));
    EXPECT_EQ(reinterpret_cast<HBRUSH>(
                  SendMessageW(m_window.Window(), WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(dc), 0)),
              first);
    DeleteDC(dc);
}

TEST_F(GlWindowTest, CloseAsksToQuitAndKeepsTheWindow) {
    ASSERT_TRUE(Create());
    EXPECT_EQ(SendMessageW(m_window.Window(), WM_CLOSE, 0, 0), 0);
    EXPECT_TRUE(IsWindow(m_window.Window()));
    MSG quit;
    ASSERT_TRUE(PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(quit.wParam, 0u);
}

TEST_F(GlWindowTest, LoopDrawsAFramePerIdlePassUntilQuitAndReturnsTheQuitCode) {
    ASSERT_TRUE(Create());
    m_window.quitAfterFrames = 3;
    EXPECT_EQ(RunLoop(), 7u);
    EXPECT_EQ(m_window.frames, 3);
}

TEST_F(GlWindowTest, HoldingEscapeEndsTheLoopBeforeTheNextFrame) {
    ASSERT_TRUE(Create());
    PostMessageW(m_window.Window(), WM_KEYDOWN, VK_ESCAPE, 0x00010001);
    EXPECT_NE(RunLoop(), 9u);
    EXPECT_EQ(m_window.frames, 0);

    // Released, it no longer ends the loop.
    PostMessageW(m_window.Window(), WM_KEYUP, VK_ESCAPE, static_cast<LPARAM>(0xC0010001));
    m_window.quitAfterFrames = 2;
    EXPECT_EQ(RunLoop(), 7u);
    EXPECT_EQ(m_window.frames, 2);
}

TEST_F(GlWindowTest, MinimisedWindowDrawsNothingUntilRestored) {
    ASSERT_TRUE(Create());
    const HWND window = m_window.Window();
    const struct {
        const char* name;
        UINT message;
        WPARAM minimise;
        WPARAM restore;
    } routes[] = {
        {"deactivated while minimised", WM_ACTIVATE, MAKEWPARAM(WA_INACTIVE, 1), MAKEWPARAM(WA_ACTIVE, 0)},
        {"system menu", WM_SYSCOMMAND, SC_MINIMIZE, SC_RESTORE},
    };
    for (const auto& route : routes) {
        SCOPED_TRACE(route.name);
        SendMessageW(window, route.message, route.minimise, 0);
        m_window.frames = 0;
        m_window.quitAfterFrames = -1;
        // The loop polls for a tenth of a second with nothing to do.
        SetTimer(window, kShortTimer, 100, QuitFromTimer);
        EXPECT_EQ(m_window.RunMessageLoop(), 9u);
        EXPECT_EQ(m_window.frames, 0);

        SendMessageW(window, route.message, route.restore, 0);
        m_window.quitAfterFrames = 2;
        EXPECT_EQ(RunLoop(), 7u);
        EXPECT_EQ(m_window.frames, 2);
    }
}

} // namespace
