#include "mainwin/PictureSaver.h"

#include "glui/ScreenLayout.h"
#include "mainwin/BmpFormat.h"
#include "win/GdiObject.h"
#include "win/ShowMessageBox.h"

#include <cstring>
#include <new>
#include <string>
#include <vector>

namespace {

constexpr const wchar_t* kSavedSuffix = L" 保存完毕!";
constexpr const wchar_t* kSaveFailedText = L"异常错误导致保存失败！";

bool WriteAll(HANDLE file, const void* data, DWORD size) {
    DWORD written = 0;
    return WriteFile(file, data, size, &written, nullptr) && written == size;
}

// The bitmap's pixels converted to 24-bit bottom-up rows, whatever the display's depth.
bool ReadPixels(HBITMAP bitmap, const BITMAPINFOHEADER& header, std::vector<std::uint8_t>& pixels) {
    BITMAPINFO info = {};
    info.bmiHeader = header;
    const HDC screen = GetDC(nullptr);
    const HPALETTE previous =
        SelectPalette(screen, static_cast<HPALETTE>(GetStockObject(DEFAULT_PALETTE)), FALSE);
    RealizePalette(screen);
    const int lines = GetDIBits(screen, bitmap, 0, static_cast<UINT>(header.biHeight), pixels.data(), &info,
                                DIB_RGB_COLORS);
    SelectPalette(screen, previous, FALSE);
    RealizePalette(screen);
    ReleaseDC(nullptr, screen);
    return lines == header.biHeight;
}

} // namespace

HBITMAP PictureSaver::CaptureScreen(RECT rect) {
    if (IsRectEmpty(&rect))
        return nullptr;
    const HDC display = CreateDCW(L"DISPLAY", nullptr, nullptr, nullptr);
    if (display == nullptr)
        return nullptr;
    const HDC memory = CreateCompatibleDC(display);
    if (memory == nullptr) {
        DeleteDC(display);
        return nullptr;
    }
    rect.left = rect.left < 0 ? 0 : rect.left;
    rect.top = rect.top < 0 ? 0 : rect.top;
    const int screenWidth = GetDeviceCaps(display, HORZRES);
    const int screenHeight = GetDeviceCaps(display, VERTRES);
    rect.right = rect.right > screenWidth ? screenWidth : rect.right;
    rect.bottom = rect.bottom > screenHeight ? screenHeight : rect.bottom;
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    HBITMAP bitmap = nullptr;
    if (width > 0 && height > 0) {
        bitmap = CreateCompatibleBitmap(display, width, height);
        if (bitmap != nullptr) {
            const HGDIOBJ previous = SelectObject(memory, bitmap);
            BitBlt(memory, 0, 0, width, height, display, rect.left, rect.top, SRCCOPY);
            SelectObject(memory, previous);
        }
    }
    DeleteDC(memory);
    DeleteDC(display);
    return bitmap;
}

HANDLE PictureSaver::CreatePictureFile(const std::filesystem::path& folder, const SYSTEMTIME& time,
                                       std::filesystem::path& path) {
    for (int number = 1;; ++number) {
        path = folder / PictureFileName(time.wHour, time.wMinute, time.wSecond, number);
        const HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                        FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
        if (file != INVALID_HANDLE_VALUE)
            return file;
        // Whatever holds the name, a picture or a folder, stays; any other failure ends the search.
        if (GetFileAttributesW(path.c_str()) == INVALID_FILE_ATTRIBUTES)
            return INVALID_HANDLE_VALUE;
    }
}

bool PictureSaver::WriteBitmap(HBITMAP bitmap, HANDLE file) {
    BITMAP dimensions = {};
    GetObjectW(bitmap, sizeof dimensions, &dimensions);
    const auto headers = BmpHeaders(dimensions.bmWidth, dimensions.bmHeight);
    BITMAPINFOHEADER info;
    static_assert(sizeof info == kBmpHeadersSize - 14);
    std::memcpy(&info, headers.data() + 14, sizeof info);

    std::vector<std::uint8_t> pixels;
    try {
        pixels.resize(static_cast<std::size_t>(BmpRowSize(info.biWidth)) *
                      static_cast<std::size_t>(info.biHeight));
    } catch (const std::bad_alloc&) {
        return false;
    }
    return ReadPixels(bitmap, info, pixels) &&
           WriteAll(file, headers.data(), static_cast<DWORD>(headers.size())) &&
           WriteAll(file, pixels.data(), static_cast<DWORD>(pixels.size()));
}

void PictureSaver::SavePlotArea(HWND mainWindow) {
    RECT window;
    GetWindowRect(mainWindow, &window);
    const ClientRect plot = AreaClientRect(ScreenArea::Plot);
    const RECT capture{window.left + plot.left, window.top + plot.top, window.left + plot.right,
                       window.top + plot.bottom};
    const GdiObject<HBITMAP> bitmap(CaptureScreen(capture));
    if (bitmap.Get() == nullptr) {
        // No display context or no bitmap for the picture: nothing can be saved.
        ShowMessageBox(GetActiveWindow(), kSaveFailedText, L"错误", MB_OK | MB_ICONSTOP);
        return;
    }
    SYSTEMTIME now;
    GetLocalTime(&now);
    std::filesystem::path path;
    const HANDLE file = CreatePictureFile(L".", now, path);
    if (file == INVALID_HANDLE_VALUE)
        return; // the folder takes no file: nothing is said
    const bool written = WriteBitmap(bitmap.Get(), file);
    const bool closed = CloseHandle(file) != 0;
    if (!written || !closed) {
        DeleteFileW(path.c_str());
        ShowMessageBox(GetActiveWindow(), kSaveFailedText, L"错误", MB_OK | MB_ICONSTOP);
        return;
    }
    ShowMessageBox(mainWindow, (path.filename().wstring() + kSavedSuffix).c_str(), L"OK",
                   MB_OK | MB_ICONINFORMATION);
}
