#include "glui/DibFile.h"

#include "tests/BmpFiles.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace {

using Status = DibFile::Status;

// The normalised header expected in the source header block.
Bytes Header40(std::int32_t width, std::int32_t height, std::uint16_t bitCount, std::uint32_t compression,
               std::uint32_t imageSize, std::uint32_t used, std::uint32_t important) {
    Bytes header(40, 0);
    header = WithU32(header, 0, 40);
    header = WithU32(header, 4, static_cast<std::uint32_t>(width));
    header = WithU32(header, 8, static_cast<std::uint32_t>(height));
    header = WithU16(header, 12, 1);
    header = WithU16(header, 14, bitCount);
    header = WithU32(header, 16, compression);
    header = WithU32(header, 20, imageSize);
    header = WithU32(header, 32, used);
    return WithU32(header, 36, important);
}

const Bytes kSpare = {0, 0, 0, 0};

TEST(DibFile, NormalisesTheHeaderAndFindsThePixels) {
    const Bytes twoEntries = {0x11, 0x22, 0x33, 0, 0x44, 0x55, 0x66, 0};
    // The image size and the colours used are filled in; the resolutions are kept.
    const Bytes oneBitBlock = Join({{40, 0, 0, 0, 3, 0, 0, 0, 2, 0, 0, 0, 1, 0, 1, 0, 0, 0, 0, 0},
                                    {2, 0, 0, 0, 0x13, 0x0B, 0, 0, 0x13, 0x0B, 0, 0, 2, 0, 0, 0, 0, 0, 0, 0},
                                    {0x10, 0x20, 0x30, 0, 0xA0, 0xB0, 0xC0, 0},
                                    kSpare});
    const struct {
        const char* name;
        Bytes file;
        std::int32_t width;
        std::int32_t height;
        std::uint32_t colours;
        std::size_t pixelOffset;
        Bytes block;
    } cases[] = {
        {"1 bit, file header", OneBitFile(), 3, 2, 2, 62, oneBitBlock},
        {"1 bit, pixels past a gap at the file header's offset",
         Join({WithU32(Truncated(OneBitFile(), 62), 10, 66),
               {0xEE, 0xEE, 0xEE, 0xEE},
               {0xA0, 0, 0, 0, 0x40, 0, 0, 0}}),
         3, 2, 2, 66, oneBitBlock},
        {"4 bits, 12-byte header, file header", Os2FourBitFile(), 2, 2, 16, 74,
         Join({Header40(2, 2, 4, 0, 2, 16, 16), Palette(16, 4), kSpare})},
        {"8 bits, 12-byte header, no file header", Os2EightBitDib(), 4, 1, 256, 780,
         Join({Header40(4, 1, 8, 0, 4, 256, 256), Palette(256, 4), kSpare})},
        {"24 bits, width 5, no file header", TrueColourWidth5Dib(), 5, 2, 0, 40,
         Join({Header40(5, 2, 24, 0, 30, 0, 0), kSpare})},
        {"colours used overrides the depth", TwoColourDib(2), 2, 1, 2, 48,
         Join({Header40(2, 1, 8, 0, 2, 2, 0), twoEntries, kSpare})},
        {"colours used kept to its low 16 bits", TwoColourDib(0x10002), 2, 1, 2, 48,
         Join({Header40(2, 1, 8, 0, 2, 2, 0), twoEntries, kSpare})},
        {"colours used with zero low 16 bits counts by depth",
         Join({Truncated(TwoColourDib(0x10000), 40), Palette(256, 4), {1, 0, 0, 0}}), 2, 1, 256, 1064,
         Join({Header40(2, 1, 8, 0, 2, 256, 0), Palette(256, 4), kSpare})},
        {"top-down", TopDownDib(), 1, -2, 0, 40, Join({Header40(1, -2, 24, 0, 6, 0, 0), kSpare})},
        {"bit fields: masks copied, pixels after them", BitFieldsDib(), 2, 1, 0, 52,
         Join({Header40(2, 1, 16, 3, 4, 0, 0), {0, 0xF8, 0, 0, 0xE0, 0x07, 0, 0, 0x1F, 0, 0, 0}, kSpare})},
        {"run-length encoded, image size kept", Rle8File(), 2, 2, 2, 62,
         Join({Header40(2, 2, 8, 1, 8, 2, 0), twoEntries, kSpare})},
    };
    for (const auto& c : cases) {
        DibFile dib;
        ASSERT_EQ(dib.Parse(c.file.data(), c.file.size()), Status::Ok) << c.name;
        EXPECT_EQ(dib.Width(), c.width) << c.name;
        EXPECT_EQ(dib.Height(), c.height) << c.name;
        EXPECT_EQ(dib.ColourCount(), c.colours) << c.name;
        EXPECT_EQ(dib.PixelOffset(), c.pixelOffset) << c.name;
        EXPECT_EQ(dib.Pixels(), c.file.data() + c.pixelOffset) << c.name;
        EXPECT_EQ(dib.SourceHeader(), c.block) << c.name;
    }
}

TEST(DibFile, RejectsHeadersItCannotRead) {
    const Bytes padded = Join({OneBitFile(), Bytes(100, 0)});
    const struct {
        const char* name;
        Bytes file;
    } cases[] = {
        {"empty", {}},
        {"one byte", {'B'}},
        {"file header cut", Truncated(OneBitFile(), 13)},
        {"header size cut", Truncated(OneBitFile(), 17)},
        {"info header cut", Truncated(OneBitFile(), 53)},
        {"12-byte header cut", Truncated(Os2EightBitDib(), 11)},
        {"header size 108", WithU32(padded, 14, 108)},
        {"header size 124", WithU32(padded, 14, 124)},
        {"header size 64", WithU32(padded, 14, 64)},
        {"header size 0", WithU32(padded, 14, 0)},
        {"headerless size 108", WithU32(Join({TrueColourWidth5Dib(), Bytes(100, 0)}), 0, 108)},
        {"palette past the end", Truncated(OneBitFile(), 61)},
        {"3-byte palette past the end", Truncated(Os2FourBitFile(), 73)},
        {"256-entry palette past the end", Truncated(Os2EightBitDib(), 779)},
        {"colours used past the end", WithU32(OneBitFile(), 46, 0xFFFF)},
        {"bit-field masks past the end", Truncated(BitFieldsDib(), 51)},
    };
    for (const auto& c : cases) {
        DibFile dib;
        EXPECT_EQ(dib.Parse(c.file.data(), c.file.size()), Status::UnknownFormat) << c.name;
    }
}

TEST(DibFile, RejectsPixelDataThatDoesNotFit) {
    const struct {
        const char* name;
        Bytes file;
    } cases[] = {
        {"pixel offset at the end", WithU32(OneBitFile(), 10, 70)},
        {"pixel offset far past the end", WithU32(OneBitFile(), 10, 0xFFFFFFFF)},
        {"last row's padding missing", Truncated(OneBitFile(), 69)},
        {"width 5 missing its last padding byte", Truncated(TrueColourWidth5Dib(), 71)},
        {"12-byte header, one pixel missing", Truncated(Os2EightBitDib(), 783)},
        {"top-down, one row missing", Truncated(TopDownDib(), 44)},
        {"bit fields, one pixel missing", Truncated(BitFieldsDib(), 54)},
        {"width 0", WithU32(OneBitFile(), 18, 0)},
        {"negative width", WithU32(OneBitFile(), 18, 0xFFFFFFFD)},
        {"height 0", WithU32(OneBitFile(), 22, 0)},
        {"height -2^31", WithU32(OneBitFile(), 22, 0x80000000)},
        {"12-byte header, width 0", WithU16(Os2FourBitFile(), 18, 0)},
        {"2 bits per pixel", WithU16(OneBitFile(), 28, 2)},
        {"0 bits per pixel", WithU16(OneBitFile(), 28, 0)},
        {"7 bits per pixel", WithU16(OneBitFile(), 28, 7)},
        {"width × height × 3 overflows",
         WithU32(WithU32(TrueColourWidth5Dib(), 4, 0x7FFFFFFF), 8, 0x7FFFFFFF)},
        {"width × height × 3 past 32 bits", WithU32(WithU32(TrueColourWidth5Dib(), 4, 0x40000000), 8, 4)},
        {"12-byte header, 65535 × 65535", WithU16(WithU16(Os2FourBitFile(), 18, 0xFFFF), 20, 0xFFFF)},
        {"run-length image size past the end", WithU32(Rle8File(), 34, 9)},
        {"run-length pixel offset at the end", WithU32(Rle8File(), 10, 70)},
        {"run-length section past 32 bits", WithU32(WithU32(Rle8File(), 18, 21845), 22, 65536)},
        {"run-length width × height × 3 overflows",
         WithU32(WithU32(Rle8File(), 18, 0x7FFFFFFF), 22, 0x7FFFFFFF)},
    };
    for (const auto& c : cases) {
        DibFile dib;
        EXPECT_EQ(dib.Parse(c.file.data(), c.file.size()), Status::BadPixelData) << c.name;
    }
}

TEST(DibFile, AcceptsTheLargestSectionThatFits) {
    // 21844 pixels of 3 bytes fill a 65532-byte row exactly; 65536 of them stay below 2^32 bytes.
    const Bytes file = WithU32(WithU32(Rle8File(), 18, 21844), 22, 65536);
    DibFile dib;
    EXPECT_EQ(dib.Parse(file.data(), file.size()), Status::Ok);
    EXPECT_EQ(dib.Width(), 21844);
    EXPECT_EQ(dib.Height(), 65536);
}

TEST(DibFile, ParsesAgainAfterARejection) {
    DibFile dib;
    const Bytes bad = Truncated(OneBitFile(), 61);
    ASSERT_EQ(dib.Parse(bad.data(), bad.size()), Status::UnknownFormat);
    EXPECT_TRUE(dib.SourceHeader().empty());
    const Bytes good = TrueColourWidth5Dib();
    ASSERT_EQ(dib.Parse(good.data(), good.size()), Status::Ok);
    EXPECT_EQ(dib.SourceHeader(), Join({Header40(5, 2, 24, 0, 30, 0, 0), kSpare}));
}

} // namespace
