#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

// A BMP file image held in memory (the whole file, as mapped): an optional 14-byte file header,
// a 12- or 40-byte info header with its colour table, and the pixel data. The system's DIB
// conversion trusts whatever header it is given, so Parse checks every offset and size against
// the file's length first; what it accepts can be handed to SetDIBits as it stands.
class DibFile {
public:
    enum class Status {
        Ok,
        // The info header is neither 12 nor 40 bytes long, or a header or the colour table is cut
        // off by the end of the file.
        UnknownFormat,
        // The dimensions or the depth are impossible, or the pixel data does not fit in the file.
        BadPixelData,
    };

    static constexpr std::uint32_t kCoreHeaderSize = 12;
    static constexpr std::uint32_t kInfoHeaderSize = 40;
    static constexpr std::uint32_t kRle8 = 1;
    static constexpr std::uint32_t kRle4 = 2;
    static constexpr std::uint32_t kBitFields = 3;

    // The data must stay valid while the object is used.
    Status Parse(const std::uint8_t* data, std::size_t size);

    // The normalised source header block: a 40-byte info header, the three colour masks of a
    // bit-field file, the n colour-table entries as 4-byte B, G, R, 0 entries, and 4 spare bytes.
    // Its colours-used field always equals n, so GDI reads no entry past the block.
    const std::vector<std::uint8_t>& SourceHeader() const { return m_sourceHeader; }
    // n, the number of colour-table entries in the file and in the block.
    std::uint32_t ColourCount() const { return m_colourCount; }
    std::size_t PixelOffset() const { return m_pixelOffset; }
    const std::uint8_t* Pixels() const { return m_data + m_pixelOffset; }
    std::int32_t Width() const { return m_width; }
    // Negative for a file stored top-down, as in the file.
    std::int32_t Height() const { return m_height; }

private:
    Status CheckPixelData(std::uint16_t bitCount, std::uint32_t compression, std::uint32_t& imageSize) const;

    const std::uint8_t* m_data = nullptr;
    std::size_t m_size = 0;
    std::vector<std::uint8_t> m_sourceHeader;
    std::uint32_t m_colourCount = 0;
    std::size_t m_pixelOffset = 0;
    std::int32_t m_width = 0;
    std::int32_t m_height = 0;
};
