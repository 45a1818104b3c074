#include "panel/ConstantEntry.h"

#include "model/GraphRecords.h"
#include "tests/GbkLiterals.h"

#include <gtest/gtest.h>

#include <cstring>

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

} // namespace
