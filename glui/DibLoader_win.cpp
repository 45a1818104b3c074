#include "glui/DibLoader.h"

#include "glui/DibFile.h"
#include "win/GbkText.h"
#include "win/GdiObject.h"
#include "win/GdiSelection.h"
#include "win/ShowMessageBox.h"

#include <cstdio>
#include <memory>
#include <new>
#include <string>
#include <type_traits>

namespace {

constexpr char kOpenFailure[] = "Failed to open DIB file %s.\n";

void ShowError(const wchar_t* text) {
    ShowMessageBox(GetFocus(), text, L"Error", MB_OK);
}

std::wstring OpenFailureText(const char* fileName) {
    const int length = std::snprintf(nullptr, 0, kOpenFailure, fileName);
    std::string text(static_cast<std::size_t>(length), '\0');
    std::snprintf(text.data(), text.size() + 1, kOpenFailure, fileName);
    return MultiByteToWide(text, CP_ACP);
}

struct HandleCloser {
    void operator()(HANDLE handle) const { CloseHandle(handle); }
};
using UniqueHandle = std::unique_ptr<void, HandleCloser>;

struct ViewUnmapper {
    void operator()(const void* view) const { UnmapViewOfFile(view); }
};
using UniqueView = std::unique_ptr<const void, ViewUnmapper>;

struct DcDeleter {
    void operator()(HDC dc) const { DeleteDC(dc); }
};
using UniqueDc = std::unique_ptr<std::remove_pointer_t<HDC>, DcDeleter>;

// GDI draws the file's pixels, whatever their depth, palette or compression, into a 24-bit DIB
// section; its rows are then copied out as R, G, B. The guards are declared so that they release
// the context before the section.
DibImageHolder ConvertPixels(const DibFile& file) {
    const std::int32_t width = file.Width();
    const std::int32_t rows = file.Height() < 0 ? -file.Height() : file.Height();
    BITMAPINFO target{};
    target.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    target.bmiHeader.biWidth = width;
    // Bottom-up whatever the file's row order: SetDIBits puts a top-down file the right way up,
    // and the image's rows come out bottom row first, as the textures want them.
    target.bmiHeader.biHeight = rows;
    target.bmiHeader.biPlanes = 1;
    target.bmiHeader.biBitCount = 24;
    target.bmiHeader.biCompression = BI_RGB;
    target.bmiHeader.biSizeImage = static_cast<DWORD>(rows) * static_cast<DWORD>(width) * 3;
    void* bits = nullptr;
    const GdiObject<HBITMAP> section(CreateDIBSection(nullptr, &target, DIB_RGB_COLORS, &bits, nullptr, 0));
    const UniqueDc dc(CreateCompatibleDC(nullptr));
    if (section.Get() == nullptr || !dc) {
        ShowError(L"Out of memory.");
        return nullptr;
    }
    const GdiSelection selection(dc.get(), section.Get());
    if (!selection) {
        ShowError(L"Out of memory.");
        return nullptr;
    }

    const auto* source = reinterpret_cast<const BITMAPINFO*>(file.SourceHeader().data());
    if (SetDIBits(dc.get(), section.Get(), 0, static_cast<UINT>(rows), file.Pixels(), source,
                  DIB_RGB_COLORS) == 0) {
        ShowError(L"Image file conversion error.");
        return nullptr;
    }
    GdiFlush();
    DibImageHolder image = CopyDibSection(static_cast<const std::uint8_t*>(bits), width, rows);
    if (!image)
        ShowError(L"Out of memory.");
    return image;
}

// Maps the whole file read-only, checks it and converts it. opened tells whether the file could
// be opened, mapped and viewed: the caller reports that failure once all is released.
DibImageHolder LoadMapped(const std::wstring& name, bool& opened) {
    opened = false;
    HANDLE handle = CreateFileW(name.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == INVALID_HANDLE_VALUE)
        return nullptr;
    const UniqueHandle file(handle);
    LARGE_INTEGER size{};
    if (!GetFileSizeEx(file.get(), &size))
        return nullptr;
    // An empty file cannot be mapped: it fails here, as a file that cannot be read.
    const UniqueHandle mapping(CreateFileMappingW(file.get(), nullptr, PAGE_READONLY, 0, 0, nullptr));
    if (!mapping)
        return nullptr;
    const UniqueView view(MapViewOfFile(mapping.get(), FILE_MAP_READ, 0, 0, 0));
    if (!view)
        return nullptr;
    opened = true;

    DibFile dib;
    DibFile::Status status = DibFile::Status::Ok;
    try {
        status =
            dib.Parse(static_cast<const std::uint8_t*>(view.get()), static_cast<std::size_t>(size.QuadPart));
    } catch (const std::bad_alloc&) {
        ShowError(L"Out of memory.");
        return nullptr;
    }
    switch (status) {
    case DibFile::Status::Ok:
        return ConvertPixels(dib);
    case DibFile::Status::UnknownFormat:
        ShowError(L"Unknown DIB file format.");
        return nullptr;
    case DibFile::Status::BadPixelData:
        ShowError(L"Image file conversion error.");
        return nullptr;
    }
    return nullptr;
}

} // namespace

DibImageHolder LoadDibImage(const char* fileName) {
    // A missing picture is not worth a message: the control simply goes without its texture.
    std::FILE* probe = std::fopen(fileName, "r");
    if (probe == nullptr)
        return nullptr;
    std::fclose(probe);

    bool opened = false;
    DibImageHolder image = LoadMapped(MultiByteToWide(fileName, CP_ACP), opened);
    if (!opened)
        ShowError(OpenFailureText(fileName).c_str());
    return image;
}
