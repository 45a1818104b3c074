#include "panel/GbkCut.h"

namespace {

bool IsLeadByte(char c) {
    const auto byte = static_cast<unsigned char>(c);
    return byte >= 0x81 && byte <= 0xFE;
}

} // namespace

std::string_view CutGbkText(std::string_view text, std::size_t maxBytes) {
    std::size_t length = 0;
    while (length < text.size()) {
        const std::size_t next = length + (IsLeadByte(text[length]) ? 2 : 1);
        if (next > maxBytes || next > text.size())
            break;
        length = next;
    }
    return text.substr(0, length);
}
