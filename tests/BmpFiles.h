#pragma once

// Hand-written BMP files shared by the image tests, and little-endian helpers to vary them.

#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <vector>

using Bytes = std::vector<std::uint8_t>;

inline Bytes Join(std::initializer_list<Bytes> parts) {
    Bytes all;
    for (const Bytes& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

inline Bytes WithU32(Bytes bytes, std::size_t at, std::uint32_t value) {
    for (std::size_t i = 0; i < 4; ++i)
        bytes.at(at + i) = static_cast<std::uint8_t>(value >> (8 * i));
    return bytes;
}

inline Bytes Truncated(Bytes bytes, std::size_t size) {
    bytes.resize(size);
    return bytes;
}

// A 40-byte info header: one plane, resolutions 0.
inline Bytes Header40(std::int64_t width, std::int64_t height, std::int64_t bitCount,
                      std::int64_t compression = 0, std::int64_t imageSize = 0, std::int64_t used = 0,
                      std::int64_t important = 0) {
    Bytes header(40, 0);
    const std::int64_t fields[][2] = {
        {0, 40},           {4, width},      {8, height}, {12, 1 + (bitCount << 16)},
        {16, compression}, {20, imageSize}, {32, used},  {36, important}};
    for (const auto& [at, value] : fields)
        header = WithU32(header, static_cast<std::size_t>(at), static_cast<std::uint32_t>(value));
    return header;
}

// The 14-byte file header in front of a header, colour table and pixels.
inline Bytes WithFileHeader(const Bytes& dib, std::uint32_t pixelOffset) {
    const Bytes magic = {'B', 'M', 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    return Join(
        {WithU32(WithU32(magic, 2, static_cast<std::uint32_t>(14 + dib.size())), 10, pixelOffset), dib});
}

// n colour-table entries B = i, G = 0x40, R = 255 - i, with a reserved 0 when four bytes wide.
inline Bytes Palette(int n, int entrySize) {
    Bytes table;
    for (int i = 0; i < n; ++i) {
        table.insert(table.end(), {static_cast<std::uint8_t>(i), 0x40, static_cast<std::uint8_t>(255 - i)});
        if (entrySize == 4)
            table.push_back(0);
    }
    return table;
}

inline const Bytes kTwoColours = {0x11, 0x22, 0x33, 0, 0x44, 0x55, 0x66, 0};

// 3 × 2 pixels at 1 bit, resolutions 0xB13: rows 101 and 010.
inline Bytes OneBitFile() {
    const Bytes header = WithU32(WithU32(Header40(3, 2, 1), 24, 0xB13), 28, 0xB13);
    return WithFileHeader(Join({header, kTwoColours, {0xA0, 0, 0, 0, 0x40, 0, 0, 0}}), 62);
}

// 2 × 2 pixels at 4 bits with a 12-byte header and 3-byte entries.
inline Bytes Os2FourBitFile() {
    return WithFileHeader(
        Join({{12, 0, 0, 0, 2, 0, 2, 0, 1, 0, 4, 0}, Palette(16, 3), {0x1F, 0, 0, 0, 0x80, 0, 0, 0}}), 74);
}

// 4 × 1 pixels at 8 bits, 12-byte header, no file header: the 256-entry table has 3-byte entries.
inline Bytes Os2EightBitDib() {
    return Join({{12, 0, 0, 0, 4, 0, 1, 0, 1, 0, 8, 0}, Palette(256, 3), {0, 1, 0x80, 0xFF}});
}

// 5 × 2 pixels at 24 bits, no file header: 15 bytes and one padding byte per row.
inline Bytes TrueColourWidth5Dib() {
    return Join({Header40(5, 2, 24),
                 {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 0},
                 {16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30, 0}});
}

// 2 × 1 pixels at 8 bits whose header asks for two colours only, no file header.
inline Bytes TwoColourDib(std::uint32_t coloursUsed) {
    return Join({Header40(2, 1, 8, 0, 0, coloursUsed), kTwoColours, {1, 0, 0, 0}});
}

// 1 × 2 pixels at 24 bits stored top-down (height -2): red on top of blue.
inline Bytes TopDownDib() {
    return Join({Header40(1, -2, 24), {0, 0, 0xFF, 0, 0xFF, 0, 0, 0}});
}

// 2 × 1 pixels at 16 bits, 5-6-5 bit fields: the red, green and blue masks follow the header.
inline const Bytes kMasks565 = {0, 0xF8, 0, 0, 0xE0, 0x07, 0, 0, 0x1F, 0, 0, 0};
inline Bytes BitFieldsDib() {
    return Join({Header40(2, 1, 16, 3, 4), kMasks565, {0, 0xF8, 0xE0, 0x07}});
}

// 2 × 2 pixels at 8 bits, run-length encoded (8 bytes declared, two colours).
inline Bytes Rle8File() {
    return WithFileHeader(Join({Header40(2, 2, 8, 1, 8, 2), kTwoColours, {2, 0, 0, 0, 2, 1, 0, 1}}), 62);
}
