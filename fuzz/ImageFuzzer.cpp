// Parses arbitrary bytes as an image file, as the loader does before GDI sees them, and checks
// what GDI would then be handed, by GDI's own rules: the masks and colour entries it reads lie
// inside the normalised header, and the pixel bytes it reads lie inside the file. Small accepted
// pictures go through the row copy as well, whose reads the sanitizers watch.
#include "glui/DibFile.h"
#include "glui/DibImage.h"

#include <cstdint>
#include <cstdlib>
#include <vector>

namespace {

std::uint32_t FieldU32(const std::vector<std::uint8_t>& header, std::size_t at) {
    return static_cast<std::uint32_t>(header[at]) | static_cast<std::uint32_t>(header[at + 1]) << 8 |
           static_cast<std::uint32_t>(header[at + 2]) << 16 |
           static_cast<std::uint32_t>(header[at + 3]) << 24;
}

void Check(bool condition) {
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    DibFile dib;
    if (dib.Parse(data, size) != DibFile::Status::Ok)
        return 0;

    const std::vector<std::uint8_t>& header = dib.SourceHeader();
    Check(header.size() >= 44 && FieldU32(header, 0) == 40);
    const auto width = static_cast<std::int32_t>(FieldU32(header, 4));
    const auto height = static_cast<std::int32_t>(FieldU32(header, 8));
    const std::uint32_t bitCount = FieldU32(header, 12) >> 16;
    const std::uint32_t compression = FieldU32(header, 16);
    Check(width == dib.Width() && height == dib.Height() && width > 0 && height != 0);

    // GDI takes the masks of a bit-field file, then as many entries as colours used says, or as
    // the depth allows when it says 0.
    std::uint64_t entries = FieldU32(header, 32);
    if (entries == 0 && bitCount <= 8)
        entries = std::uint64_t{1} << bitCount;
    Check(40 + (compression == DibFile::kBitFields ? 12 : 0) + 4 * entries <= header.size());

    const std::uint64_t rows = height < 0 ? -static_cast<std::int64_t>(height) : height;
    Check(dib.PixelOffset() < size);
    const std::uint64_t available = size - dib.PixelOffset();
    const std::uint32_t imageSize = FieldU32(header, 20);
    if (compression == DibFile::kRle8 || compression == DibFile::kRle4)
        Check(imageSize != 0 && imageSize <= available);
    else
        Check((bitCount * static_cast<std::uint64_t>(width) + 31) / 32 * 4 * rows <= available);

    if (static_cast<std::uint64_t>(width) * rows <= 1 << 16) {
        const std::vector<std::uint8_t> section((static_cast<std::size_t>(width) * 3 + 3) / 4 * 4 * rows);
        const DibImageHolder image = CopyDibSection(section.data(), width, static_cast<std::int32_t>(rows));
        Check(image != nullptr && image->width == width && static_cast<std::uint64_t>(image->height) == rows);
    }
    return 0;
}
