#pragma once

#include <algorithm>
#include <iterator>
#include <stdexcept>
#include <string>
#include <string_view>

// The program's texts are GBK bytes; tests write them readably in UTF-8 and turn them into GBK
// with this table of the characters they use (bytes taken from iconv's GBK table).
inline std::string Gbk(std::string_view utf8) {
    static constexpr struct {
        std::string_view utf8;
        std::string_view gbk;
    } kCharacters[] = {
        {"斜", "\xD0\xB1"}, {"率", "\xC2\xCA"}, {"倾", "\xC7\xE3"}, {"角", "\xBD\xC7"}, {"轴", "\xD6\xE1"},
        {"截", "\xBD\xD8"}, {"距", "\xBE\xE0"}, {"夹", "\xBC\xD0"}, {"模", "\xC4\xA3"}, {"积", "\xBB\xFD"},
        {"即", "\xBC\xB4"}, {"平", "\xC6\xBD"}, {"行", "\xD0\xD0"}, {"没", "\xC3\xBB"}, {"有", "\xD3\xD0"},
        {"错", "\xB4\xED"}, {"误", "\xCE\xF3"}, {"：", "\xA3\xBA"}, {"（", "\xA3\xA8"}, {"）", "\xA3\xA9"},
        {"圆", "\xD4\xB2"}, {"周", "\xD6\xDC"}, {"常", "\xB3\xA3"}, {"量", "\xC1\xBF"}, {"名", "\xC3\xFB"},
        {"函", "\xBA\xAF"}, {"数", "\xCA\xFD"},
    };
    std::string gbk;
    while (!utf8.empty()) {
        if (static_cast<unsigned char>(utf8.front()) < 0x80) {
            gbk += utf8.front();
            utf8.remove_prefix(1);
            continue;
        }
        const auto* found = std::find_if(std::begin(kCharacters), std::end(kCharacters),
                                         [&](const auto& c) { return utf8.starts_with(c.utf8); });
        if (found == std::end(kCharacters))
            throw std::invalid_argument("no GBK bytes in the test table for " +
                                        std::string(utf8.substr(0, 3)));
        gbk += found->gbk;
        utf8.remove_prefix(found->utf8.size());
    }
    return gbk;
}
