// Parses arbitrary bytes as an image file, as the loader does before GDI sees them, and checks
// what GDI would then be handed, by GDI's own rules: the masks and colour entries it reads lie
// inside the normalised header, and the pixel bytes it reads lie inside the file. Accepted small
// pictures go through the row copy as well.
#include "glui/DibFile.h"
#include "glui/DibImage.h"

#include <cstdint>
#include <cstdlib>
#include <vector>

namespace {

// Larger pictures are checked but not copied, to keep each run fast.
constexpr std::uint64_t kMaxCopiedPixels = 1 << 16;

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
    Check(header.size() >= 44);
    const std::int32_t width = static_cast<std::int32_t>(FieldU32(header, 4));
    const std::int32_t height = static_cast<std::int32_t>(FieldU32(header, 8));
    const std::uint32_t bitCount = header[14] | header[15] << 8;
    const std::uint32_t compression = FieldU32(header, 16);
    const std::uint32_t imageSize = FieldU32(header, 20);
    Check(FieldU32(header, 0) == 40 && width == dib.Width() && height == dib.Height() && width > 0 &&
          height != 0);

    // GDI takes the masks of a bit-field file, then as many entries as colours used says, or as
    // the depth allows when it says 0.
    std::uint64_t entries = FieldU32(header, 32);
    if (entries == 0 && bitCount <= 8)
        entries = std::uint64_t{1} << bitCount;
    const std::uint64_t masks = compression == DibFile::kBitFields ? 12 : 0;
    Check(40 + masks + 4 * entries <= header.size());

    const std::uint64_t rows = height < 0 ? -static_cast<std::int64_t>(height) : height;
    Check(dib.PixelOffset() < size);
    const std::uint64_t available = size - dib.PixelOffset();
    if (compression == DibFile::kRle8 || compression == DibFile::kRle4)
        Check(imageSize != 0 && imageSize <= available);
    else
        Check((bitCount * static_cast<std::uint64_t>(width) + 31) / 32 * 4 * rows <= available);

    if (static_cast<std::uint64_t>(width) * rows > kMaxCopiedPixels)
        return 0;
    const std::size_t stride = (static_cast<std::size_t>(width) * 3 + 3) / 4 * 4;
    std::vector<std::uint8_t> section(stride * rows);
    for (std::size_t i = 0; i < section.size(); ++i)
        section[i] = data[i % size];
    const DibImageHolder image = CopyDibSection(section.data(), width, static_cast<std::int32_t>(rows));
    Check(image != nullptr && image->width == width && static_cast<std::uint64_t>(image->height) == rows);
    // The last pixel of the top row is the last one copied: B, G, R at the end of its section row.
    const std::uint8_t* last = image->pixels + (rows * width - 1) * 3;
    const std::uint8_t* source = section.data() + (rows - 1) * stride + (width - 1) * 3;
    Check(last[0] == source[2] && last[1] == source[1] && last[2] == source[0]);
    return 0;
}
