#pragma once

#include <cstdint>
#include <memory>

// A picture as 24-bit colour: width × height pixels of R, G, B bytes, rows tightly packed (no
// padding), bottom row first, as OpenGL takes texture rows.
struct DibImage {
    std::int32_t width;
    std::int32_t height;
    std::uint8_t* pixels;
};

// Frees the pixel block and the record together.
struct DibImageDeleter {
    void operator()(DibImage* image) const;
};

using DibImageHolder = std::unique_ptr<DibImage, DibImageDeleter>;

// Copies the bits of a bottom-up 24-bit DIB section (B, G, R per pixel, each row padded to a
// multiple of 4 bytes) of width × rows pixels into a new image. Null when memory runs out.
DibImageHolder CopyDibSection(const std::uint8_t* section, std::int32_t width, std::int32_t rows);
