#include "panel/StaticTextKind.h"

#include <gtest/gtest.h>

namespace {

TEST(ClassifyStaticText, TellsTitlesAndSectionRulesByTheirBrackets) {
    const struct {
        const wchar_t* text;
        StaticTextKind kind;
    } cases[] = {
        {L"〖坐标系控制〗", StaticTextKind::Title},
        {L"〖旋转控制〗", StaticTextKind::Title},
        {L"旋转控制〗", StaticTextKind::Title},
        {L"〖=====〗", StaticTextKind::Title},
        {L"〖-------------------", StaticTextKind::SectionRule},
        {L"〖===", StaticTextKind::SectionRule},
        {L"〖", StaticTextKind::SectionRule},
        {L"", StaticTextKind::Plain},
        {L"X轴范围", StaticTextKind::Plain},
        {L"--〖--", StaticTextKind::Plain},
        {L"[-------", StaticTextKind::Plain},
        {L"【标题】", StaticTextKind::Plain},
        // The bytes A1 BC and A1 BD of the two brackets in GBK, read as characters, are no brackets.
        {L"\u00a1\u00bc---", StaticTextKind::Plain},
        {L"x\u00a1\u00bd", StaticTextKind::Plain},
        {L"\u3015\u3018", StaticTextKind::Plain},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ClassifyStaticText(c.text), c.kind) << testing::PrintToString(std::wstring(c.text));
}

} // namespace
