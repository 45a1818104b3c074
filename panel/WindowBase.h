#pragma once

#include <windows.h>

// Root of the window wrappers: a window or dialog with its control or template id. Each plain
// operation is one call on the stored window and returns what that call returns.
class WindowBase {
public:
    explicit WindowBase(int id = 0);
    // CreateWindowExW with no extended style and this object's module instance; keeps the window.
    virtual HWND Create(const wchar_t* className, const wchar_t* windowName, DWORD style, int x, int y,
                        int width, int height, HWND parent, HMENU menuOrId, void* parameter);
    virtual ~WindowBase() = default;
    WindowBase(const WindowBase&) = delete;
    WindowBase& operator=(const WindowBase&) = delete;

    HWND Window() const { return m_hWnd; }
    // Wraps a control of a dialog template: its id and window.
    void Attach(HWND dialog, int controlId);

    BOOL Show(int command) const;
    BOOL Update() const;
    BOOL GetClientRect(RECT* rect) const;
    LRESULT SendMessage(UINT message, WPARAM wParam, LPARAM lParam) const;
    BOOL SetText(const wchar_t* text) const;
    int GetText(wchar_t* buffer, int capacity) const;
    BOOL ScreenToClient(POINT* point) const;
    // Destroys the window; the wrapper no longer holds it afterwards.
    BOOL Destroy();
    HWND GetItem(int controlId) const;

protected:
    int m_id;
    HWND m_hWnd = nullptr;
    HINSTANCE m_hInstance;
};
