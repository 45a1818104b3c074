#include "mainwin/PictureSaver.h"

#include "win/GdiObject.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace {

// The pixels, their order and a file that cannot be made are checked end to end, on a plot area
// whose rows need no padding.
TEST(PictureSaver, PadsRowsOf24BitPixelsAndReportsFailedWrites) {
    const HDC screen = GetDC(nullptr);
    const GdiObject<HBITMAP> bitmap(CreateCompatibleBitmap(screen, 5, 3)); // of the display's kind
    ReleaseDC(nullptr, screen);
    const auto file = std::filesystem::temp_directory_path() / "orvane-picture-test.bmp";
    ASSERT_EQ(PictureSaver::WriteBitmap(bitmap.Get(), file.c_str()), PictureSaver::Written::kDone);
    EXPECT_EQ(std::filesystem::file_size(file), 54u + 3 * 16); // 24-bit rows of 15 bytes padded to 16
    std::filesystem::remove(file);

    // A device that takes no byte: the write fails and is reported, not taken for a success.
    EXPECT_EQ(PictureSaver::WriteBitmap(bitmap.Get(), L"Z:\\dev\\full"), PictureSaver::Written::kFailed);
}

} // namespace
