#include "expr/NumberText.h"

#include "expr/ExpressionText.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <iomanip>
#include <limits>
#include <random>
#include <string>
#include <vector>

namespace {

std::string ValueText(double value) {
    char text[kWorkTextSize];
    return WriteValueText(value, text) == 0 ? "<fails>" : text;
}

// Where "%g" would write an exponent the text is written out in full, with its six digits.
TEST(WriteValueText, WritesNoExponent) {
    const struct {
        double value;
        const char* text;
    } cases[] = {
        {0, "0"}, {-0.0, "-0"}, {999999.5, "1000000"}, {-2.5e6, "-2500000"}, {1.234567e10, "12345700000"},
        {123456789.0, "123457000"}, {1.5e-5, "0.000015"}, {-2.5e-7, "-0.00000025"}, {1e-10, "0.0000000001"},
        {-9.87654e-9, "-0.00000000987654"}, {1e-20, "0.00000000000000000001"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ValueText(c.value), c.text) << c.value;
    EXPECT_EQ(ReadNumber(ValueText(3.14159e100).c_str()), ReadNumber("3.14159e100"));
}

TEST(WriteValueText, FailsForTextsPastTheWorkingLengthAndNonFiniteValues) {
    EXPECT_EQ(ValueText(1e254).size(), 255u);
    EXPECT_EQ(ValueText(1e255), "<fails>");
    EXPECT_EQ(ValueText(-1e254), "<fails>"); // the sign makes 256 characters
    EXPECT_EQ(ValueText(1e-253).size(), 255u);
    EXPECT_EQ(ValueText(1e-254), "<fails>");
    EXPECT_EQ(ValueText(std::numeric_limits<double>::infinity()), "<fails>");
    EXPECT_EQ(ValueText(std::nan("")), "<fails>");
}

// The value text is written without the C library; it must give the very characters of "%g"
// wherever "%g" has no exponent, including the rounding of ties and near-ties.
TEST(WriteValueText, MatchesPercentGOnMillionsOfValues) {
    std::mt19937_64 random(42);
    std::uniform_real_distribution<double> exponent(-6.0, 8.0);
    std::vector<double> values;
    for (int i = 0; i < 2000000; ++i)
        values.push_back(std::pow(10.0, exponent(random)) * (i % 2 == 0 ? 1 : -1));
    for (int digits = 1; digits <= 7; ++digits)
        for (int k = -6; k <= 7; ++k)
            for (int n = 0; n < 2000; ++n) {
                const double tie = (n * 10 + 5) * std::pow(10.0, k - digits);
                values.push_back(tie);
                values.push_back(std::nextafter(tie, 0.0));
                values.push_back(std::nextafter(tie, 1e300));
            }
    for (double v : {1e-4, 1e-3, 0.01, 0.1, 1.0, 10.0, 1e5, 999999.5, 999999.49999999994, 99999.95, 0.000999999,
                     0.00099999950000000000, 9.9999949999999999e-05, 123456.5, 0.1234565})
        for (double w : {v, std::nextafter(v, 0.0), std::nextafter(v, 1e300)})
            values.push_back(w);
    int mismatches = 0;
    for (double v : values) {
        char expected[64];
        std::snprintf(expected, sizeof expected, "%g", v);
        if (std::strchr(expected, 'e') != nullptr)
            continue;
        char text[kWorkTextSize];
        WriteValueText(v, text);
        if (std::strcmp(text, expected) != 0 && ++mismatches < 10)
            ADD_FAILURE() << std::setprecision(17) << v << ": " << text << " instead of " << expected;
    }
    EXPECT_EQ(mismatches, 0);
}

// The result texts' "%g" and "%.2f": the C library's characters as glibc writes them, on every
// target (no three-digit exponents), and never a minus sign on a zero.
TEST(GeneralNumberText, WritesPercentGWithTwoDigitExponents) {
    const double inf = std::numeric_limits<double>::infinity();
    const struct {
        double value;
        const char* text;
    } cases[] = {
        // clang-format off
        {0, "0"},             {-0.0, "0"},            {3.14159265, "3.14159"},    {-2.5, "-2.5"},
        {100000, "100000"},   {999999.5, "1e+06"},    {1234567, "1.23457e+06"},   {1e10, "1e+10"},
        {1.5e-5, "1.5e-05"},  {-1e-5, "-1e-05"},      {0.0001, "0.0001"},         {123456.5, "123456"},
        {1e100, "1e+100"},    {-1e-300, "-1e-300"},   {inf, "inf"},               {-inf, "-inf"},
        // clang-format on
    };
    for (const auto& c : cases)
        EXPECT_EQ(GeneralNumberText(c.value), c.text) << c.text;
    EXPECT_EQ(GeneralNumberText(std::nan("")), "nan");
}

TEST(FixedNumberText, WritesPercentFWithoutNegativeZero) {
    const struct {
        double value;
        const char* text;
    } cases[] = {
        {0, "0.00"},       {-0.0, "0.00"},
        {-0.001, "0.00"},  {-0.005, "-0.01"},
        {0.125, "0.12"},   {0.375, "0.38"},
        {2.675, "2.67"},   {-45, "-45.00"},
        {89.999, "90.00"}, {1e20, "100000000000000000000.00"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FixedNumberText(c.value, 2), c.text) << c.text;
    EXPECT_EQ(FixedNumberText(2.5, 0), "2");
    EXPECT_EQ(FixedNumberText(-std::numeric_limits<double>::max(), 2).size(), 313u); // 309 digits
}

#ifndef _WIN32
// Natively the C library is the reference: the same texts for values of every magnitude, apart
// from its minus sign on a zero.
TEST(NumberTexts, MatchTheNativeCLibrary) {
    std::mt19937_64 random(7);
    std::uniform_real_distribution<double> exponent(-320.0, 308.0);
    std::uniform_real_distribution<double> small(-1000.0, 1000.0);
    for (int i = 0; i < 200000; ++i) {
        const double value = std::pow(10.0, exponent(random)) * (i % 2 == 0 ? 1 : -1);
        const double fixed = small(random);
        char general[64];
        char twoDecimals[64];
        std::snprintf(general, sizeof general, "%g", value);
        std::snprintf(twoDecimals, sizeof twoDecimals, "%.2f", fixed);
        ASSERT_EQ(GeneralNumberText(value), general) << std::setprecision(17) << value;
        if (std::strcmp(twoDecimals, "-0.00") != 0) {
            ASSERT_EQ(FixedNumberText(fixed, 2), twoDecimals) << std::setprecision(17) << fixed;
        }
    }
}
#endif

TEST(ReadNumber, FollowsTheAtofContract) {
    const double inf = std::numeric_limits<double>::infinity();
    const struct {
        const char* text;
        double value;
        int consumed;
    } cases[] = {
        {"2", 2, 1}, {"2..5", 2, 2}, {"3.", 3, 2}, {".5", 0.5, 2}, {"2,5", 2, 1}, {"-2.5*3", -2.5, 4},
        {"+4", 4, 2}, {"+-4", 0, 0}, {"--4", 0, 0}, {"", 0, 0}, {"*2", 0, 0}, {"\x02" "3", 0, 0},
        {" \t\n7", 7, 4}, {"1e3", 1000, 3}, {"1e", 1, 1}, {"1e+", 1, 1}, {"2E-2x", 0.02, 4}, {"0x10", 16, 4},
        {"0x1p3", 8, 5}, {"0x", 0, 1}, {"0xg", 0, 1}, {"inf", inf, 3}, {"-Infinity", -inf, 9}, {"1e400", inf, 5},
        {"-1e400", -inf, 6}, {"1e-400", 0, 6}, {"0.1", 0.1, 3},
        {"123456789012345678901234567890", 123456789012345678901234567890.0, 30},
    };
    for (const auto& c : cases) {
        const char* end = nullptr;
        EXPECT_EQ(ReadNumber(c.text, &end), c.value) << c.text;
        EXPECT_EQ(end - c.text, c.consumed) << c.text;
    }
    EXPECT_TRUE(std::isnan(ReadNumber("nan")));
}

TEST(ReplaceVariable, WritesTheValueTextForEveryOccurrence) {
    char text[kWorkTextSize] = "x*x\x01x";
    ASSERT_TRUE(ReplaceVariable(text, sizeof text, 'x', -3));
    EXPECT_STREQ(text, "-3*-3\x01-3");
    char big[kWorkTextSize] = "t";
    EXPECT_FALSE(ReplaceVariable(big, sizeof big, 't', std::numeric_limits<double>::infinity()));
}

} // namespace
