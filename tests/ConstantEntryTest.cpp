#include "panel/ConstantEntry.h"

#include "model/ConstantTable.h"
#include "tests/GbkLiterals.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

NamedConstant Constant(std::string_view name, double value) {
    NamedConstant constant{};
    SetFieldText(constant.name, name);
    constant.value = value;
    return constant;
}

TEST(ConstantLineText, WritesNameEqualsPercentG) {
    const struct {
        NamedConstant constant;
        std::string line;
    } cases[] = {
        {Constant("PI", 3.14159265), "PI=3.14159"},
        {Constant("g", 9.8), "g=9.8"},
        {Constant("big", 1e10), "big=1e+10"},
        {Constant("tiny", -1.5e-5), "tiny=-1.5e-05"},
        {Constant("z", -0.0), "z=0"},
        {Constant(Gbk("圆周率"), 3.14159265), Gbk("圆周率=3.14159")},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ConstantLineText(c.constant), c.line) << c.line;
}

// A name field from a hand-made file may fill all 16 bytes without a NUL.
TEST(ConstantLineText, ReadsAFullNameFieldWithoutTerminator) {
    NamedConstant constant = Constant("", 1);
    std::memcpy(constant.name, "ABCDEFGHIJKLMNOP", sizeof constant.name);
    EXPECT_EQ(ConstantLineText(constant), "ABCDEFGHIJKLMNOP=1");
}

// The page keeps 9 bytes of the typed name, never half a character.
TEST(ConstantNameFromBox, KeepsNineBytesAtAWholeCharacter) {
    const struct {
        std::string typed;
        std::string name;
    } cases[] = {
        {"PI", "PI"},
        {"ABCDEFGHIJKL", "ABCDEFGHI"},
        {Gbk("a圆周率常量"), Gbk("a圆周率常")},
        {Gbk("圆周率常量"), Gbk("圆周率常")},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ConstantNameFromBox(c.typed), c.name) << c.typed;
}

// The table's lines, as the page lists them.
std::vector<std::string> Lines(const ConstantTable& table) {
    std::vector<std::string> lines;
    for (const NamedConstant& constant : table)
        lines.push_back(ConstantLineText(constant));
    return lines;
}

// What the boxes hold when "确定添加" is clicked, and what the table holds afterwards.
TEST(AddTypedConstant, AppendsANamedValueReadWhole) {
    const struct {
        std::string name;
        std::string value;
        bool added;
        std::vector<std::string> lines;
    } cases[] = {
        {"PI", "3.14159265", true, {"g=9.8", "PI=3.14159"}},
        {"", "3.14", false, {"g=9.8"}},     // no name, nothing added
        {"g", "2", true, {"g=9.8", "g=2"}}, // an equal name is added again
        {"ABCDEFGHIJKL", "-12345.678", true, {"g=9.8", "ABCDEFGHI=-12345.7"}},
        {"e", "abc", true, {"g=9.8", "e=0"}},       // unreadable: 0
        {"big", "1e999", true, {"g=9.8", "big=0"}}, // not finite: 0 as well
        {"n", "nan", true, {"g=9.8", "n=0"}},
        {Gbk("圆周率常量"), "3", true, {"g=9.8", Gbk("圆周率常=3")}},
    };
    for (const auto& c : cases) {
        ConstantTable table;
        table.Append(Constant("g", 9.8));
        EXPECT_EQ(AddTypedConstant(table, c.name, c.value), c.added) << c.name;
        EXPECT_EQ(Lines(table), c.lines) << c.name;
    }
    ConstantTable table;
    AddTypedConstant(table, "x", "-12345.678");
    EXPECT_EQ(table[0].value, -12345.678); // the file keeps every digit typed
}

TEST(RemoveListedConstant, RemovesOnlyAnItemOfTheTable) {
    const struct {
        int item;
        bool removed;
        std::vector<std::string> lines;
    } cases[] = {
        {1, true, {"a=1", "c=3"}},          {0, true, {"b=2", "c=3"}},         {2, true, {"a=1", "b=2"}},
        {-1, false, {"a=1", "b=2", "c=3"}}, {3, false, {"a=1", "b=2", "c=3"}},
    };
    for (const auto& c : cases) {
        ConstantTable table;
        for (const auto& constant : {Constant("a", 1), Constant("b", 2), Constant("c", 3)})
            table.Append(constant);
        EXPECT_EQ(RemoveListedConstant(table, c.item), c.removed) << c.item;
        EXPECT_EQ(Lines(table), c.lines) << c.item;
    }
}

} // namespace
