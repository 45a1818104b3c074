#pragma once

#include <windows.h>

// Root of the objects that need the program's module instance handle: the OpenGL window and its
// widgets take it once, when they are built.
class ModuleInstance {
public:
    ModuleInstance() : m_instance(GetModuleHandleW(nullptr)) {}

    HINSTANCE Instance() const { return m_instance; }

protected:
    HINSTANCE m_instance;
};
