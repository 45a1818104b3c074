#include "expr/ExpressionText.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>

namespace {

std::string Normalized(std::string text) {
    Normalize(text.data());
    return text.c_str();
}

TEST(Normalize, RewritesOperatorsNamesAndBlanks) {
    const struct {
        const char* typed;
        std::string normalized;
    } cases[] = {
        {"x+1", "x\x02" "1"},
        {"-x^2", "\x01x^2"},
        {"2 * - 3", "2*\x01" "3"},
        {"exp(x)", "EXP(x)"},
        {"tg(x)+ctg(x)", "TG(x)\x02" "CTG(x)"},
        {"arctgx-arcctgx", "ARCTGx\x01" "ARCCTGx"},
        {"tgtg", "TGTG"},
        {"expexp", "EXPEXP"},
        {"ARCctg1", "ARCCTG1"}, // ctg becomes CTG, which makes the upper-case name
        {"sin x", "sinx"},
        {"   ", ""},
        {"", ""},
        {"SIN(x)", "SIN(x)"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Normalized(c.typed), c.normalized) << c.typed;
}

TEST(ReplaceFirst, ReplacesOnlyTheFirstOccurrence) {
    char text[kWorkTextSize] = "2*3+2*3";
    EXPECT_TRUE(ReplaceFirst(text, sizeof text, "2*3", "6"));
    EXPECT_STREQ(text, "6+2*3");
    EXPECT_TRUE(ReplaceFirst(text, sizeof text, "9", "1"));
    EXPECT_STREQ(text, "6+2*3");
}

TEST(ReplaceFirst, RefusesToOverflowAndLeavesTheText) {
    char text[8] = "abc";
    EXPECT_FALSE(ReplaceFirst(text, sizeof text, "b", "123456"));
    EXPECT_STREQ(text, "abc");
    EXPECT_TRUE(ReplaceFirst(text, sizeof text, "b", "12345"));
    EXPECT_STREQ(text, "a12345c");
}

TEST(ReplaceAll, MatchesRepeatedReplaceFirst) {
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
}

TEST(ReplaceAll, FailsWhenTheTextOutgrowsItsBuffer) {
    char text[kWorkTextSize] = {};
    std::memset(text, 'x', 100);
    EXPECT_TRUE(ReplaceAll(text, sizeof text, "x", "1"));
    std::memset(text, 'x', 100);
    EXPECT_FALSE(ReplaceAll(text, sizeof text, "x", "123"));
}

TEST(SplitAt, CutsAtBothSeparatorsAndFlagsWhich) {
    char text[] = "1*2/3*";
    SplitPieces pieces;
    ASSERT_TRUE(SplitAt(text, '*', '/', pieces));
    ASSERT_EQ(pieces.count, 4);
    EXPECT_EQ(std::string_view(pieces.piece[0]), "1");
    EXPECT_EQ(std::string_view(pieces.piece[1]), "2");
    EXPECT_EQ(std::string_view(pieces.piece[2]), "3");
    EXPECT_EQ(std::string_view(pieces.piece[3]), "");
    EXPECT_STREQ(text, "1*2/3*"); // the text itself stays as it was
    EXPECT_EQ(pieces.flag[0], 1);
    EXPECT_EQ(pieces.flag[1], 0);
    EXPECT_EQ(pieces.flag[2], 1);
}

TEST(SplitAt, AllowsThirtyPiecesAndNoMore) {
    std::string thirty(29, '^');
    std::string thirtyOne(30, '^');
    SplitPieces pieces;
    EXPECT_TRUE(SplitAt(thirty.data(), '^', '^', pieces));
    EXPECT_EQ(pieces.count, 30);
    EXPECT_FALSE(SplitAt(thirtyOne.data(), '^', '^', pieces));
}

} // namespace
