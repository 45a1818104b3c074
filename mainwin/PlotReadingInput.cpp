#include "mainwin/PlotReadingInput.h"

#include "glui/PlotViewControl.h"
#include "glui/ScreenLayout.h"
#include "res/resource.h"

#include <windowsx.h>

namespace {

// Bit 30 of a key message: the key was down already, so this press is the key's own repeat.
constexpr LPARAM kKeyWasDown = 1 << 30;
constexpr WPARAM kAnyButton = MK_LBUTTON | MK_RBUTTON | MK_MBUTTON;

} // namespace

bool PlotReadingInput::PreTranslate(const MSG& message, HWND mainWindow) {
    if (message.message == WM_KEYDOWN && message.wParam == VK_F9 &&
        GetAncestor(message.hwnd, GA_ROOTOWNER) == mainWindow) {
        // Held down, the key toggles once.
        if ((message.lParam & kKeyWasDown) == 0)
            ToggleScale();
        return true;
    }
    const bool wheel = message.message == WM_MOUSEWHEEL || message.message == WM_MOUSEHWHEEL;
    if (message.message == WM_MOUSELEAVE ||
        (message.message >= WM_MOUSEFIRST && message.message <= WM_MOUSELAST && !wheel))
        FollowPointer(message, mainWindow);
    return false;
}

void PlotReadingInput::ToggleScale() {
    m_plot.ShowScale(!m_plot.ScaleShown());
    CheckMenuItem(m_menu, ID_SHOW_SCALE, MF_BYCOMMAND | (m_plot.ScaleShown() ? MF_CHECKED : MF_UNCHECKED));
}

void PlotReadingInput::FollowPointer(const MSG& message, HWND mainWindow) {
    if (message.message == WM_MOUSELEAVE && message.hwnd == mainWindow)
        m_leaveAsked = false;
    // Over the graph list or a page, or gone from the window, the pointer traces nothing.
    if (message.hwnd != mainWindow || message.message == WM_MOUSELEAVE) {
        m_plot.TraceAt(std::nullopt);
        return;
    }
    const int x = GET_X_LPARAM(message.lParam);
    const int y = GET_Y_LPARAM(message.lParam);
    if ((message.wParam & kAnyButton) != 0 || !Contains(AreaClientRect(ScreenArea::Plot), x, y)) {
        m_plot.TraceAt(std::nullopt);
        return;
    }
    m_plot.TraceAt(ClientPoint{x, y});
    if (!m_leaveAsked) {
        TRACKMOUSEEVENT leave = {sizeof leave, TME_LEAVE, mainWindow, 0};
        m_leaveAsked = TrackMouseEvent(&leave) != FALSE;
    }
}
