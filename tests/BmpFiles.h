#pragma once

// Hand-written BMP files shared by the image tests, and little-endian helpers to vary them. The
// files are written in groups of fields: the file header (14 bytes); the info header's size, width,
// height, planes, bits per pixel and compression (20 bytes); its image size, resolutions, colours
// used and colours important (20 bytes); the colour table; the pixel rows.

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

// 3 × 2 pixels at 1 bit with the file header: rows 101 and 010 over a two-entry palette.
inline Bytes OneBitFile() {
    return Join({{'B', 'M', 70, 0, 0, 0, 0, 0, 0, 0, 62, 0, 0, 0},
                 {40, 0, 0, 0, 3, 0, 0, 0, 2, 0, 0, 0, 1, 0, 1, 0, 0, 0, 0, 0},
                 {0, 0, 0, 0, 0x13, 0x0B, 0, 0, 0x13, 0x0B, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
                 {0x10, 0x20, 0x30, 0, 0xA0, 0xB0, 0xC0, 0},
                 {0xA0, 0, 0, 0, 0x40, 0, 0, 0}});
}

// 2 × 2 pixels at 4 bits with a 12-byte header and 3-byte entries, after a file header.
inline Bytes Os2FourBitFile() {
    return Join({{'B', 'M', 82, 0, 0, 0, 0, 0, 0, 0, 74, 0, 0, 0},
                 {12, 0, 0, 0, 2, 0, 2, 0, 1, 0, 4, 0},
                 Palette(16, 3),
                 {0x1F, 0, 0, 0, 0x80, 0, 0, 0}});
}

// 4 × 1 pixels at 8 bits, 12-byte header, no file header: the 256-entry table has 3-byte entries.
inline Bytes Os2EightBitDib() {
    return Join({{12, 0, 0, 0, 4, 0, 1, 0, 1, 0, 8, 0}, Palette(256, 3), {0, 1, 0x80, 0xFF}});
}

inline const Bytes kNoSizeResolutionsOrColours(20, 0);

// 5 × 2 pixels at 24 bits, no file header: 15 bytes and one padding byte per row.
inline Bytes TrueColourWidth5Dib() {
    return Join({{40, 0, 0, 0, 5, 0, 0, 0, 2, 0, 0, 0, 1, 0, 24, 0, 0, 0, 0, 0},
                 kNoSizeResolutionsOrColours,
                 {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 0},
                 {16, 17, 18, 19, 20, 21, 22, 23, 24, 25, 26, 27, 28, 29, 30, 0}});
}

// 2 × 1 pixels at 8 bits whose header asks for two colours only, no file header.
inline Bytes TwoColourDib(std::uint32_t coloursUsed) {
    return Join({{40, 0, 0, 0, 2, 0, 0, 0, 1, 0, 0, 0, 1, 0, 8, 0, 0, 0, 0, 0},
                 WithU32(kNoSizeResolutionsOrColours, 12, coloursUsed),
                 {0x11, 0x22, 0x33, 0, 0x44, 0x55, 0x66, 0},
                 {1, 0, 0, 0}});
}

// 1 × 2 pixels at 24 bits stored top-down (height -2): red on top of blue.
inline Bytes TopDownDib() {
    return Join({{40, 0, 0, 0, 1, 0, 0, 0, 0xFE, 0xFF, 0xFF, 0xFF, 1, 0, 24, 0, 0, 0, 0, 0},
                 kNoSizeResolutionsOrColours,
                 {0, 0, 0xFF, 0, 0xFF, 0, 0, 0}});
}

// 2 × 1 pixels at 16 bits, 5-6-5 bit fields: the red, green and blue masks follow the header.
inline Bytes BitFieldsDib() {
    return Join({{40, 0, 0, 0, 2, 0, 0, 0, 1, 0, 0, 0, 1, 0, 16, 0, 3, 0, 0, 0},
                 {4, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},
                 {0, 0xF8, 0, 0, 0xE0, 0x07, 0, 0, 0x1F, 0, 0, 0},
                 {0, 0xF8, 0xE0, 0x07}});
}

// 2 × 2 pixels at 8 bits, run-length encoded (8 bytes declared, two colours), with the file header.
inline Bytes Rle8File() {
    return Join({{'B', 'M', 70, 0, 0, 0, 0, 0, 0, 0, 62, 0, 0, 0},
                 {40, 0, 0, 0, 2, 0, 0, 0, 2, 0, 0, 0, 1, 0, 8, 0, 1, 0, 0, 0},
                 {8, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 2, 0, 0, 0, 0, 0, 0, 0},
                 {0x11, 0x22, 0x33, 0, 0x44, 0x55, 0x66, 0},
                 {2, 0, 0, 0, 2, 1, 0, 1}});
}
