#include "panel/WindowBase.h"

WindowBase::WindowBase(int id) : m_id(id), m_hInstance(GetModuleHandleW(nullptr)) {}

HWND WindowBase::Create(const wchar_t* className, const wchar_t* windowName, DWORD style, int x, int y,
                        int width, int height, HWND parent, HMENU menuOrId, void* parameter) {
    m_hWnd = CreateWindowExW(0, className, windowName, style, x, y, width, height, parent, menuOrId,
                             m_hInstance, parameter);
    return m_hWnd;
}

void WindowBase::Attach(HWND dialog, int controlId) {
    m_id = controlId;
    m_hWnd = GetDlgItem(dialog, controlId);
}

BOOL WindowBase::Show(int command) const {
    return ShowWindow(m_hWnd, command);
}

BOOL WindowBase::Update() const {
    return UpdateWindow(m_hWnd);
}

BOOL WindowBase::GetClientRect(RECT* rect) const {
    return ::GetClientRect(m_hWnd, rect);
}

LRESULT WindowBase::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) const {
    return ::SendMessageW(m_hWnd, message, wParam, lParam);
}

BOOL WindowBase::SetText(const wchar_t* text) const {
    return SetWindowTextW(m_hWnd, text);
}

int WindowBase::GetText(wchar_t* buffer, int capacity) const {
    return GetWindowTextW(m_hWnd, buffer, capacity);
}

BOOL WindowBase::ScreenToClient(POINT* point) const {
    return ::ScreenToClient(m_hWnd, point);
}

BOOL WindowBase::Destroy() {
    const BOOL destroyed = DestroyWindow(m_hWnd);
    if (destroyed)
        m_hWnd = nullptr;
    return destroyed;
}

HWND WindowBase::GetItem(int controlId) const {
    return GetDlgItem(m_hWnd, controlId);
}
