#include "model/GraphRecords.h"

#include <cstdlib>

std::uint32_t RandomColour() {
    const std::uint32_t r1 = static_cast<std::uint32_t>(std::rand()) % 256;
    const std::uint32_t r2 = static_cast<std::uint32_t>(std::rand()) % 256;
    const std::uint32_t r3 = static_cast<std::uint32_t>(std::rand()) % 256;
    return r1 * 65536 + r2 * 256 + r3;
}

std::string_view CutAtWholeCharacter(std::string_view gbk, std::size_t maxBytes) {
    std::size_t end = 0;
    while (end < gbk.size()) {
        const auto lead = static_cast<unsigned char>(gbk[end]);
        const std::size_t width = lead >= 0x81 && lead <= 0xFE ? 2 : 1;
        // A lead byte without the byte after it is no character either.
        if (end + width > maxBytes || end + width > gbk.size())
            break;
        end += width;
    }
    return gbk.substr(0, end);
}
