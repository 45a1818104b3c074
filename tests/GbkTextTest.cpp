#include "win/GbkText.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(GbkText, ConvertsBothWaysAndMarksWhatGbkCannotHold) {
    // Records keep GBK bytes; the controls hold UTF-16.
    const struct {
        std::string gbk;
        std::wstring wide;
    } pairs[] = {
        {"", L""},
        {"FA:\xBA\xAF\xCA\xFD y=x", L"FA:函数 y=x"},
        // The brackets of the page titles and section rules.
        {"\xA1\xBC\xD0\xFD\xD7\xAA\xBF\xD8\xD6\xC6\xA1\xBD", L"〖旋转控制〗"},
        // An embedded NUL given with its length is kept.
        {std::string("a\0b", 3), std::wstring(L"a\0b", 3)},
    };
    for (const auto& pair : pairs) {
        EXPECT_EQ(GbkToWide(pair.gbk), pair.wide) << testing::PrintToString(pair.gbk);
        EXPECT_EQ(WideToGbk(pair.wide), pair.gbk) << testing::PrintToString(pair.gbk);
    }
    EXPECT_EQ(WideToGbk(L"x\u0E01y"), "x?y");
}

} // namespace
