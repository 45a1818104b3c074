#include "panel/GbkText.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// Records keep GBK bytes; the controls hold UTF-16. Rows that convert both ways unchanged.
const struct {
    std::string gbk;
    std::wstring wide;
} kPairs[] = {
    {"", L""},
    {"FA:y=x^2+sin(x)&", L"FA:y=x^2+sin(x)&"},
    {"\xBA\xAF\xCA\xFD", L"函数"},
    {"FA:\xBA\xAF\xCA\xFD y=x", L"FA:函数 y=x"},
    // The brackets of the page titles and section rules.
    {"\xA1\xBC\xD0\xFD\xD7\xAA\xBF\xD8\xD6\xC6\xA1\xBD", L"〖旋转控制〗"},
    // A record's text cut at its NUL still converts the bytes before it, and an embedded NUL
    // given with its length is kept.
    {std::string("a\0b", 3), std::wstring(L"a\0b", 3)},
};

TEST(GbkText, ConvertsGbkBytesToUtf16) {
    for (const auto& pair : kPairs)
        EXPECT_EQ(GbkToWide(pair.gbk), pair.wide) << testing::PrintToString(pair.gbk);
}

TEST(GbkText, ConvertsUtf16ToGbkBytes) {
    for (const auto& pair : kPairs)
        EXPECT_EQ(WideToGbk(pair.wide), pair.gbk) << testing::PrintToString(pair.gbk);
}

TEST(GbkText, EveryAsciiCharacterPassesUnchanged) {
    std::string ascii;
    std::wstring wide;
    for (int c = 1; c < 0x80; ++c) {
        ascii += static_cast<char>(c);
        wide += static_cast<wchar_t>(c);
    }
    EXPECT_EQ(GbkToWide(ascii), wide);
    EXPECT_EQ(WideToGbk(wide), ascii);
}

TEST(GbkText, ACharacterGbkCannotHoldBecomesAQuestionMark) {
    EXPECT_EQ(WideToGbk(L"x\u0E01y"), "x?y");
}

TEST(GbkText, TypedChineseSurvivesTheRoundTripThroughARecord) {
    const std::wstring typed = L"$常数:=3.14159（圆周率）";
    EXPECT_EQ(GbkToWide(WideToGbk(typed)), typed);
}

} // namespace
