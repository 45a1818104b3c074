#include "mainwin/BmpFormat.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

template <typename Value>
Value At(const std::array<std::uint8_t, kBmpHeadersSize>& headers, std::size_t offset) {
    Value value;
    std::memcpy(&value, headers.data() + offset, sizeof value);
    return value;
}

// Rows of three bytes a pixel, padded to four bytes, counted in the file size.
TEST(BmpFormat, HeadersDescribeABottomUp24BitPicture) {
    const struct {
        std::int32_t width, height;
        std::uint32_t rowSize, fileSize;
    } cases[] = {{1, 3, 4, 66},   {2, 3, 8, 78},   {3, 3, 12, 90},  {4, 3, 12, 90},          {5, 3, 16, 102},
                 {6, 3, 20, 114}, {7, 3, 24, 126}, {8, 3, 24, 126}, {500, 500, 1500, 750054}};
    for (const auto& c : cases) {
        EXPECT_EQ(BmpRowSize(c.width), c.rowSize) << c.width;
        const auto h = BmpHeaders(c.width, c.height);
        EXPECT_EQ(h[0], 'B');
        EXPECT_EQ(h[1], 'M');
        EXPECT_EQ(At<std::uint32_t>(h, 2), c.fileSize) << c.width;
        EXPECT_EQ(At<std::uint32_t>(h, 6), 0u);
        EXPECT_EQ(At<std::uint32_t>(h, 10), 54u);
        EXPECT_EQ(At<std::uint32_t>(h, 14), 40u);
        EXPECT_EQ(At<std::int32_t>(h, 18), c.width);
        EXPECT_EQ(At<std::int32_t>(h, 22), c.height);
        EXPECT_EQ(At<std::uint16_t>(h, 26), 1);
        EXPECT_EQ(At<std::uint16_t>(h, 28), 24);
        for (std::size_t offset = 30; offset < 54; offset += 4)
            EXPECT_EQ(At<std::uint32_t>(h, offset), 0u) << offset;
    }
}

TEST(BmpFormat, PicturesAreNamedAfterTheTimeOfDay) {
    EXPECT_EQ(PictureFileName(9, 5, 7), "09_05_07.bmp");
    EXPECT_EQ(PictureFileName(23, 59, 0), "23_59_00.bmp");
    EXPECT_EQ(PictureFileName(23, 59, 0, 1), "23_59_00.bmp");
    EXPECT_EQ(PictureFileName(23, 59, 0, 2), "23_59_00-2.bmp");
    EXPECT_EQ(PictureFileName(0, 0, 1, 117), "00_00_01-117.bmp");
}

} // namespace
