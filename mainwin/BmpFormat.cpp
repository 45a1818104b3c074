#include "mainwin/BmpFormat.h"

#include <cstdio>
#include <cstring>

namespace {

template <typename Value>
void Put(std::uint8_t* at, Value value) {
    std::memcpy(at, &value, sizeof value); // little-endian on every target
}

} // namespace

std::uint32_t BmpRowSize(std::int32_t width) {
    return ((static_cast<std::uint32_t>(width) * 24 + 31) / 32) * 4;
}

std::array<std::uint8_t, kBmpHeadersSize> BmpHeaders(std::int32_t width, std::int32_t height) {
    const std::uint32_t imageSize = BmpRowSize(width) * static_cast<std::uint32_t>(height);
    std::array<std::uint8_t, kBmpHeadersSize> headers = {};
    std::uint8_t* file = headers.data();
    Put<std::uint16_t>(file, 0x4D42); // "BM"
    Put<std::uint32_t>(file + 2, static_cast<std::uint32_t>(kBmpHeadersSize) + imageSize);
    Put<std::uint32_t>(file + 10, static_cast<std::uint32_t>(kBmpHeadersSize));
    std::uint8_t* info = file + 14;
    Put<std::uint32_t>(info, 40);
    Put<std::int32_t>(info + 4, width);
    Put<std::int32_t>(info + 8, height); // positive: rows bottom to top
    Put<std::uint16_t>(info + 12, 1);
    Put<std::uint16_t>(info + 14, 24);
    // Compression, image size, resolutions and colour counts all stay 0.
    return headers;
}

std::string PictureFileName(int hour, int minute, int second, int number) {
    char name[48];
    if (number <= 1)
        std::snprintf(name, sizeof name, "%.2d_%.2d_%.2d.bmp", hour, minute, second);
    else
        std::snprintf(name, sizeof name, "%.2d_%.2d_%.2d-%d.bmp", hour, minute, second, number);
    return name;
}
