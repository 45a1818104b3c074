#pragma once

#include "win/FramePacer.h"

#include <windows.h>

#include <array>

// Base of the main window: a borderless popup with an OpenGL rendering context, the polling main
// loop, and one virtual handler for each window message the program answers. A subclass
// overrides the handlers it needs; the window procedure decodes the message arguments for them.
class GlWindow {
public:
    GlWindow();
    virtual ~GlWindow();
    GlWindow(const GlWindow&) = delete;
    GlWindow& operator=(const GlWindow&) = delete;

    // Registers the class, creates the window (its OnCreate runs inside), sets the pixel format,
    // makes the context current and runs InitGL. On failure it shows the reason, releases what it
    // made and returns false; the caller must not call DestroyGLWindow again.
    bool CreateGLWindow(const char* className, const char* title, int width, int height, int bits,
                        bool fullScreen);
    // OnKill with the context still current, then context, device context, window (OnDestroy
    // runs inside) and class are released in that order.
    void DestroyGLWindow();
    // Draws a frame whenever no message waits, until WM_QUIT or while Escape is held; returns
    // the wParam of the last message taken.
    WPARAM RunMessageLoop();
    // Viewport and a 45 degree perspective for a client area of that size.
    void ResizeScene(int width, int height);

protected:
    virtual LRESULT OnContextMenu(HWND clicked, int x, int y);
    virtual LRESULT OnCtlColor(HDC dc, HWND control, int kind); // kind: CTLCOLOR_MSGBOX to CTLCOLOR_STATIC
    virtual LRESULT OnDrawItem(DRAWITEMSTRUCT* item);
    virtual LRESULT OnDestroy();
    virtual void OnKill();
    virtual LRESULT OnRButtonDown(int flags, int x, int y);
    virtual LRESULT OnLButtonDown(int flags, int x, int y);
    virtual LRESULT OnMouseMove(int flags, int x, int y);
    virtual LRESULT OnNotify(NMHDR* header);
    // Menu commands, control notifications, and hot keys as (hot key id, 0, 0).
    virtual LRESULT OnCommand(int id, int code, LPARAM lParam);
    virtual bool DrawScene();
    virtual LRESULT OnCreate(HINSTANCE instance);
    virtual bool InitGL();
    virtual LRESULT OnClose(WPARAM wParam);
    virtual LRESULT OnActivate(int state, int minimised, LPARAM lParam);
    virtual LRESULT OnSysCommand(WPARAM command, LPARAM lParam);
    virtual LRESULT OnSize(int type, int width, int height);
    virtual LRESULT OnKeyDown(int virtualKey);
    virtual LRESULT OnKeyUp(int virtualKey);
    // Sees every message the loop takes before it is dispatched, whichever of the thread's
    // windows it is for; true when it was handled and must not be dispatched.
    virtual bool PreTranslateMessage(MSG& message);

    static constexpr int kClassNameSize = 200;
    static constexpr int kKeyCount = 256;

    HINSTANCE m_hInstance;
    wchar_t m_className[kClassNameSize] = {};
    HWND m_hWnd = nullptr;
    HGLRC m_hRC = nullptr;
    HDC m_hDC = nullptr;
    bool m_fullScreen = false;
    bool m_active = false;
    FramePacer m_pacer;
    std::array<bool, kKeyCount> m_keys = {}; // indexed by virtual-key code, true while held

private:
    static LRESULT CALLBACK WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    bool SwitchToFullScreen(int width, int height, int bits) const;
    bool FailCreation(const wchar_t* text);
};
