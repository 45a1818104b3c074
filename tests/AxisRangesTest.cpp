#include "panel/AxisRanges.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();

// Boxes that hold no number read as 0, so an axis left empty is refused like one from 5 to 5.
TEST(IsValidAxisRange, NeedsFiniteStartBelowEnd) {
    const struct {
        double start;
        double end;
        bool valid;
    } cases[] = {
        {-10, 10, true}, {-1e308, 1e308, true}, {0.5, 0.50001, true}, {5, 5, false},   {0, 0, false},
        {6, 5, false},   {-kInf, 0, false},     {0, kInf, false},     {NAN, 1, false}, {-1, NAN, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IsValidAxisRange(c.start, c.end), c.valid) << c.start << " to " << c.end;
}

// Each axis is judged on its own: the valid ones are stored, the refused ones keep their range
// and are counted (the page shows one message each).
TEST(StoreAxisRanges, StoresValidAxesAndCountsRefusedOnes) {
    const struct {
        double typed[6];
        int refused;
        double stored[6];
    } cases[] = {
        {{-20, 20, -1, 1, -2, 2}, 0, {-20, 20, -1, 1, -2, 2}},
        {{5, 5, -1, 1, -2, 2}, 1, {-10, 10, -1, 1, -2, 2}},
        {{-20, 20, 3, -3, 0, kInf}, 2, {-20, 20, -10, 10, -10, 10}},
        {{0, 0, 0, 0, NAN, NAN}, 3, {-10, 10, -10, 10, -10, 10}},
    };
    for (const auto& c : cases) {
        double ranges[6] = {-10, 10, -10, 10, -10, 10};
        EXPECT_EQ(StoreAxisRanges(c.typed, ranges), c.refused);
        for (int i = 0; i < 6; ++i)
            EXPECT_EQ(ranges[i], c.stored[i]) << "case refusing " << c.refused << ", value " << i;
    }
}

} // namespace
