#include "expr/ExpressionText.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>

namespace {

TEST(Normalize, RewritesOperatorsNamesAndBlanks) {
    const struct {
        const char* typed;
        std::string normalized;
    } cases[] = {
        {"x+1", "x\x02" "1"},         {"-x^2", "\x01x^2"},      {"2 * - 3", "2*\x01" "3"},
        {"exp(x)", "EXP(x)"},         {"tgtg", "TGTG"},         {"tg(x)+ctg(x)", "TG(x)\x02" "CTG(x)"},
        {"arctgx-arcctgx", "ARCTGx\x01" "ARCCTGx"},             {"expexp", "EXPEXP"},
        {"ARCctg1", "ARCCTG1"}, // ctg becomes CTG, which makes the upper-case name
        {"sin x", "sinx"},            {"   ", ""},              {"SIN(x)", "SIN(x)"},
    };
    for (const auto& c : cases) {
        std::string text = c.typed;
        Normalize(text.data());
        EXPECT_EQ(text.c_str(), c.normalized) << c.typed;
    }
}

TEST(ReplaceFirst, ReplacesTheFirstOccurrenceIfItFits) {
    char text[8] = "2*3+2*3";
    EXPECT_TRUE(ReplaceFirst(text, sizeof text, "2*3", "6"));
    EXPECT_STREQ(text, "6+2*3");
    EXPECT_TRUE(ReplaceFirst(text, sizeof text, "9", "1")); // no occurrence: no change
    EXPECT_FALSE(ReplaceFirst(text, sizeof text, "6", "1234")); // 8 characters: no room for the NUL
    EXPECT_STREQ(text, "6+2*3");
    EXPECT_TRUE(ReplaceFirst(text, sizeof text, "6", "123"));
    EXPECT_STREQ(text, "123+2*3");
}

TEST(ReplaceAll, MatchesRepeatedReplaceFirstAndFailsPastTheBuffer) {
    const struct {
        const char* text;
        const char* pattern;
        const char* replacement;
    } cases[] = {
        {"x*x+x", "x", "-2.5"}, {"$a$a1", "$a1", "1"}, {"$ab", "$a", "1"},
        {"aaab", "aab", "a"},   {"nothing", "$g", "9.8"}, {"xxxx", "x", ""},
    };
    for (const auto& c : cases) {
        char all[kWorkTextSize];
        char repeated[kWorkTextSize];
        std::snprintf(all, sizeof all, "%s", c.text);
        std::snprintf(repeated, sizeof repeated, "%s", c.text);
        ASSERT_TRUE(ReplaceAll(all, sizeof all, c.pattern, c.replacement));
        while (std::strstr(repeated, c.pattern) != nullptr)
            ReplaceFirst(repeated, sizeof repeated, c.pattern, c.replacement);
        EXPECT_STREQ(all, repeated) << c.text << " / " << c.pattern;
    }
    std::string hundred(100, 'x');
    hundred.resize(kWorkTextSize);
    EXPECT_FALSE(ReplaceAll(hundred.data(), kWorkTextSize, "x", "123"));
}

TEST(SplitAt, CutsAtBothSeparatorsUpToThirtyPieces) {
    const char text[] = "1*2/3*";
    SplitPieces pieces;
    ASSERT_TRUE(SplitAt(text, '*', '/', pieces));
    ASSERT_EQ(pieces.count, 4);
    const char* expected[] = {"1", "2", "3", ""};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(std::string_view(pieces.piece[i]), expected[i]);
    EXPECT_EQ((std::string{pieces.flag[0], pieces.flag[1], pieces.flag[2]}), (std::string{1, 0, 1}));
    EXPECT_TRUE(SplitAt(std::string(29, '^'), '^', '^', pieces));
    EXPECT_EQ(pieces.count, 30);
    EXPECT_FALSE(SplitAt(std::string(30, '^'), '^', '^', pieces));
}

} // namespace
