#include "win/GlWindow.h"

#include "win/GbkText.h"
#include "win/GdiObject.h"
#include "win/Palette.h"
#include "win/WindowProjection.h"
#include "win/ShowMessageBox.h"
#include "win/WindowTable.h"

#include <mmsystem.h>
#include <windowsx.h>

#include <GL/gl.h>
#include <GL/glu.h>

#include <cstring>
#include <string>

namespace {

constexpr BYTE kDepthBits = 16;

constexpr DWORD kIdleWaitMilliseconds = 100;

constexpr const wchar_t* kErrorCaption = L"ERROR";
constexpr const wchar_t* kShutdownCaption = L"SHUTDOWN ERROR";

WindowTable<HWND, GlWindow>& Windows() {
    static WindowTable<HWND, GlWindow> windows;
    return windows;
}

// The window procedure binds a new window to the object constructed last, at WM_CREATE.
GlWindow* g_lastConstructed = nullptr;

PIXELFORMATDESCRIPTOR PixelFormatFor(int colourBits) {
    PIXELFORMATDESCRIPTOR descriptor = {};
    descriptor.nSize = sizeof descriptor;
    descriptor.nVersion = 1;
    descriptor.dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_DOUBLEBUFFER;
    descriptor.iPixelType = PFD_TYPE_RGBA;
    descriptor.cColorBits = static_cast<BYTE>(colourBits);
    descriptor.cDepthBits = kDepthBits;
    descriptor.iLayerType = PFD_MAIN_PLANE;
    return descriptor;
}

// A function of a WGL extension, or null where the driver does not offer it.
template <typename Function>
Function WglFunction(const char* name) {
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(wglGetProcAddress(name)));
}

// Where the driver offers adaptive synchronisation, a swap waits for the display unless the frame
// is already late. A plain swap interval of 1 is not asked for: under Wine on a virtual display
// every frame slower than the refresh waits for the next one, which took 52 graphs from 15 to 10
// frames a second; the main loop's own pacing holds the rate at 60 instead.
void UseAdaptiveSwapInterval(HDC dc) {
    using ExtensionsString = const char*(WINAPI*)(HDC);
    using SwapInterval = BOOL(WINAPI*)(int);
    const auto extensions = WglFunction<ExtensionsString>("wglGetExtensionsStringARB");
    const auto swapInterval = WglFunction<SwapInterval>("wglSwapIntervalEXT");
    const char* names = extensions != nullptr ? extensions(dc) : nullptr;
    if (swapInterval != nullptr && names != nullptr &&
        std::strstr(names, "WGL_EXT_swap_control_tear") != nullptr)
        swapInterval(-1);
}

void ShowShutdownError(const wchar_t* text) {
    ShowMessageBox(nullptr, text, kShutdownCaption, MB_OK | MB_ICONINFORMATION);
}

} // namespace

GlWindow::GlWindow() : m_hInstance(GetModuleHandleW(nullptr)) {
    g_lastConstructed = this;
}

GlWindow::~GlWindow() {
    // A window that outlives its object falls back to DefWindowProc instead of reaching it.
    if (m_hWnd != nullptr)
        Windows().Remove(m_hWnd);
    if (g_lastConstructed == this)
        g_lastConstructed = nullptr;
}

bool GlWindow::CreateGLWindow(const char* className, const char* title, int width, int height, int bits,
                              bool fullScreen) {
    // A name too long for the buffer is cut short; registration and creation both use the copy.
    // Class names and titles are written in our UTF-8 sources; the window API takes UTF-16.
    lstrcpynW(m_className, MultiByteToWide(className, CP_UTF8).c_str(), kClassNameSize);
    m_keys.fill(false);
    m_fullScreen = fullScreen;
    m_hInstance = GetModuleHandleW(nullptr);

    WNDCLASSW windowClass = {};
    windowClass.style = CS_HREDRAW | CS_VREDRAW | CS_OWNDC;
    windowClass.lpfnWndProc = WindowProc;
    windowClass.hInstance = m_hInstance;
    windowClass.hIcon = LoadIconW(nullptr, IDI_WINLOGO);
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.lpszClassName = m_className;
    if (RegisterClassW(&windowClass) == 0) {
        ShowMessageBox(nullptr, L"Failed To Register The Window Class.", kErrorCaption,
                       MB_OK | MB_ICONEXCLAMATION);
        return false;
    }

    if (m_fullScreen && !SwitchToFullScreen(width, height, bits)) {
        if (ShowMessageBox(nullptr,
                           L"The Requested Fullscreen Mode Is Not Supported By\nYour Video Card. Use "
                           L"Windowed Mode Instead?",
                           L"Lumen GL", MB_YESNO | MB_ICONEXCLAMATION) != IDYES) {
            ShowMessageBox(nullptr, L"Program Will Now Close.", kErrorCaption, MB_OK | MB_ICONSTOP);
            return false;
        }
        m_fullScreen = false;
    }
    if (m_fullScreen)
        ShowCursor(FALSE);

    RECT frame = {0, 0, width, height};
    AdjustWindowRectEx(&frame, WS_POPUP, FALSE, WS_EX_APPWINDOW);
    // WM_CREATE, and with it OnCreate, runs inside this call: the subclass makes its child windows
    // there, before the pixel format is set. Under Wine a window without children at that moment
    // never shows the GDI children it gets later.
    m_hWnd = CreateWindowExW(WS_EX_APPWINDOW, m_className, MultiByteToWide(title, CP_UTF8).c_str(),
                             WS_POPUP | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, 0, 0, frame.right - frame.left,
                             frame.bottom - frame.top, nullptr, nullptr, m_hInstance, nullptr);
    if (m_hWnd == nullptr)
        return FailCreation(L"Window Creation Error.");

    m_hDC = GetDC(m_hWnd);
    if (m_hDC == nullptr)
        return FailCreation(L"Can't CreateGLWindow A GL Device Context.");
    const PIXELFORMATDESCRIPTOR descriptor = PixelFormatFor(bits);
    const int pixelFormat = ChoosePixelFormat(m_hDC, &descriptor);
    if (pixelFormat == 0)
        return FailCreation(L"Can't Find A Suitable PixelFormat.");
    if (!SetPixelFormat(m_hDC, pixelFormat, &descriptor))
        return FailCreation(L"Can't Set The PixelFormat.");
    m_hRC = wglCreateContext(m_hDC);
    if (m_hRC == nullptr)
        return FailCreation(L"Can't CreateGLWindow A GL Rendering Context.");
    if (!wglMakeCurrent(m_hDC, m_hRC))
        return FailCreation(L"Can't Activate The GL Rendering Context.");
    UseAdaptiveSwapInterval(m_hDC);
    ShowWindow(m_hWnd, SW_SHOW);
    SetForegroundWindow(m_hWnd);
    SetFocus(m_hWnd);
    OnSize(0, width, height);
    if (!InitGL())
        return FailCreation(L"Initialization Failed.");
    return true;
}

bool GlWindow::SwitchToFullScreen(int width, int height, int bits) const {
    DEVMODEW mode = {};
    mode.dmSize = sizeof mode;
    mode.dmPelsWidth = static_cast<DWORD>(width);
    mode.dmPelsHeight = static_cast<DWORD>(height);
    mode.dmBitsPerPel = static_cast<DWORD>(bits);
    mode.dmFields = DM_BITSPERPEL | DM_PELSWIDTH | DM_PELSHEIGHT;
    return ChangeDisplaySettingsW(&mode, CDS_FULLSCREEN) == DISP_CHANGE_SUCCESSFUL;
}

bool GlWindow::FailCreation(const wchar_t* text) {
    DestroyGLWindow();
    ShowMessageBox(nullptr, text, kErrorCaption, MB_OK | MB_ICONEXCLAMATION);
    return false;
}

void GlWindow::DestroyGLWindow() {
    if (m_fullScreen) {
        ChangeDisplaySettingsW(nullptr, 0);
        ShowCursor(TRUE);
        m_fullScreen = false;
    }
    OnKill();
    if (m_hRC != nullptr) {
        if (!wglMakeCurrent(nullptr, nullptr))
            ShowShutdownError(L"Release Of DC And RC Failed.");
        if (!wglDeleteContext(m_hRC))
            ShowShutdownError(L"Release Rendering Context Failed.");
        m_hRC = nullptr;
    }
    if (m_hDC != nullptr) {
        if (!ReleaseDC(m_hWnd, m_hDC))
            ShowShutdownError(L"Release Device Context Failed.");
        m_hDC = nullptr;
    }
    if (m_hWnd != nullptr) {
        if (!DestroyWindow(m_hWnd))
            ShowShutdownError(L"Could Not Release m_hWnd.");
        m_hWnd = nullptr;
    }
    if (!UnregisterClassW(m_className, m_hInstance)) {
        ShowShutdownError(L"Could Not Unregister Class.");
        m_hInstance = nullptr;
    }
}

WPARAM GlWindow::RunMessageLoop() {
    // Waits of a few milliseconds need the system timer at its finest; the default tick of
    // about 15.6 ms would hold the loop near 30 frames a second.
    const bool fineTimer = timeBeginPeriod(1) == TIMERR_NOERROR;
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    const auto now = [&frequency] {
        LARGE_INTEGER counter;
        QueryPerformanceCounter(&counter);
        return static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
    };
    WPARAM lastWParam = 0;
    for (;;) {
        MSG message;
        if (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            lastWParam = message.wParam;
            if (message.message == WM_QUIT)
                break;
            if (PreTranslateMessage(message))
                continue;
            TranslateMessage(&message);
            DispatchMessageW(&message);
            continue;
        }
        // Minimised: sleep until a message comes, looking again now and then. Under Wine without
        // a window manager, minimising sends no WM_ACTIVATE, so the window's own state is asked.
        if (!m_active || IsIconic(m_hWnd)) {
            MsgWaitForMultipleObjects(0, nullptr, FALSE, kIdleWaitMilliseconds, QS_ALLINPUT);
            continue;
        }
        if (m_keys[VK_ESCAPE])
            break;
        // Between frames the loop sleeps, waking at once for input.
        if (const int wait = m_pacer.MillisecondsToWait(now()); wait > 0) {
            MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(wait), QS_ALLINPUT);
            continue;
        }
        m_pacer.FrameStarted(now());
        DrawScene();
        SwapBuffers(m_hDC);
    }
    if (fineTimer)
        timeEndPeriod(1);
    return lastWParam;
}

void GlWindow::ResizeScene(int width, int height) {
    // A window squeezed to no height still gets a finite aspect.
    if (height == 0)
        height = 1;
    glViewport(0, 0, width, height);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(kFieldOfView, static_cast<GLdouble>(width) / height, kNearPlane, kFarPlane);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
}

LRESULT GlWindow::OnContextMenu(HWND, int, int) {
    return 0;
}

LRESULT GlWindow::OnCtlColor(HDC dc, HWND, int) {
    // Made on first use and shared by every control for the whole run.
    static const GdiObject<HBRUSH> background(CreateSolidBrush(kPanelBoxBackground));
    SetTextColor(dc, kPanelText);
    SetBkColor(dc, kPanelBoxBackground);
    return reinterpret_cast<LRESULT>(background.Get());
}

LRESULT GlWindow::OnDrawItem(DRAWITEMSTRUCT*) {
    return 0;
}

LRESULT GlWindow::OnDestroy() {
    return 0;
}

void GlWindow::OnKill() {}

LRESULT GlWindow::OnRButtonDown(int, int, int) {
    return 0;
}

LRESULT GlWindow::OnLButtonDown(int, int, int) {
    return 0;
}

LRESULT GlWindow::OnMouseMove(int, int, int) {
    return 0;
}

LRESULT GlWindow::OnNotify(NMHDR*) {
    return 0;
}

LRESULT GlWindow::OnCommand(int, int, LPARAM) {
    return 0;
}

bool GlWindow::DrawScene() {
    return true;
}

LRESULT GlWindow::OnCreate(HINSTANCE) {
    InitGL();
    return 0;
}

bool GlWindow::InitGL() {
    glShadeModel(GL_SMOOTH);
    glClearColor(0.0f, 0.0f, 0.0f, 0.0f);
    glClearDepth(1.0);
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LEQUAL);
    glHint(GL_PERSPECTIVE_CORRECTION_HINT, GL_NICEST);
    return true;
}

LRESULT GlWindow::OnClose(WPARAM) {
    PostQuitMessage(0);
    return 0;
}

LRESULT GlWindow::OnActivate(int, int minimised, LPARAM) {
    m_active = minimised == 0;
    return 0;
}

LRESULT GlWindow::OnSysCommand(WPARAM command, LPARAM lParam) {
    // The screen saver and the monitor's power-off would interrupt a running scene. The low four
    // bits of the command are the system's own.
    switch (command & 0xFFF0) {
    case SC_SCREENSAVE:
    case SC_MONITORPOWER:
        return 0;
    default:
        return DefWindowProcW(m_hWnd, WM_SYSCOMMAND, command, lParam);
    }
}

LRESULT GlWindow::OnSize(int, int width, int height) {
    ResizeScene(width, height);
    return 0;
}

LRESULT GlWindow::OnKeyDown(int virtualKey) {
    if (virtualKey >= 0 && virtualKey < kKeyCount)
        m_keys[static_cast<std::size_t>(virtualKey)] = true;
    return 0;
}

LRESULT GlWindow::OnKeyUp(int virtualKey) {
    if (virtualKey >= 0 && virtualKey < kKeyCount)
        m_keys[static_cast<std::size_t>(virtualKey)] = false;
    return 0;
}

bool GlWindow::PreTranslateMessage(MSG&) {
    return false;
}

LRESULT CALLBACK GlWindow::WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    GlWindow* object = Windows().Find(window);
    if (object == nullptr) {
        // Messages before WM_CREATE, WM_NCCREATE among them, get the default handling.
        if (message != WM_CREATE || g_lastConstructed == nullptr)
            return DefWindowProcW(window, message, wParam, lParam);
        Windows().Add(window, g_lastConstructed);
        object = Windows().Find(window);
        object->m_hWnd = window;
        return object->OnCreate(reinterpret_cast<const CREATESTRUCTW*>(lParam)->hInstance);
    }
    if (message == WM_NCDESTROY) {
        // The last message of the window: a later window with a reused handle starts unbound.
        Windows().Remove(window);
        object->m_hWnd = nullptr;
        return DefWindowProcW(window, message, wParam, lParam);
    }
    return object->HandleMessage(message, wParam, lParam);
}

LRESULT GlWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC)
        return OnCtlColor(reinterpret_cast<HDC>(wParam), reinterpret_cast<HWND>(lParam),
                          static_cast<int>(message - WM_CTLCOLORMSGBOX));
    const int flags = static_cast<int>(wParam);
    switch (message) {
    case WM_CONTEXTMENU:
        return OnContextMenu(reinterpret_cast<HWND>(wParam), GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
    case WM_DRAWITEM:
        return OnDrawItem(reinterpret_cast<DRAWITEMSTRUCT*>(lParam));
    case WM_DESTROY:
        return OnDestroy();
    case WM_RBUTTONDOWN:
        return OnRButtonDown(flags, GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
    case WM_LBUTTONDOWN:
        return OnLButtonDown(flags, GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
    case WM_MOUSEMOVE:
        return OnMouseMove(flags, GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam));
    case WM_NOTIFY:
        return OnNotify(reinterpret_cast<NMHDR*>(lParam));
    case WM_COMMAND:
        return OnCommand(LOWORD(wParam), HIWORD(wParam), lParam);
    case WM_HOTKEY:
        return OnCommand(static_cast<int>(wParam), 0, 0);
    case WM_CLOSE:
        return OnClose(wParam);
    case WM_ACTIVATE:
        return OnActivate(LOWORD(wParam), HIWORD(wParam), lParam);
    case WM_SYSCOMMAND:
        return OnSysCommand(wParam, lParam);
    case WM_SIZE:
        return OnSize(flags, LOWORD(lParam), HIWORD(lParam));
    case WM_KEYDOWN:
        return OnKeyDown(static_cast<int>(wParam));
    case WM_KEYUP:
        return OnKeyUp(static_cast<int>(wParam));
    default:
        return DefWindowProcW(m_hWnd, message, wParam, lParam);
    }
}
