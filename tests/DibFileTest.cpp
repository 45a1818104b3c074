// The image parser: DibFile checks a BMP file before GDI sees it, and CopyDibSection turns GDI's
// 24-bit rows into the RGB rows OpenGL takes.
#include "glui/DibFile.h"
#include "glui/DibImage.h"

#include "tests/BmpFiles.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace {

using Status = DibFile::Status;

// The block GDI is handed holds the header with the image size and colours used filled in, the
// bit-field masks, the colour table in 4-byte entries, and 4 spare bytes.
TEST(DibFile, AcceptsEveryLayoutAndNormalisesItsHeader) {
    const Bytes spare = {0, 0, 0, 0};
    const Bytes oneBit =
        Join({WithU32(WithU32(Header40(3, 2, 1, 0, 2, 2), 24, 0xB13), 28, 0xB13), kTwoColours, spare});
    const Bytes rle = Join({Header40(2, 2, 8, 1, 8, 2), kTwoColours, spare});
    const struct {
        const char* name;
        Bytes file;
        std::size_t pixelOffset;
        Bytes block;
    } cases[] = {
        {"1 bit, file header", OneBitFile(), 62, oneBit},
        {"pixels at the file header's offset", Join({WithU32(OneBitFile(), 10, 66), spare}), 66, oneBit},
        {"4 bits, 12-byte header, file header", Os2FourBitFile(), 74,
         Join({Header40(2, 2, 4, 0, 2, 16, 16), Palette(16, 4), spare})},
        {"8 bits, 12-byte header", Os2EightBitDib(), 780,
         Join({Header40(4, 1, 8, 0, 4, 256, 256), Palette(256, 4), spare})},
        {"24 bits, width 5", TrueColourWidth5Dib(), 40, Join({Header40(5, 2, 24, 0, 30), spare})},
        {"colours used, low 16 bits", TwoColourDib(0x10002), 48,
         Join({Header40(2, 1, 8, 0, 2, 2), kTwoColours, spare})},
        {"top-down", TopDownDib(), 40, Join({Header40(1, -2, 24, 0, 6), spare})},
        {"bit fields", BitFieldsDib(), 52, Join({Header40(2, 1, 16, 3, 4), kMasks565, spare})},
        {"run-length", Rle8File(), 62, rle},
        // 21844 pixels of 3 bytes fill a 65532-byte row; 65536 such rows stay below 2^32 bytes.
        {"largest section", WithU32(WithU32(Rle8File(), 18, 21844), 22, 65536), 62,
         WithU32(WithU32(rle, 4, 21844), 8, 65536)},
    };
    for (const auto& c : cases) {
        DibFile dib;
        ASSERT_EQ(dib.Parse(c.file.data(), c.file.size()), Status::Ok) << c.name;
        EXPECT_EQ(dib.PixelOffset(), c.pixelOffset) << c.name;
        EXPECT_EQ(dib.SourceHeader(), c.block) << c.name;
    }
}

TEST(DibFile, RejectsWhatDoesNotFitTheFile) {
    using enum Status;
    const Bytes padded = Join({OneBitFile(), Bytes(100, 0)});
    const struct {
        const char* name;
        Bytes file;
        Status status;
    } cases[] = {
        {"empty", {}, UnknownFormat}, {"file header cut", Truncated(OneBitFile(), 13), UnknownFormat},
        {"header size cut", Truncated(OneBitFile(), 17), UnknownFormat},
        {"info header cut", Truncated(OneBitFile(), 53), UnknownFormat},
        {"header size 108", WithU32(padded, 14, 108), UnknownFormat},
        {"palette past the end", Truncated(OneBitFile(), 61), UnknownFormat},
        {"3-byte palette past the end", Truncated(Os2EightBitDib(), 779), UnknownFormat},
        {"colours used past the end", WithU32(OneBitFile(), 46, 0xFFFF), UnknownFormat},
        {"bit-field masks past the end", Truncated(BitFieldsDib(), 51), UnknownFormat},
        {"pixel offset past the end", WithU32(OneBitFile(), 10, 0xFFFFFFFF), BadPixelData},
        {"last row's padding missing", Truncated(OneBitFile(), 69), BadPixelData},
        {"top-down, a row missing", Truncated(TopDownDib(), 44), BadPixelData},
        {"run-length image size past the end", WithU32(Rle8File(), 34, 9), BadPixelData},
        {"width 0", WithU32(OneBitFile(), 18, 0), BadPixelData},
        {"width -1", WithU32(OneBitFile(), 18, 0xFFFFFFFF), BadPixelData},
        {"height 0", WithU32(OneBitFile(), 22, 0), BadPixelData},
        {"height -2^31", WithU32(OneBitFile(), 22, 0x80000000), BadPixelData},
        {"2 bits per pixel", WithU32(OneBitFile(), 28, 2), BadPixelData},
        {"12-byte header, 65535 × 65535", WithU32(Os2FourBitFile(), 18, 0xFFFFFFFF), BadPixelData},
        {"24-bit section past 32 bits", WithU32(WithU32(TrueColourWidth5Dib(), 4, 1 << 30), 8, 4),
         BadPixelData},
        {"run-length section past 32 bits", WithU32(WithU32(Rle8File(), 18, 21845), 22, 65536), BadPixelData},
    };
    for (const auto& c : cases) {
        DibFile dib;
        EXPECT_EQ(dib.Parse(c.file.data(), c.file.size()), c.status) << c.name;
    }
}

// 0xEE marks the padding that brings each section row to a multiple of 4 bytes.
TEST(CopyDibSection, SwapsToRgbAndDropsTheRowPadding) {
    const struct {
        std::int32_t width;
        Bytes section, rgb;
    } cases[] = {
        {1, {1, 2, 3, 0xEE, 4, 5, 6, 0xEE}, {3, 2, 1, 6, 5, 4}},
        {2,
         {1, 2, 3, 4, 5, 6, 0xEE, 0xEE, 7, 8, 9, 10, 11, 12, 0xEE, 0xEE},
         {3, 2, 1, 6, 5, 4, 9, 8, 7, 12, 11, 10}},
        {4,
         {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22, 23, 24},
         {3, 2, 1, 6, 5, 4, 9, 8, 7, 12, 11, 10, 15, 14, 13, 18, 17, 16, 21, 20, 19, 24, 23, 22}},
    };
    for (const auto& c : cases) {
        const DibImageHolder image = CopyDibSection(c.section.data(), c.width, 2);
        ASSERT_NE(image, nullptr) << c.width;
        EXPECT_EQ(image->width, c.width);
        EXPECT_EQ(image->height, 2);
        EXPECT_EQ(Bytes(image->pixels, image->pixels + c.rgb.size()), c.rgb) << c.width;
    }
}

} // namespace
