#include "glui/DibFile.h"

#include <cstring>
#include <limits>

namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::size_t kPixelOffsetField = 10;
constexpr std::size_t kMasksSize = 12;
constexpr std::size_t kEntrySize = 4;
constexpr std::size_t kSpareSize = 4;
// The DIB headers give image sizes in 32 bits; a picture whose 24-bit form does not fit cannot be
// converted, and its size computations must not wrap.
constexpr std::uint64_t kMaxImageBytes = std::numeric_limits<std::uint32_t>::max();

std::uint16_t ReadU16(const std::uint8_t* p) {
    return static_cast<std::uint16_t>(p[0] | p[1] << 8);
}

std::uint32_t ReadU32(const std::uint8_t* p) {
    return static_cast<std::uint32_t>(p[0]) | static_cast<std::uint32_t>(p[1]) << 8 |
           static_cast<std::uint32_t>(p[2]) << 16 | static_cast<std::uint32_t>(p[3]) << 24;
}

void WriteU16(std::uint8_t* p, std::uint16_t value) {
    p[0] = static_cast<std::uint8_t>(value);
    p[1] = static_cast<std::uint8_t>(value >> 8);
}

void WriteU32(std::uint8_t* p, std::uint32_t value) {
    for (int i = 0; i < 4; ++i)
        p[i] = static_cast<std::uint8_t>(value >> (8 * i));
}

// The colour-table length a file implies when its header gives none.
std::uint32_t ColoursForDepth(std::uint16_t bitCount) {
    switch (bitCount) {
    case 1:
        return 2;
    case 4:
        return 16;
    case 8:
        return 256;
    default:
        return 0;
    }
}

// The depths GDI converts; for any other (2 bits included) it would expect a colour table that the
// file's header does not announce.
bool IsConvertibleDepth(std::uint16_t bitCount) {
    switch (bitCount) {
    case 1:
    case 4:
    case 8:
    case 16:
    case 24:
    case 32:
        return true;
    default:
        return false;
    }
}

} // namespace

DibFile::Status DibFile::Parse(const std::uint8_t* data, std::size_t size) {
    m_data = data;
    m_size = size;
    m_sourceHeader.clear();

    std::size_t info = 0;
    bool offsetKnown = false;
    std::size_t pixelOffset = 0;
    if (size >= 2 && data[0] == 'B' && data[1] == 'M') {
        if (size < kFileHeaderSize)
            return Status::UnknownFormat;
        pixelOffset = ReadU32(data + kPixelOffsetField);
        offsetKnown = true;
        info = kFileHeaderSize;
    }
    if (size - info < 4)
        return Status::UnknownFormat;
    const std::uint32_t headerSize = ReadU32(data + info);
    if ((headerSize != kCoreHeaderSize && headerSize != kInfoHeaderSize) || size - info < headerSize)
        return Status::UnknownFormat;

    const std::uint8_t* header = data + info;
    std::uint16_t planes = 0;
    std::uint16_t bitCount = 0;
    std::uint32_t compression = 0;
    std::uint32_t imageSize = 0;
    std::uint32_t xResolution = 0;
    std::uint32_t yResolution = 0;
    std::uint32_t important = 0;
    std::size_t fileEntrySize = 3;
    std::size_t masksSize = 0;
    if (headerSize == kCoreHeaderSize) {
        m_width = ReadU16(header + 4);
        m_height = ReadU16(header + 6);
        planes = ReadU16(header + 8);
        bitCount = ReadU16(header + 10);
        m_colourCount = ColoursForDepth(bitCount);
        important = m_colourCount;
    } else {
        m_width = static_cast<std::int32_t>(ReadU32(header + 4));
        m_height = static_cast<std::int32_t>(ReadU32(header + 8));
        planes = ReadU16(header + 12);
        bitCount = ReadU16(header + 14);
        compression = ReadU32(header + 16);
        imageSize = ReadU32(header + 20);
        xResolution = ReadU32(header + 24);
        yResolution = ReadU32(header + 28);
        const std::uint32_t used = ReadU32(header + 32) & 0xFFFF;
        important = ReadU32(header + 36);
        m_colourCount = used != 0 ? used : ColoursForDepth(bitCount);
        fileEntrySize = kEntrySize;
        // GDI takes the masks from where the colour table would begin.
        if (compression == kBitFields)
            masksSize = kMasksSize;
    }

    const std::size_t table = info + headerSize;
    const std::size_t tableSize = masksSize + fileEntrySize * m_colourCount;
    if (size - table < tableSize)
        return Status::UnknownFormat;
    m_pixelOffset = offsetKnown ? pixelOffset : table + tableSize;

    const Status pixels = CheckPixelData(bitCount, compression, imageSize);
    if (pixels != Status::Ok)
        return pixels;

    m_sourceHeader.assign(kInfoHeaderSize + masksSize + kEntrySize * m_colourCount + kSpareSize, 0);
    std::uint8_t* out = m_sourceHeader.data();
    WriteU32(out, kInfoHeaderSize);
    WriteU32(out + 4, static_cast<std::uint32_t>(m_width));
    WriteU32(out + 8, static_cast<std::uint32_t>(m_height));
    WriteU16(out + 12, planes);
    WriteU16(out + 14, bitCount);
    WriteU32(out + 16, compression);
    WriteU32(out + 20, imageSize);
    WriteU32(out + 24, xResolution);
    WriteU32(out + 28, yResolution);
    WriteU32(out + 32, m_colourCount);
    WriteU32(out + 36, important);
    std::memcpy(out + kInfoHeaderSize, data + table, masksSize);
    std::uint8_t* entry = out + kInfoHeaderSize + masksSize;
    for (const std::uint8_t* source = data + table + masksSize; source != data + table + tableSize;
         source += fileEntrySize, entry += kEntrySize)
        std::memcpy(entry, source, fileEntrySize);
    return Status::Ok;
}

DibFile::Status DibFile::CheckPixelData(std::uint16_t bitCount, std::uint32_t compression,
                                        std::uint32_t& imageSize) const {
    if (m_width <= 0 || m_height == 0 || !IsConvertibleDepth(bitCount))
        return Status::BadPixelData;
    const std::uint64_t width = static_cast<std::uint64_t>(m_width);
    const std::uint64_t rows = m_height < 0 ? -static_cast<std::int64_t>(m_height) : m_height;
    // This also keeps |height| well inside 32 bits.
    if ((width * 3 + 3) / 4 * 4 * rows > kMaxImageBytes)
        return Status::BadPixelData;
    if (imageSize == 0) {
        // The sign of the height is the row order, not part of the size.
        const std::uint64_t packed = (bitCount * width + 7) / 8 * rows;
        if (packed > kMaxImageBytes)
            return Status::BadPixelData;
        imageSize = static_cast<std::uint32_t>(packed);
    }

    if (m_pixelOffset >= m_size)
        return Status::BadPixelData;
    const std::uint64_t available = m_size - m_pixelOffset;
    // The run-length decoder stops at the declared image size.
    if (compression == kRle8 || compression == kRle4)
        return imageSize <= available ? Status::Ok : Status::BadPixelData;
    // Other rows are padded to 4 bytes, and GDI reads the padding of the last row too.
    const std::uint64_t stride = (bitCount * width + 31) / 32 * 4;
    return stride * rows <= available ? Status::Ok : Status::BadPixelData;
}
