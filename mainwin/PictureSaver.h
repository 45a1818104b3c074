#pragma once

#include <windows.h>

// Saves what the plot area shows on the screen as a 24-bit BMP named after the time of day, in
// the current directory, and tells the user how it went.
class PictureSaver {
public:
    // The rectangle in the main window's client area: the plot, 500 x 500 pixels at (0, 50).
    static void SavePlotArea(HWND mainWindow);

    // The screen pixels of a rectangle (screen coordinates, clipped to the screen) as a bitmap
    // compatible with the display; none for an empty rectangle.
    static HBITMAP CaptureScreen(RECT rect);

    // Writes the bitmap as a 24-bit BMP file. False when the file cannot be created (nothing is
    // shown), or when the pixels cannot be had or a write fails: then the partial file is removed
    // and the user sees an error box.
    static bool WriteBitmap(HBITMAP bitmap, const wchar_t* fileName);
};
