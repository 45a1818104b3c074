#pragma once

#include "glui/DibImage.h"

#include <windows.h>

// Reads a BMP file (any name; the pictures are stored as .dat) into a 24-bit RGB image, letting
// GDI convert depths, palettes and compression. A missing file gives null silently; every other
// failure shows its message box ("Error", owned by the window with the keyboard focus) and gives
// null. The file name is a narrow string in the ANSI code page.
DibImageHolder LoadDibImage(const char* fileName);

// The loader shows its messages through a function with MessageBoxW's signature. Tests put a
// recorder in its place, so that no modal box waits for a click; returns the one it replaces.
using MessageBoxFunction = int(WINAPI*)(HWND owner, LPCWSTR text, LPCWSTR caption, UINT type);
MessageBoxFunction SetDibMessageBox(MessageBoxFunction messageBox);
