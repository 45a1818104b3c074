#include "model/GraphStore.h"

#include <gtest/gtest.h>

#include <cstring>

#include <string>

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
    EXPECT_STREQ(f.name, "FA");
    EXPECT_EQ(f.text[0], '\0');
    EXPECT_EQ(f.lower, -10);
    EXPECT_EQ(f.upper, 10);
    EXPECT_EQ(f.form, kFormX);
    EXPECT_EQ(f.hidden, 0);
    EXPECT_EQ(f.reserved, 0);
    EXPECT_EQ(f.colour >> 24, 0u);

    ParametricGraph p;
    ASSERT_TRUE(store.parametrics.CreateDefault(p, 2));
    EXPECT_STREQ(p.name, "EA");
    EXPECT_EQ(p.lower, -10);
    EXPECT_EQ(p.upper, 10);
    EXPECT_EQ(p.creatorKind, 2);
    EXPECT_EQ(p.colour >> 24, 0u);

    InequalityGroup g;
    ASSERT_TRUE(store.inequalities.CreateDefault(g));
    EXPECT_STREQ(g.name, "IA");
    EXPECT_EQ(g.xLower, -10);
    EXPECT_EQ(g.xUpper, 10);
    EXPECT_EQ(g.yLower, -10);
    EXPECT_EQ(g.yUpper, 10);
    EXPECT_EQ(g.precision, kPrecisionMedium);
    EXPECT_EQ(g.hidden, 0);
    EXPECT_EQ(g.colour >> 24, 0u);
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
        {"cost&sint&0", 0, "EA:x=cost&&y=sint&&z=0"},
        {"cost&sint&0", 1, "EA:x=cost&&y=sint&&z=0&"},
        {"cost&sint", 0, "EA:x=cost&&y=sint&&z="},
        {"t", 0, "EA:x=t&&y=&&z="},
        {"&&", 0, "EA:x=&&y=&&z="},
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

TEST(CallUserFunction, EvaluatesTheNamedFunctionAtTheArgument) {
    GraphStore store;
    store.functions.Append(Named<FunctionGraph>("FA", "x^2+$c"));
    NamedConstant c{};
    SetFieldText(c.name, "c");
    c.value = 1;
    store.constants.Append(c);
    double value = 0;
    EXPECT_TRUE(store.functions.CallUserFunction("FA", 2, &store.constants, value));
    EXPECT_EQ(value, 5);
    EXPECT_TRUE(store.functions.CallUserFunction("FA", 2, nullptr, value));
    EXPECT_EQ(value, 4); // $c unknown: the stray '$' and the name c count 0
    EXPECT_FALSE(store.functions.CallUserFunction("FQ", 2, nullptr, value));
}

} // namespace
