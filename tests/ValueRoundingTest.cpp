#include "expr/ValueRounding.h"

#include "expr/ExpressionText.h"
#include "expr/NumberText.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <iomanip>
#include <limits>
#include <random>
#include <vector>

namespace {

bool SameBits(double a, double b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

double ThroughText(double value) {
    double rounded = std::nan("");
    RoundThroughText(value, rounded);
    return rounded;
}

// Both roundings give the number of the value text; the quick one may decline ties.
TEST(ValueRounding, GivesTheNumberOfTheValueText) {
    const struct {
        double value;
        double rounded;
        bool quick;
    } cases[] = {
        {2.37, 2.37, true},
        {1.0 / 3, 0.333333, true},
        {-2.0 / 3, -0.666667, true},
        {0.0, 0.0, true},
        {-0.0, -0.0, true},
        {1e-4, 1e-4, true},
        {999999.4, 999999, true},
        {999999.5, 1e6, false},
        {999999.6, 1e6, true},
        {0.00099999951, 0.001, true},
        {2.345678e-17, 2.34568e-17, true},
        {9.876543e26, 9.87654e26, true},
        // Ties, half to even on the exact binary value, are left to the text.
        {123456.5, 123456, false},
        {123457.5, 123458, false},
        {12345.25, 12345.2, false},
        {1.015625, 1.01562, false},
        {-12345.75, -12345.8, false},
        {1234565.0, 1234560, false},
        // A power of ten and its neighbours.
        {1e5, 1e5, true},
        {std::nextafter(1e5, 0.0), 1e5, true},
        {std::nextafter(1e-3, 0.0), 1e-3, true},
    };
    for (const auto& c : cases) {
        double quick = 0;
        std::uint8_t guess = 0;
        EXPECT_EQ(RoundQuickly(c.value, kQuickLowestExponent, kQuickHighestExponent, quick, guess), c.quick)
            << std::setprecision(17) << c.value;
        if (c.quick) {
            EXPECT_TRUE(SameBits(quick, c.rounded)) << std::setprecision(17) << c.value << ": " << quick;
        }
        EXPECT_TRUE(SameBits(ThroughText(c.value), c.rounded)) << std::setprecision(17) << c.value;
    }
}

TEST(ValueRounding, DeclinesValuesOutsideItsExponents) {
    const struct {
        double value;
        int lowest, highest;
        bool quick;
    } cases[] = {
        {1.2e-18, kQuickLowestExponent, kQuickHighestExponent, false},
        {1.2e28, kQuickLowestExponent, kQuickHighestExponent, false},
        {std::numeric_limits<double>::infinity(), kQuickLowestExponent, kQuickHighestExponent, false},
        {std::nan(""), kQuickLowestExponent, kQuickHighestExponent, false},
        {std::numeric_limits<double>::denorm_min(), kQuickLowestExponent, kQuickHighestExponent, false},
        {12345.67, 0, 4, true},
        {123456.7, 0, 4, false},
        {99999.95, 0, 4, false}, // rounds to 100000, exponent 5
        {0.5, 0, 4, false},
        {0.0, 0, 4, true},
        {0.0, 1, 0, false}, // no exponent short enough, and "0" is not shorter than all of them
    };
    for (const auto& c : cases) {
        double rounded = 0;
        std::uint8_t guess = 0;
        EXPECT_EQ(RoundQuickly(c.value, c.lowest, c.highest, rounded, guess), c.quick) << c.value;
    }
}

// The quick path must give the text's very bits wherever it answers, ties and near-ties included.
TEST(ValueRounding, AgreesWithTheValueTextOnMillionsOfValues) {
    std::mt19937_64 random(7);
    std::uniform_real_distribution<double> exponent(-19.0, 29.0);
    std::vector<double> values;
    for (int i = 0; i < 1000000; ++i) {
        const double v = std::pow(10.0, exponent(random));
        values.push_back(i % 2 == 0 ? v : -v);
    }
    for (int k = -18; k <= 28; ++k) {
        for (int n = 0; n < 3000; ++n) {
            const double tie =
                (100000.0 + static_cast<double>(random() % 900000) + 0.5) * std::pow(10.0, k - 5);
            for (double w : {tie, std::nextafter(tie, 0.0), std::nextafter(tie, 1e300)})
                values.insert(values.end(), {w, -w});
        }
        const double power = std::pow(10.0, k);
        values.insert(values.end(), {power, std::nextafter(power, 0.0), std::nextafter(power, 1e300)});
    }
    for (int shift = 0; shift < 60; ++shift) // dyadic values, whose ties are exact
        for (int n = 0; n < 2000; ++n)
            values.push_back(std::ldexp(static_cast<double>(random() >> 11), -shift - 20));
    // One guess for all, right for neighbours and wrong at every change of binary exponent.
    std::uint8_t guess = 0;
    int mismatches = 0;
    for (double v : values) {
        double quick = 0;
        if (RoundQuickly(v, kQuickLowestExponent, kQuickHighestExponent, quick, guess) &&
            !SameBits(quick, ThroughText(v)) && ++mismatches < 10)
            ADD_FAILURE() << std::setprecision(17) << v << ": " << quick << " instead of " << ThroughText(v);
    }
    EXPECT_EQ(mismatches, 0);
}

// The quotient of six digits by a power of ten without a division holds for every six digits.
TEST(ValueRounding, ReciprocalsGiveTheQuotientOfEverySixDigitNumber) {
    for (int k = 0; k < static_cast<int>(std::size(value_rounding::kReciprocals)); ++k) {
        const value_rounding::Reciprocal& reciprocal = value_rounding::kReciprocals[k];
        int mismatches = 0;
        for (int digits = 100000; digits <= 999999; ++digits) {
            const double d = digits;
            mismatches +=
                !SameBits(d * reciprocal.first + d * reciprocal.rest, d / value_rounding::kExactPowers[k]);
        }
        EXPECT_EQ(mismatches, 0) << "10^-" << k;
    }
}

TEST(ValueRounding, LongestValueTextBoundsEveryText) {
    for (int exponent = -20; exponent <= 30; ++exponent) {
        std::size_t longest = 0;
        for (double digits : {1.0, 1.23456, 9.99999, 1.5})
            for (double sign : {1.0, -1.0}) {
                char text[kWorkTextSize];
                longest = std::max(longest, WriteValueText(sign * digits * std::pow(10.0, exponent), text));
            }
        EXPECT_EQ(longest, static_cast<std::size_t>(LongestValueText(exponent))) << exponent;
    }
}

} // namespace
