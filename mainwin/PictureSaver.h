#pragma once

#include <windows.h>

#include <filesystem>

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

    // Creates a new file in the folder for a picture taken at that time of day, never replacing
    // one: "09_05_07.bmp", or where that name is taken "09_05_07-2.bmp", "09_05_07-3.bmp" and so
    // on. Sets the path and returns the file, or INVALID_HANDLE_VALUE when none can be made.
    static HANDLE CreatePictureFile(const std::filesystem::path& folder, const SYSTEMTIME& time,
                                    std::filesystem::path& path);

    // Writes the bitmap as a 24-bit BMP file to an open file; false when there is no memory for
    // the pixels or a write fails.
    static bool WriteBitmap(HBITMAP bitmap, HANDLE file);
};
