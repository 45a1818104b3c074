#include "glui/DibImage.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

TEST(CopyDibSection, SwapsToRgbAndDropsTheRowPadding) {
    // 0xEE marks the padding that brings each section row to a multiple of 4 bytes.
    const struct {
        std::int32_t width;
        std::int32_t rows;
        Bytes section;
        Bytes rgb;
    } cases[] = {
        {1, 2, {1, 2, 3, 0xEE, 4, 5, 6, 0xEE}, {3, 2, 1, 6, 5, 4}},
        {2,
         2,
         {1, 2, 3, 4, 5, 6, 0xEE, 0xEE, 7, 8, 9, 10, 11, 12, 0xEE, 0xEE},
         {3, 2, 1, 6, 5, 4, 9, 8, 7, 12, 11, 10}},
        {3, 1, {1, 2, 3, 4, 5, 6, 7, 8, 9, 0xEE, 0xEE, 0xEE}, {3, 2, 1, 6, 5, 4, 9, 8, 7}},
        {4, 1, {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}, {3, 2, 1, 6, 5, 4, 9, 8, 7, 12, 11, 10}},
        {4,
         2,
         {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24},
         {3, 2, 1, 6, 5, 4, 9, 8, 7, 12, 11, 10, 15, 14, 13, 18, 17, 16, 21, 20, 19, 24, 23, 22}},
        {5,
         2,
         {1,  2,  3,  4,  5,  6,  7,  8,  9,  10, 11, 12, 13, 14, 15, 0xEE,
          16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30, 0xEE},
         {3,  2,  1,  6,  5,  4,  9,  8,  7,  12, 11, 10, 15, 14, 13,
          18, 17, 16, 21, 20, 19, 24, 23, 22, 27, 26, 25, 30, 29, 28}},
    };
    for (const auto& c : cases) {
        const DibImageHolder image = CopyDibSection(c.section.data(), c.width, c.rows);
        ASSERT_NE(image, nullptr) << c.width;
        EXPECT_EQ(image->width, c.width);
        EXPECT_EQ(image->height, c.rows);
        EXPECT_EQ(Bytes(image->pixels, image->pixels + c.rgb.size()), c.rgb) << c.width;
    }
}

} // namespace
