#include "mainwin/PictureSaver.h"

#include "panel/GdiObject.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

namespace {

// A 5 x 3 bitmap of the display's kind, filled with one colour.
HBITMAP SmallBitmap(COLORREF colour) {
    const HDC screen = GetDC(nullptr);
    const HBITMAP bitmap = CreateCompatibleBitmap(screen, 5, 3);
    const HDC memory = CreateCompatibleDC(screen);
    const HGDIOBJ previous = SelectObject(memory, bitmap);
    const GdiObject<HBRUSH> brush(CreateSolidBrush(colour));
    const RECT all{0, 0, 5, 3};
    FillRect(memory, &all, brush.Get());
    SelectObject(memory, previous);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return bitmap;
}

TEST(PictureSaver, WritesA24BitPictureAndReportsFailedWrites) {
    const GdiObject<HBITMAP> bitmap(SmallBitmap(RGB(10, 20, 30)));
    const auto file = std::filesystem::temp_directory_path() / "orvane-picture-test.bmp";
    ASSERT_EQ(PictureSaver::WriteBitmap(bitmap.Get(), file.c_str()), PictureSaver::Written::kDone);
    std::ifstream in(file, std::ios::binary);
    const std::vector<unsigned char> bytes(std::istreambuf_iterator<char>(in), {});
    in.close();
    std::filesystem::remove(file);
    ASSERT_EQ(bytes.size(), 54u + 3 * 16); // rows of 15 bytes padded to 16
    EXPECT_EQ(bytes[28], 24);
    EXPECT_EQ((std::vector<unsigned char>(bytes.begin() + 54, bytes.begin() + 60)),
              (std::vector<unsigned char>{30, 20, 10, 30, 20, 10})); // blue, green, red

    // A device that takes no byte: the write fails and is reported, not taken for a success.
    EXPECT_EQ(PictureSaver::WriteBitmap(bitmap.Get(), L"Z:\\dev\\full"), PictureSaver::Written::kFailed);
    EXPECT_EQ(PictureSaver::WriteBitmap(bitmap.Get(), L"Z:\\no\\such\\folder\\picture.bmp"),
              PictureSaver::Written::kNotCreated);
}

} // namespace
