#pragma once

#include <windows.h>

// Saves what the plot area shows on the screen as a 24-bit BMP named after the time of day, in
// the current directory, and tells the user how it went.
class PictureSaver {
public:
    // The rectangle in the main window's client area: the plot, 500 x 500 pixels at (0, 50).
    // The user sees the file's name when it is saved and an error box when writing it failed;
    // when the file cannot be made at all, nothing is shown.
    static void SavePlotArea(HWND mainWindow);

    // The screen pixels of a rectangle (screen coordinates, clipped to the screen) as a bitmap
    // compatible with the display; none for an empty rectangle.
    static HBITMAP CaptureScreen(RECT rect);

    enum class Written {
        kDone,
        kNotCreated, // the file could not be made: nothing was written
        kFailed,     // no memory for the pixels, or a write failed: the partial file is removed
    };
    // Writes the bitmap as a 24-bit BMP file.
    static Written WriteBitmap(HBITMAP bitmap, const wchar_t* fileName);
};
