#pragma once

#include <windows.h>

// Owns one GDI object (a brush, a pen, a bitmap) and deletes it when it goes out of scope.
template <typename Handle>
class GdiObject {
public:
    explicit GdiObject(Handle handle) : m_handle(handle) {}
    ~GdiObject() {
        if (m_handle != nullptr)
            DeleteObject(m_handle);
    }
    GdiObject(const GdiObject&) = delete;
    GdiObject& operator=(const GdiObject&) = delete;

    Handle Get() const { return m_handle; }
    // Deletes the object held and takes another.
    void Reset(Handle handle) {
        if (m_handle != nullptr)
            DeleteObject(m_handle);
        m_handle = handle;
    }

private:
    Handle m_handle;
};
