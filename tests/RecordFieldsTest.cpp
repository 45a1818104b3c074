#include "panel/RecordFields.h"

#include "model/ParametricText.h"
#include "panel/GraphPageFields.h"
#include "res/resource.h"
#include "tests/GbkLiterals.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>

namespace {

const std::string kFunctionWord = Gbk("函数");

// A two-byte character is kept whole or dropped whole, whatever its second byte (which may be
// ASCII, as in 81 40).
TEST(CutAtWholeCharacter, KeepsWholeCharactersWithinTheBytes) {
    const struct {
        std::string text;
        std::size_t maxBytes;
        std::string cut;
    } cases[] = {
        {"", 9, ""},
        {"ABCDEFGHIJKL", 9, "ABCDEFGHI"},
        {"PI", 9, "PI"},
        {"abc", 0, ""},
        {Gbk("函数函数函数函数函"), 9, Gbk("函数函数")}, // nine characters into a ten-byte name field
        {Gbk("圆周率"), 6, Gbk("圆周率")},
        {Gbk("圆周率"), 5, Gbk("圆周")},
        {Gbk("a圆周率"), 2, Gbk("a")},
        {Gbk("a圆周率"), 4, Gbk("a圆")},
        {Gbk("a圆周率"), 5, Gbk("a圆周")},
        {"\x81\x40x", 1, ""},
        {"\x81\x40x", 2, "\x81\x40"},
        {"\x80\x41", 1, "\x80"}, // 0x80 leads nothing
        {"ab\xB3", 9, "ab"},     // a lead byte without its second byte is no character
    };
    for (const auto& c : cases)
        EXPECT_EQ(CutAtWholeCharacter(c.text, c.maxBytes), c.cut) << c.text << " in " << c.maxBytes;
}

TEST(BoxNumbers, ShowWithPercentGAndReadTheWholeBox) {
    const struct {
        double value;
        const char* shown;
    } shown[] = {
        {-10, "-10"},        {10, "10"},        {0.5, "0.5"}, {1e6, "1e+06"}, {-1234567.8, "-1.23457e+06"},
        {1.5e-5, "1.5e-05"}, {1e100, "1e+100"}, {0, "0"}};
    for (const auto& c : shown)
        EXPECT_EQ(GeneralNumberText(c.value), c.shown) << c.value;

    const struct {
        const char* text;
        bool finite;
        double value;
    } read[] = {
        {"-12345.678", true, -12345.678}, // read whole, not cut at a box's width
        {"-1.23457e+06", true, -1234570},
        {"1e2", true, 100},
        {"abc", true, 0},
        {"", true, 0},
        {" 2.5x", true, 2.5},
        {"inf", false, 7},
        {"nan", false, 7},
        {"1e999", false, 7},
        {"-1e999", false, 7},
    };
    for (const auto& c : read) {
        double value = 7;
        EXPECT_EQ(ReadBoxNumber(c.text, value), c.finite) << c.text;
        EXPECT_EQ(value, c.value) << c.text;
    }
}

TEST(ParametricText, JoinsThreeExpressionsAndSplitsThemBack) {
    EXPECT_EQ(JoinParametricText("cost", "sint", "0"), "cost&sint&0");
    EXPECT_EQ(JoinParametricText("a", "b", ""), "a&b&");
    const std::string longX(199, 'x'), longY(99, 'y');
    const std::string joined = JoinParametricText(longX, longY, "z");
    EXPECT_EQ(joined, longX + "&" + longY.substr(0, 5)); // cut to the 205 bytes of the field
    // A Chinese character across the 205th byte is left out whole.
    EXPECT_EQ(JoinParametricText(std::string(203, 'x'), kFunctionWord, ""), std::string(203, 'x') + "&");

    const struct {
        const char* text;
        const char *x, *y, *z;
    } split[] = {{"cost&sint&0", "cost", "sint", "0"},
                 {"a&b", "a", "b", ""},
                 {"", "", "", ""},
                 {"a&b&c&d", "a", "b", "c"},
                 {"&&", "", "", ""}};
    for (const auto& c : split) {
        const ParametricText parts = SplitParametricText(c.text);
        EXPECT_EQ(std::string(parts.x) + "|" + std::string(parts.y) + "|" + std::string(parts.z),
                  std::string(c.x) + "|" + c.y + "|" + c.z)
            << c.text;
    }
}

FunctionGraph Function(const char* name, const char* text, double lower, double upper, std::int32_t form) {
    FunctionGraph record{};
    SetFieldText(record.name, name);
    SetFieldText(record.text, text);
    record.lower = lower;
    record.upper = upper;
    record.form = form;
    record.colour = 0x123456;
    record.hidden = 1;
    return record;
}

TEST(FunctionPageFields, ShowARecordAndReadItBackUnchanged) {
    // Numbers of more than six digits come back whole from boxes left as they were shown.
    const FunctionGraph stored = Function("FB", std::string(205, 'x').c_str(), -3.14159265, 1234567, kFormX);
    const PageForm form = ShowRecord(FunctionPageFields(), stored);
    EXPECT_EQ(form.Text(IDC_GRAPH_NAME), "FB");
    EXPECT_EQ(form.Text(IDC_EXPRESSION).size(), 205u);
    EXPECT_EQ(form.Text(IDC_DOMAIN_START), "-3.14159");
    EXPECT_EQ(form.Text(IDC_DOMAIN_END), "1.23457e+06");
    EXPECT_FALSE(form.Checked(IDC_FORM_Y));
    EXPECT_TRUE(form.Checked(IDC_FORM_X));

    FunctionGraph read{};
    ReadRecord(FunctionPageFields(), form, stored, read);
    read.colour = stored.colour;
    read.hidden = stored.hidden;
    EXPECT_EQ(std::memcmp(&read, &stored, sizeof read), 0);
}

TEST(FunctionPageFields, ReadTypedTextsIntoTheFieldsBounds) {
    const std::string nineChinese = Gbk("函数函数函数函数函");
    const struct {
        std::string name, lower, upper;
        std::string storedName;
        double storedLower, storedUpper;
    } cases[] = {
        {"FC", "abc", "1e2", "FC", 0, 100},
        {"ABCDEFGHIJ", "-12345.678", "5", "ABCDEFGHI", -12345.678, 5},
        {nineChinese, "inf", "nan", kFunctionWord + kFunctionWord, -10, 10}, // not finite: kept
        {"", "", "", "", 0, 0},
    };
    for (const auto& c : cases) {
        PageForm form;
        form.SetText(IDC_GRAPH_NAME, c.name);
        form.SetText(IDC_DOMAIN_START, c.lower);
        form.SetText(IDC_DOMAIN_END, c.upper);
        FunctionGraph record = Function("FA", "x", -10, 10, kFormY);
        ReadRecord(FunctionPageFields(), form, record, record);
        EXPECT_EQ(FieldText(record.name), c.storedName);
        EXPECT_EQ(record.name[kNameSize - 1], '\0');
        EXPECT_EQ(record.lower, c.storedLower) << c.lower;
        EXPECT_EQ(record.upper, c.storedUpper) << c.upper;
    }
}

TEST(ChoiceFields, MapValuesToRadioButtonsAndNeverStoreOneOutOfRange) {
    const int precisionIds[] = {IDC_PRECISION_HIGH, IDC_PRECISION_MEDIUM, IDC_PRECISION_LOW};
    const struct {
        std::int32_t stored;
        int shownChecked; // index of the checked radio, -1 for none
        int userChecks;   // the radio checked when reading back, -1 for none
        std::int32_t read;
    } cases[] = {
        {0, 0, 0, 0},
        {2, 2, 2, 2},
        {1, 1, 2, 2},
        {5, -1, -1, kPrecisionMedium}, // from a hand-edited file: no radio, stored in range
        {-3, -1, 0, kPrecisionHigh},
        {1, 1, -1, 1}, // none checked keeps a value in range
    };
    for (const auto& c : cases) {
        InequalityGroup group{};
        group.precision = c.stored;
        PageForm form = ShowRecord(InequalityPageFields(), group);
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(form.Checked(precisionIds[i]), i == c.shownChecked) << c.stored;
        for (int i = 0; i < 3; ++i)
            form.SetChecked(precisionIds[i], i == c.userChecks);
        ReadRecord(InequalityPageFields(), form, group, group);
        EXPECT_EQ(group.precision, c.read) << c.stored;
    }
    FunctionGraph function = Function("FA", "x", -1, 1, 7);
    PageForm form = ShowRecord(FunctionPageFields(), function);
    EXPECT_FALSE(form.Checked(IDC_FORM_Y) || form.Checked(IDC_FORM_X));
    ReadRecord(FunctionPageFields(), form, function, function);
    EXPECT_EQ(function.form, kFormY); // the form the list and the plot took it for
}

TEST(ParametricPageFields, SplitTheTextIntoThreeBoxesAndJoinThemBack) {
    const struct {
        const char* stored;
        const char *x, *y, *z;
        const char* confirmed;
    } cases[] = {
        {"cost&sint&0", "cost", "sint", "0", "cost&sint&0"},
        {"a&b", "a", "b", "", "a&b&"},
        {"", "", "", "", "&&"},
        {"a&b&c&d", "a", "b", "c", "a&b&c"},
    };
    for (const auto& c : cases) {
        ParametricGraph record{};
        SetFieldText(record.text, c.stored);
        const PageForm form = ShowRecord(ParametricPageFields(), record);
        EXPECT_EQ(form.Text(IDC_X_EXPRESSION), c.x);
        EXPECT_EQ(form.Text(IDC_Y_EXPRESSION), c.y);
        EXPECT_EQ(form.Text(IDC_Z_EXPRESSION), c.z);
        ReadRecord(ParametricPageFields(), form, record, record);
        EXPECT_EQ(FieldText(record.text), c.confirmed) << c.stored;
    }
}

} // namespace
