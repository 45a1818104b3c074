#include "panel/GuideTopic.h"

#include <gtest/gtest.h>

namespace {

// The title is what comes before the first full-width colon, the text what follows it, with
// its line breaks made CRLF for the multi-line box.
TEST(SplitGuideTopic, SplitsAtTheFirstFullWidthColon) {
    const struct {
        const wchar_t* topic;
        const wchar_t* title;
        const wchar_t* text;
    } cases[] = {
        {L"如何书写任意底数的对数函数：可以运用换底公式，如写成lgx/lg2", L"如何书写任意底数的对数函数",
         L"可以运用换底公式，如写成lgx/lg2"},
        {L"可供调用的默认函数列表：sin,cos,tg,arcsec,\narccsc, lg, ln, exp, abs", L"可供调用的默认函数列表",
         L"sin,cos,tg,arcsec,\r\narccsc, lg, ln, exp, abs"},
        {L"甲：乙：丙", L"甲", L"乙：丙"},
        {L"：只有内容", L"", L"只有内容"},
        {L"只有标题：", L"只有标题", L""},
        {L"函数嵌套注意", L"函数嵌套注意", L"函数嵌套注意"}, // no colon: shown whole and listed whole
        {L"FB:y=FA(x)+x", L"FB:y=FA(x)+x", L"FB:y=FA(x)+x"}, // an ASCII colon splits nothing
    };
    for (const auto& c : cases) {
        const GuideTopic topic = SplitGuideTopic(c.topic);
        EXPECT_EQ(topic.title, c.title) << testing::PrintToString(std::wstring(c.topic));
        EXPECT_EQ(topic.text, c.text) << testing::PrintToString(std::wstring(c.topic));
    }
}

TEST(SplitGuideTopic, MakesEveryLineBreakCrLf) {
    const struct {
        const wchar_t* topic;
        const wchar_t* text;
    } cases[] = {
        {L"题：a\nb", L"a\r\nb"},       {L"题：a\r\nb", L"a\r\nb"},         {L"题：a\rb", L"a\r\nb"},
        {L"题：a\n\nb", L"a\r\n\r\nb"}, {L"题：a\r\n\r\nb", L"a\r\n\r\nb"}, {L"题：a\n\rb", L"a\r\n\r\nb"},
        {L"题：\n", L"\r\n"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(SplitGuideTopic(c.topic).text, c.text) << testing::PrintToString(std::wstring(c.topic));
}

} // namespace
