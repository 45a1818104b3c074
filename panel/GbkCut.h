#pragma once

#include <cstddef>
#include <string_view>

// The longest beginning of a GBK text that fits in maxBytes without splitting a character (a
// lead byte 0x81 to 0xFE and the byte after it), for record fields counted in bytes.
std::string_view CutGbkText(std::string_view text, std::size_t maxBytes);
