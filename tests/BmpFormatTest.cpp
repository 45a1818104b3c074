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

TEST(BmpFormat, RowsArePaddedToFourBytes) {
    const struct {
        std::int32_t width;
        std::uint32_t rowSize;
    } cases[] = {{1, 4}, {2, 8}, {3, 12}, {4, 12}, {5, 16}, {6, 20}, {7, 24}, {8, 24}, {500, 1500}};
    for (const auto& c : cases)
        EXPECT_EQ(BmpRowSize(c.width), c.rowSize) << c.width;
}

TEST(BmpFormat, HeadersDescribeABottomUp24BitPicture) {
    for (std::int32_t width : {1, 2, 3, 4, 5, 6, 7, 8, 500}) {
        const std::int32_t height = width == 500 ? 500 : 3;
        const auto h = BmpHeaders(width, height);
        const std::uint32_t pixels = BmpRowSize(width) * height;
        EXPECT_EQ(h[0], 'B');
        EXPECT_EQ(h[1], 'M');
        EXPECT_EQ(At<std::uint32_t>(h, 2), 54 + pixels) << width;
        EXPECT_EQ(At<std::uint32_t>(h, 6), 0u);
        EXPECT_EQ(At<std::uint32_t>(h, 10), 54u);
        EXPECT_EQ(At<std::uint32_t>(h, 14), 40u);
        EXPECT_EQ(At<std::int32_t>(h, 18), width);
        EXPECT_EQ(At<std::int32_t>(h, 22), height);
        EXPECT_EQ(At<std::uint16_t>(h, 26), 1);
        EXPECT_EQ(At<std::uint16_t>(h, 28), 24);
        for (std::size_t offset = 30; offset < 54; offset += 4)
            EXPECT_EQ(At<std::uint32_t>(h, offset), 0u) << offset;
    }
    EXPECT_EQ(At<std::uint32_t>(BmpHeaders(500, 500), 2), 750054u);
}

TEST(BmpFormat, PicturesAreNamedAfterTheTimeOfDay) {
    EXPECT_EQ(PictureFileName(9, 5, 7), "09_05_07.bmp");
    EXPECT_EQ(PictureFileName(23, 59, 0), "23_59_00.bmp");
    EXPECT_EQ(PictureFileName(0, 0, 0), "00_00_00.bmp");
}

} // namespace
