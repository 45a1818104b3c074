#pragma once

#include <array>
#include <cstdint>
#include <string>

// A saved picture is a 24-bit bottom-up BMP without palette: a 14-byte file header, a 40-byte
// information header, then the rows, blue-green-red, each padded to a multiple of 4 bytes.
inline constexpr std::size_t kBmpHeadersSize = 54;

// Bytes per stored row of a 24-bit picture: ((width * 24 + 31) / 32) * 4.
std::uint32_t BmpRowSize(std::int32_t width);

// The 14-byte file header followed by the 40-byte information header of a width x height picture.
std::array<std::uint8_t, kBmpHeadersSize> BmpHeaders(std::int32_t width, std::int32_t height);

// The name of a picture saved at that time of day: "09_05_07.bmp" for the first, and for further
// pictures of the same second, which must not replace it, "09_05_07-2.bmp", "09_05_07-3.bmp"...
std::string PictureFileName(int hour, int minute, int second, int number = 1);
