#include "model/GraphStore.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <set>
#include <string>
#include <tuple>
#include <type_traits>

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
    // Creating a default record then leaves it all zero.
    FunctionGraph f;
    std::memset(&f, 0x55, sizeof f);
    EXPECT_FALSE(userNamed.CreateDefault(f, kFormY));
    const FunctionGraph zero{};
    EXPECT_EQ(std::memcmp(&f, &zero, sizeof f), 0);
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
}

// Default colours are random in each of the three channels: across 64 new records every channel
// takes many values, and no colour has bits above blue.
TEST(CreateDefault, ColoursVaryInEveryChannel) {
    std::srand(20261207);
    std::set<std::uint32_t> channel[3];
    for (int i = 0; i < 64; ++i) {
        FunctionGraphList functions;
        FunctionGraph f;
        ASSERT_TRUE(functions.CreateDefault(f, kFormY));
        ASSERT_LT(f.colour, 0x1000000u);
        for (int c = 0; c < 3; ++c)
            channel[c].insert((f.colour >> (8 * c)) & 0xFF);
    }
    for (int c = 0; c < 3; ++c)
        EXPECT_GT(channel[c].size(), 32u) << c;
}

// The list line of a list holding the one record.
template <typename List>
std::string LineOf(List& list, const char* name, const char* text, std::int32_t hidden) {
    list.Clear();
    list.Append(Named<std::remove_cvref_t<decltype(list[0])>>(name, text, hidden));
    return list.FormatListText(0);
}

TEST(FormatListText, DescribesEachKindWithTheHiddenMark) {
    FunctionGraphList functions;
    ParametricGraphList parametrics;
    InequalityGroupList inequalities;
    const struct {
        const char* name; // its letter gives the list
        const char* text;
        std::int32_t hidden;
        const char* line;
    } cases[] = {
        {"FA", "cosx", 0, "FA:y=cosx"},
        {"FA", "cosx", 1, "FA:y=cosx&"},
        {"FC", "1", 2, "FC:y=1"}, // only 1 hides
        {"EA", "cost&sint&0", 0, "EA:x=cost&&y=sint&&z=0"},
        {"EA", "cost&sint&0", 1, "EA:x=cost&&y=sint&&z=0&"},
        {"EA", "cost&sint", 0, "EA:x=cost&&y=sint&&z="},
        {"EA", "t", 0, "EA:x=t&&y=&&z="},
        {"EA", "&&", 0, "EA:x=&&y=&&z="},
        {"EA", "a&b&c&d", 0, "EA:x=a&&y=b&&z=c"},
        {"IA", "x>y", 0, "IA:x>y"},
        {"IB", "x<1", 1, "IB:x<1&"},
        {"IC", "x>0&y>0", 0, "IC:x>0&&y>0"},
        {"ID", "x>0&", 1, "ID:x>0&&&"}, // '&' doubled
    };
    for (const auto& c : cases) {
        const std::string line = c.name[0] == 'F'   ? LineOf(functions, c.name, c.text, c.hidden)
                                 : c.name[0] == 'E' ? LineOf(parametrics, c.name, c.text, c.hidden)
                                                    : LineOf(inequalities, c.name, c.text, c.hidden);
        EXPECT_EQ(line, c.line) << c.name << " " << c.text;
    }
    FunctionGraph x = Named<FunctionGraph>("FB", "y^2", 1);
    x.form = kFormX;
    functions.Append(x);
    EXPECT_EQ(functions.FormatListText(1), "FB:x=y^2&");
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
