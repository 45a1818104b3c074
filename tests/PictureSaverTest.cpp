#include "mainwin/PictureSaver.h"

#include "win/GdiObject.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

namespace {

std::filesystem::path NewFolder(const char* name) {
    const auto folder = std::filesystem::temp_directory_path() / name;
    std::filesystem::remove_all(folder);
    std::filesystem::create_directories(folder);
    return folder;
}

// The pixels, their order and a write that fails are checked end to end, on a plot area whose
// rows need no padding.
TEST(PictureSaver, PadsRowsOf24BitPixelsAndReportsFailedWrites) {
    const HDC screen = GetDC(nullptr);
    const GdiObject<HBITMAP> bitmap(CreateCompatibleBitmap(screen, 5, 3)); // of the display's kind
    ReleaseDC(nullptr, screen);
    const auto folder = NewFolder("orvane-picture-test");
    SYSTEMTIME time = {};
    time.wHour = 9;
    time.wMinute = 5;
    time.wSecond = 7;
    std::filesystem::path path;
    HANDLE file = PictureSaver::CreatePictureFile(folder, time, path);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    EXPECT_TRUE(PictureSaver::WriteBitmap(bitmap.Get(), file));
    CloseHandle(file);
    EXPECT_EQ(path.filename(), "09_05_07.bmp");
    EXPECT_EQ(std::filesystem::file_size(path), 54u + 3 * 16); // 24-bit rows of 15 bytes padded to 16

    // A device that takes no byte: the write fails and is reported, not taken for a success.
    file = CreateFileW(L"Z:\\dev\\full", GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(file, INVALID_HANDLE_VALUE);
    EXPECT_FALSE(PictureSaver::WriteBitmap(bitmap.Get(), file));
    CloseHandle(file);
    std::filesystem::remove_all(folder);
}

// A picture never replaces a file, nor a folder that holds its name: it takes the next number.
TEST(PictureSaver, NamesEachPictureOfASecondAfresh) {
    const auto folder = NewFolder("orvane-picture-names");
    std::ofstream(folder / "23_59_58.bmp") << "older picture";
    std::filesystem::create_directory(folder / "23_59_58-2.bmp");
    SYSTEMTIME time = {};
    time.wHour = 23;
    time.wMinute = 59;
    time.wSecond = 58;
    const char* expected[] = {"23_59_58-3.bmp", "23_59_58-4.bmp"};
    for (const char* name : expected) {
        std::filesystem::path path;
        const HANDLE file = PictureSaver::CreatePictureFile(folder, time, path);
        ASSERT_NE(file, INVALID_HANDLE_VALUE) << name;
        CloseHandle(file);
        EXPECT_EQ(path.filename(), name);
    }
    std::ifstream older(folder / "23_59_58.bmp");
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(older), {}), "older picture");

    // A folder that cannot be written to at all: no file, and no endless search.
    std::filesystem::path path;
    EXPECT_EQ(PictureSaver::CreatePictureFile(folder / "missing", time, path), INVALID_HANDLE_VALUE);
    older.close();
    std::filesystem::remove_all(folder);
}

} // namespace
