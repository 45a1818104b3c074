#include "model/GraphStore.h"

#include <gtest/gtest.h>

#include <cstring>

#include <string>
#include <tuple>

namespace {

template <typename Record>
Record Named(const char* name, const char* text = "", std::int32_t hidden = 0) {
    Record r{};
    SetFieldText(r.name, name);
    SetFieldText(r.text, text);
    r.hidden = hidden;
    return r;
}

std::string FreeName(const FunctionGraphList& list) {
    char name[kNameSize];
    return list.NextFreeName(name) ? std::string(name) : "<none>";
}

TEST(NextFreeName, TakesTheFirstUnusedLetterOfTheList) {
    FunctionGraphList functions;
    EXPECT_EQ(FreeName(functions), "FA");
    functions.Append(Named<FunctionGraph>("FA"));
    functions.Append(Named<FunctionGraph>("FC"));
    EXPECT_EQ(FreeName(functions), "FB");
    functions.Append(Named<FunctionGraph>("fb")); // names are compared exactly
    EXPECT_EQ(FreeName(functions), "FB");

    ParametricGraphList parametrics;
    InequalityGroupList inequalities;
    char name[kNameSize];
    ASSERT_TRUE(parametrics.NextFreeName(name));
    EXPECT_STREQ(name, "EA");
    ASSERT_TRUE(inequalities.NextFreeName(name));
    EXPECT_STREQ(name, "IA");
}

TEST(NextFreeName, FindsNothingOnceTwentySixRecordsExist) {
    FunctionGraphList allLetters;
    FunctionGraphList userNamed;
    for (int i = 0; i < 26; ++i) {
        const char letter[3] = {'F', static_cast<char>('A' + i), '\0'};
        allLetters.Append(Named<FunctionGraph>(letter));
        userNamed.Append(Named<FunctionGraph>("mine"));
    }
    EXPECT_EQ(FreeName(allLetters), "<none>");
    EXPECT_EQ(FreeName(userNamed), "<none>");
    allLetters.RemoveAt(7);
    EXPECT_EQ(FreeName(allLetters), "FH");
}

TEST(CreateDefault, FillsTheDefaultsOfEachKind) {
    GraphStore store;
    FunctionGraph f;
    ASSERT_TRUE(store.functions.CreateDefault(f, kFormX));
    EXPECT_EQ(FieldText(f.name), "FA");
    EXPECT_EQ((std::tuple{f.text[0], f.lower, f.upper, f.form, f.hidden, f.reserved}),
              (std::tuple{'\0', -10.0, 10.0, kFormX, 0, 0}));
    ParametricGraph p;
    ASSERT_TRUE(store.parametrics.CreateDefault(p, 2));
    EXPECT_EQ(FieldText(p.name), "EA");
    EXPECT_EQ((std::tuple{p.lower, p.upper, p.creatorKind, p.hidden}), (std::tuple{-10.0, 10.0, 2, 0}));
    InequalityGroup g;
    ASSERT_TRUE(store.inequalities.CreateDefault(g));
    EXPECT_EQ(FieldText(g.name), "IA");
    EXPECT_EQ((std::tuple{g.xLower, g.xUpper, g.yLower, g.yUpper, g.precision, g.hidden}),
              (std::tuple{-10.0, 10.0, -10.0, 10.0, kPrecisionMedium, 0}));
    // Random colours, with the high byte clear.
    EXPECT_EQ((f.colour | p.colour | g.colour) >> 24, 0u);
}

TEST(CreateDefault, LeavesAZeroRecordWhenNoNameIsFree) {
    FunctionGraphList functions;
    for (int i = 0; i < 26; ++i)
        functions.Append(Named<FunctionGraph>("x"));
    FunctionGraph f;
    std::memset(&f, 0x55, sizeof f);
    EXPECT_FALSE(functions.CreateDefault(f, kFormY));
    const FunctionGraph zero{};
    EXPECT_EQ(std::memcmp(&f, &zero, sizeof f), 0);
}

TEST(FormatListText, DescribesEachKindWithTheHiddenMark) {
    FunctionGraphList functions;
    functions.Append(Named<FunctionGraph>("FA", "cosx"));
    functions.Append(Named<FunctionGraph>("FA", "cosx", 1));
    FunctionGraph x = Named<FunctionGraph>("FB", "y^2", 1);
    x.form = kFormX;
    functions.Append(x);
    functions.Append(Named<FunctionGraph>("FC", "1", 2)); // only 1 hides
    EXPECT_EQ(functions.FormatListText(0), "FA:y=cosx");
    EXPECT_EQ(functions.FormatListText(1), "FA:y=cosx&");
    EXPECT_EQ(functions.FormatListText(2), "FB:x=y^2&");
    EXPECT_EQ(functions.FormatListText(3), "FC:y=1");

    ParametricGraphList parametrics;
    const struct {
        const char* text;
        std::int32_t hidden;
        const char* line;
    } cases[] = {
        {"cost&sint&0", 0, "EA:x=cost&&y=sint&&z=0"}, {"cost&sint&0", 1, "EA:x=cost&&y=sint&&z=0&"},
        {"cost&sint", 0, "EA:x=cost&&y=sint&&z="}, {"t", 0, "EA:x=t&&y=&&z="}, {"&&", 0, "EA:x=&&y=&&z="},
        {"a&b&c&d", 0, "EA:x=a&&y=b&&z=c"},
    };
    for (const auto& c : cases) {
        parametrics.Clear();
        parametrics.Append(Named<ParametricGraph>("EA", c.text, c.hidden));
        EXPECT_EQ(parametrics.FormatListText(0), c.line) << c.text;
    }

    InequalityGroupList inequalities;
    inequalities.Append(Named<InequalityGroup>("IA", "x>y"));
    inequalities.Append(Named<InequalityGroup>("IB", "x<1", 1));
    EXPECT_EQ(inequalities.FormatListText(0), "IA:x>y");
    EXPECT_EQ(inequalities.FormatListText(1), "IB:x<1&");
}

TEST(FindByName, IsExactAndTakesTheFirst) {
    FunctionGraphList functions;
    functions.Append(Named<FunctionGraph>("FA", "1"));
    functions.Append(Named<FunctionGraph>("FB", "2"));
    functions.Append(Named<FunctionGraph>("FB", "3"));
    EXPECT_EQ(functions.FindByName("FB"), 1);
    EXPECT_EQ(functions.FindByName("fb"), -1);
    EXPECT_EQ(functions.FindByName("F"), -1);
    EXPECT_EQ(functions.FindByName("FAB"), -1);
}

} // namespace
