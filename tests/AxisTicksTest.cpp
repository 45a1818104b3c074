#include "glui/AxisTicks.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

namespace {

// The labels of a half-axis, outwards from the origin, joined by spaces.
std::string Joined(const std::vector<AxisTicks::Tick>& ticks) {
    std::string text;
    for (const AxisTicks::Tick& tick : ticks)
        text += (text.empty() ? "" : " ") + tick.label;
    return text;
}

// The step is the smallest 1, 2 or 5 times a power of ten that cuts the axis into at most 10
// steps; the origin gets no tick, and an axis need not reach it.
TEST(AxisTicks, StepsOfOneTwoOrFiveTimesAPowerOfTenAtMostTenToTheAxis) {
    const struct {
        double from, to;
        const char* positive;
        const char* negative;
    } cases[] = {
        {-10, 10, "2 4 6 8 10", "-2 -4 -6 -8 -10"},
        {10, -10, "2 4 6 8 10", "-2 -4 -6 -8 -10"}, // the ends either way round
        {0, 20, "2 4 6 8 10 12 14 16 18 20", ""},   // exactly ten steps
        {0, 21, "5 10 15 20", ""},
        {-3, 3, "1 2 3", "-1 -2 -3"},
        {-4, 8, "2 4 6 8", "-2 -4"},
        {2, 8, "2 3 4 5 6 7 8", ""},
        {-7, -3, "", "-3 -3.5 -4 -4.5 -5 -5.5 -6 -6.5 -7"},
        {0, 1, "0.1 0.2 0.3 0.4 0.5 0.6 0.7 0.8 0.9 1", ""}, // 0.3, never 0.30000000000000004
        {-0.3, 0.3, "0.1 0.2 0.3", "-0.1 -0.2 -0.3"},
        {0.6, 1.1, "0.6 0.65 0.7 0.75 0.8 0.85 0.9 0.95 1 1.05 1.1", ""}, // 0.5000000000000001 long
        {0, 2e-5, "2e-06 4e-06 6e-06 8e-06 1e-05 1.2e-05 1.4e-05 1.6e-05 1.8e-05 2e-05", ""},
        {0, 1e6, "100000 200000 300000 400000 500000 600000 700000 800000 900000 1e+06", ""},
        {-1e300, 1e300, "2e+299 4e+299 6e+299 8e+299 1e+300", "-2e+299 -4e+299 -6e+299 -8e+299 -1e+300"},
        {1e6, 1e6 + 1, "1e+06 1e+06 1e+06 1e+06 1e+06 1e+06 1e+06 1e+06 1e+06 1e+06 1e+06", ""},
    };
    for (const auto& c : cases) {
        const AxisTicks ticks(c.from, c.to);
        EXPECT_EQ(Joined(ticks.Positive()), c.positive) << c.from << " to " << c.to;
        EXPECT_EQ(Joined(ticks.Negative()), c.negative) << c.from << " to " << c.to;
    }
}

TEST(AxisTicks, ValuesAreTheStepTimesAWholeNumberRoundedOnce) {
    const AxisTicks ticks(0, 1);
    const double expected[] = {0.1, 0.2, 0.3, 0.4, 0.5, 0.6, 0.7, 0.8, 0.9, 1.0};
    ASSERT_EQ(ticks.Positive().size(), std::size(expected));
    for (std::size_t i = 0; i < std::size(expected); ++i)
        EXPECT_EQ(ticks.Positive()[i].value, expected[i]);
    EXPECT_EQ(AxisTicks(-7, -3).Negative()[1].value, -3.5);
}

TEST(AxisTicks, AnAxisOfNoLengthOrOfNoFiniteLengthHasNone) {
    constexpr double kInfinity = std::numeric_limits<double>::infinity();
    const double ends[][2] = {
        {0, 0}, {5, 5}, {-1e308, 1e308}, {0, kInfinity}, {0, std::numeric_limits<double>::quiet_NaN()}};
    for (const auto& e : ends) {
        const AxisTicks ticks(e[0], e[1]);
        EXPECT_TRUE(ticks.Positive().empty() && ticks.Negative().empty()) << e[0] << " to " << e[1];
    }
}

} // namespace
