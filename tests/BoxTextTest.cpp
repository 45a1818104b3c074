#include "panel/BoxText.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace {

TEST(ReadNumberBox, KeepsTheShownValueOfABoxLeftAsItWas) {
    const struct {
        const char* text;
        double value; // the field's value afterwards, from 7
    } cases[] = {
        {"3.14159", 3.14159265}, // as shown: the value it was filled from, all of it
        {"3.141590", 3.14159},   // typed anew, though it reads the same
        {"2", 2},
        {"abc", 0}, // no number reads 0
        {"inf", 7}, // not finite: the field keeps its value
        {"1e999", 7},
        {"400", 7}, // refused by the check below
        {"-360", -360},
    };
    for (const auto& c : cases) {
        double value = 7;
        ReadNumberBox(c.text, "3.14159", 3.14159265, value, [](double v) { return std::fabs(v) <= 360; });
        EXPECT_EQ(value, c.value) << c.text;
    }
}

TEST(RemoveCharacter, TakesTheCharacterOutAndKeepsTheCaretInPlace) {
    const struct {
        const wchar_t* text;
        std::size_t caret;
        const wchar_t* kept;
        std::size_t keptCaret;
        bool removed;
    } cases[] = {
        {L"a&b", 2, L"ab", 1, true},         // typed after a: the caret stays after a
        {L"cos&t&&1", 8, L"cost1", 5, true}, // pasted, caret at the end
        {L"&&", 1, L"", 0, true},
        {L"x&y", 0, L"xy", 0, true},
        {L"sint", 4, L"sint", 4, false},
        {L"函&数", 3, L"函数", 2, true},
    };
    for (const auto& c : cases) {
        std::wstring text = c.text;
        std::size_t caret = c.caret;
        EXPECT_EQ(RemoveCharacter(text, L'&', caret), c.removed);
        EXPECT_EQ(text, c.kept);
        EXPECT_EQ(caret, c.keptCaret);
    }
}

} // namespace
