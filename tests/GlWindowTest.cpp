#include "win/GlWindow.h"

#include "win/ShowMessageBox.h"

#include <gtest/gtest.h>

#include <GL/gl.h>

#include <cmath>
#include <initializer_list>
#include <numbers>
#include <string>
#include <vector>

namespace {

// One log for the handlers and the message boxes, so that tests see their order.
std::vector<std::string> g_log;

LRESULT Log(std::string call, std::initializer_list<long long> arguments = {}) {
    for (const long long argument : arguments)
        call += ' ' + std::to_string(argument);
    g_log.push_back(call);
    return 0;
}

int RecordBox(HWND, const wchar_t* text, const wchar_t*, UINT) {
    Log("Box " + std::string(text, text + std::wcslen(text)));
    return IDOK;
}

// Logs the handlers whose base does nothing with the arguments the window procedure decoded for
// them; the others show what they do. The decoding that the end-to-end tests see work (buttons, list
// drawing and notices, commands and hot keys) is left to them.
class RecordingWindow : public GlWindow {
public:
    enum { NoFault, CreateRefused, InitFails } fault = NoFault;
    int quitAfterFrames = -1; // DrawScene posts WM_QUIT with code 7 once this many frames are drawn
    int frames = 0;

    HWND Window() const { return m_hWnd; }
    static std::string Context() { return wglGetCurrentContext() != nullptr ? " current" : " none"; }

protected:
    LRESULT OnContextMenu(HWND w, int x, int y) override {
        return Log("Menu", {reinterpret_cast<LONG_PTR>(w), x, y});
    }
    LRESULT OnCtlColor(HDC, HWND, int kind) override { return Log("CtlColor", {kind}); }
    LRESULT OnDestroy() override { return Log(IsWindow(m_hWnd) ? "OnDestroy window" : "OnDestroy"); }
    void OnKill() override { Log("OnKill" + Context()); }
    LRESULT OnMouseMove(int flags, int x, int y) override { return Log("Move", {flags, x, y}); }
    bool DrawScene() override {
        if (++frames == quitAfterFrames)
            PostQuitMessage(7);
        return true;
    }
    LRESULT OnCreate(HINSTANCE instance) override {
        Log("OnCreate" + Context(), {GetPixelFormat(GetDC(m_hWnd))}); // the class's own DC
        GlWindow::OnCreate(instance);
        return fault == CreateRefused ? -1 : 0;
    }
    bool InitGL() override {
        Log("InitGL" + Context());
        return GlWindow::InitGL() && !(fault == InitFails && wglGetCurrentContext() != nullptr);
    }
};

void CALLBACK QuitFromTimer(HWND window, UINT, UINT_PTR timer, DWORD) {
    KillTimer(window, timer);
    PostQuitMessage(9);
}

class GlWindowTest : public testing::Test {
protected:
    void SetUp() override {
        g_log.clear();
        m_previousBox = ReplaceMessageBox(RecordBox);
        ASSERT_TRUE(m_window.CreateGLWindow("OrvaneTestWindow", "Orvane Test", 320, 200, 16, false));
    }
    void TearDown() override {
        if (m_window.Window() != nullptr)
            m_window.DestroyGLWindow();
        ReplaceMessageBox(m_previousBox);
    }

    // The loop, ended with 9 by a timer of the thread after `timeout` milliseconds.
    WPARAM RunLoop(int quitAfterFrames, UINT timeout = 5000) {
        m_window.frames = 0;
        m_window.quitAfterFrames = quitAfterFrames;
        const UINT_PTR timer = SetTimer(nullptr, 0, timeout, QuitFromTimer);
        const WPARAM code = m_window.RunMessageLoop();
        KillTimer(nullptr, timer);
        return code;
    }

    RecordingWindow m_window;
    MessageBoxFunction m_previousBox = nullptr;
};

TEST_F(GlWindowTest, RunsOnCreateBeforeThePixelFormatIsSetAndTearsDownWithTheContextCurrent) {
    // The base OnCreate runs InitGL with no context yet; the one after creation has it.
    EXPECT_EQ(g_log, (std::vector<std::string>{"OnCreate none 0", "InitGL none", "InitGL current"}));

    // A window squeezed to no height gets the viewport and 45-degree perspective of one line.
    SendMessageW(m_window.Window(), WM_SIZE, SIZE_RESTORED, MAKELPARAM(640, 0));
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    EXPECT_EQ(std::vector<GLint>(viewport + 2, viewport + 4), std::vector<GLint>({640, 1}));
    GLdouble projection[16];
    glGetDoublev(GL_PROJECTION_MATRIX, projection);
    EXPECT_NEAR(projection[5], 1 / std::tan(std::numbers::pi / 8), 1e-5); // half of 45 degrees
    EXPECT_NEAR(projection[5] / projection[0], 640, 1e-3);

    // OnKill with the context still current, then the window and its class.
    g_log.clear();
    m_window.DestroyGLWindow();
    EXPECT_EQ(g_log, (std::vector<std::string>{"OnKill current", "OnDestroy window"}));
    EXPECT_EQ(wglGetCurrentContext(), nullptr);
    WNDCLASSA found;
    EXPECT_FALSE(GetClassInfoA(GetModuleHandleW(nullptr), "OrvaneTestWindow", &found));
}

TEST_F(GlWindowTest, FailuresReleaseWhatWasMadeBeforeTheirBoxAndReturnFalse) {
    const std::string created = "OnCreate none 0", initialised = "InitGL none";
    const std::vector<std::string> logs[] = {
        {created, initialised, "OnKill none", "Box Window Creation Error."},
        {created, initialised, "InitGL current", "OnKill current", "OnDestroy window",
         "Box Initialization Failed."},
    };
    wglMakeCurrent(nullptr, nullptr); // the fixture's window's
    for (const auto fault : {RecordingWindow::CreateRefused, RecordingWindow::InitFails}) {
        g_log.clear();
        RecordingWindow window;
        window.fault = fault;
        // The class is released too, or the next case could not register it again.
        EXPECT_FALSE(window.CreateGLWindow("OrvaneFailing", "Failing", 320, 200, 16, false));
        EXPECT_EQ(g_log, logs[fault - 1]);
    }
}

TEST_F(GlWindowTest, DecodesSignedPointsAndTheControlKindForTheirHandlers) {
    const struct {
        UINT message;
        WPARAM wParam;
        LPARAM lParam;
        const char* call; // "" when no handler may be called
    } cases[] = {
        {WM_CONTEXTMENU, 0x1234, MAKELPARAM(0xFFFD, 40), "Menu 4660 -3 40"},
        {WM_CTLCOLORSTATIC, 0, 0, "CtlColor 6"},
        {WM_MOUSEMOVE, 0, MAKELPARAM(0xFFFF, 7), "Move 0 -1 7"},
        {WM_MBUTTONDOWN, MK_MBUTTON, MAKELPARAM(3, 4), ""},
    };
    for (const auto& c : cases) {
        g_log.clear();
        SendMessageW(m_window.Window(), c.message, c.wParam, c.lParam);
        EXPECT_EQ(g_log, *c.call != '\0' ? std::vector<std::string>{c.call} : std::vector<std::string>{})
            << "message 0x" << std::hex << c.message;
    }
}

std::vector<WPARAM> g_defaultSysCommands;

LRESULT CALLBACK RecordSysCommand(int code, WPARAM wParam, LPARAM lParam) {
    if (code == HCBT_SYSCOMMAND)
        g_defaultSysCommands.push_back(wParam);
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

TEST_F(GlWindowTest, KeepsTheScreenSaverAndMonitorPowerOffFromTheDefaultHandling) {
    // The default handling of a system command calls the thread's CBT hook first.
    const HHOOK hook = SetWindowsHookExW(WH_CBT, RecordSysCommand, nullptr, GetCurrentThreadId());
    for (const WPARAM command : {SC_SCREENSAVE, SC_MONITORPOWER, SC_SCREENSAVE | 2, SC_MINIMIZE})
        SendMessageW(m_window.Window(), WM_SYSCOMMAND, command, 2);
    UnhookWindowsHookEx(hook);
    EXPECT_EQ(g_defaultSysCommands, std::vector<WPARAM>{SC_MINIMIZE});
}

TEST_F(GlWindowTest, LoopDrawsUntilQuitOrCloseStopsWhileEscapeIsHeldAndWhileMinimised) {
    EXPECT_EQ(RunLoop(3), 7u);
    PostMessageW(m_window.Window(), WM_KEYDOWN, VK_ESCAPE, 0x00010001);
    EXPECT_NE(RunLoop(3), 9u);
    EXPECT_EQ(m_window.frames, 0);
    PostMessageW(m_window.Window(), WM_KEYUP, VK_ESCAPE, static_cast<LPARAM>(0xC0010001));
    EXPECT_EQ(RunLoop(3), 7u);

    // Deactivated while minimised, or minimised from the system menu: a tenth of a second passes
    // without a frame, until restored.
    const struct {
        UINT message;
        WPARAM minimise, restore;
    } routes[] = {{WM_ACTIVATE, MAKEWPARAM(WA_INACTIVE, 1), WA_ACTIVE},
                  {WM_SYSCOMMAND, SC_MINIMIZE, SC_RESTORE}};
    for (const auto& route : routes) {
        SendMessageW(m_window.Window(), route.message, route.minimise, 0);
        EXPECT_EQ(RunLoop(-1, 100), 9u);
        EXPECT_EQ(m_window.frames, 0) << route.message;
        SendMessageW(m_window.Window(), route.message, route.restore, 0);
        EXPECT_EQ(RunLoop(2), 7u);
    }

    // Closing asks to quit with 0 and keeps the window.
    PostMessageW(m_window.Window(), WM_CLOSE, 0, 0);
    EXPECT_EQ(RunLoop(-1), 0u);
    EXPECT_TRUE(IsWindow(m_window.Window()));
}

} // namespace
