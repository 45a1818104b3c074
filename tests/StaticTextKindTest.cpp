#include "panel/StaticTextKind.h"

#include <gtest/gtest.h>

namespace {

// A closing 〗 anywhere makes a title; an opening 〖 at the start, never closed, a section rule.
// The GBK bytes of the two brackets (A1 BC, A1 BD) read as characters are no brackets.
TEST(ClassifyStaticText, TellsTitlesAndSectionRulesByTheirBrackets) {
    const struct {
        const wchar_t* text;
        StaticTextKind kind;
    } cases[] = {
        {L"〖坐标系控制〗", StaticTextKind::Title}, {L"旋转控制〗", StaticTextKind::Title},
        {L"〖=====〗", StaticTextKind::Title},      {L"〖-------------------", StaticTextKind::SectionRule},
        {L"〖", StaticTextKind::SectionRule},       {L"", StaticTextKind::Plain},
        {L"X轴范围", StaticTextKind::Plain},        {L"--〖--", StaticTextKind::Plain},
        {L"【标题】", StaticTextKind::Plain},       {L"\u00a1\u00bc---\u00a1\u00bd", StaticTextKind::Plain},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ClassifyStaticText(c.text), c.kind) << testing::PrintToString(std::wstring(c.text));
}

} // namespace
