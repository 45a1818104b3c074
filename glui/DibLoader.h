#pragma once

#include "glui/DibImage.h"

#include <windows.h>

// Reads a BMP file (any name; the pictures are stored as .dat) into a 24-bit RGB image, letting
// GDI convert depths, palettes and compression. A missing file gives null silently; every other
// failure shows its message box ("Error", owned by the window with the keyboard focus) and gives
// null. The file name is a narrow string in the ANSI code page.
DibImageHolder LoadDibImage(const char* fileName);
