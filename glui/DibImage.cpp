#include "glui/DibImage.h"

#include <cstddef>
#include <new>

void DibImageDeleter::operator()(DibImage* image) const {
    delete[] image->pixels;
    delete image;
}

DibImageHolder CopyDibSection(const std::uint8_t* section, std::int32_t width, std::int32_t rows) {
    const std::size_t rowBytes = static_cast<std::size_t>(width) * 3;
    // A width of 5 gives 15 bytes of pixels and 1 byte of padding per section row.
    const std::size_t stride = (rowBytes + 3) / 4 * 4;
    auto* pixels = new (std::nothrow) std::uint8_t[rowBytes * static_cast<std::size_t>(rows)];
    if (pixels == nullptr)
        return nullptr;
    auto* image = new (std::nothrow) DibImage{width, rows, pixels};
    if (image == nullptr) {
        delete[] pixels;
        return nullptr;
    }
    std::uint8_t* out = pixels;
    for (std::int32_t row = 0; row < rows; ++row) {
        const std::uint8_t* in = section + stride * static_cast<std::size_t>(row);
        for (std::int32_t x = 0; x < width; ++x, in += 3, out += 3) {
            out[0] = in[2];
            out[1] = in[1];
            out[2] = in[0];
        }
    }
    return DibImageHolder(image);
}
