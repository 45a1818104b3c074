#include "panel/GbkCut.h"

#include "tests/GbkLiterals.h"

#include <gtest/gtest.h>

namespace {

// A two-byte character is kept whole or dropped whole, whatever its second byte (which may be
// ASCII, as in 81 40).
TEST(CutGbkText, KeepsWholeCharactersWithinTheBytes) {
    const struct {
        std::string text;
        std::size_t maxBytes;
        std::string cut;
    } cases[] = {
        {"", 9, ""},
        {"ABCDEFGHIJKL", 9, "ABCDEFGHI"},
        {"PI", 9, "PI"},
        {"abc", 0, ""},
        {Gbk("圆周率"), 6, Gbk("圆周率")},
        {Gbk("圆周率"), 5, Gbk("圆周")},
        {Gbk("a圆周率"), 2, Gbk("a")},
        {Gbk("a圆周率"), 4, Gbk("a圆")},
        {Gbk("a圆周率"), 5, Gbk("a圆周")},
        {"\x81\x40x", 1, ""},
        {"\x81\x40x", 2, "\x81\x40"},
        {"ab\xB3", 9, "ab"}, // a lead byte without its second byte is no character
    };
    for (const auto& c : cases)
        EXPECT_EQ(CutGbkText(c.text, c.maxBytes), c.cut) << c.text << " in " << c.maxBytes;
}

} // namespace
