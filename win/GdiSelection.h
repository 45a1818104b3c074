#pragma once

#include <windows.h>

// Selects a GDI object into a device context for one scope, then puts the previous one back, so
// that no context still holds the object when it is deleted.
class GdiSelection {
public:
    GdiSelection(HDC dc, HGDIOBJ object) : m_dc(dc), m_previous(SelectObject(dc, object)) {}
    ~GdiSelection() {
        if (m_previous != nullptr)
            SelectObject(m_dc, m_previous);
    }
    GdiSelection(const GdiSelection&) = delete;
    GdiSelection& operator=(const GdiSelection&) = delete;

    // False when the object could not be selected.
    explicit operator bool() const { return m_previous != nullptr; }

private:
    HDC m_dc;
    HGDIOBJ m_previous;
};
