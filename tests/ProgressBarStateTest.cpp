#include "glui/ProgressBarState.h"

#include <gtest/gtest.h>

namespace {

TEST(ProgressBarState, BarFollowsTheValueUpTo100) {
    const struct {
        int value;
        float right;
        int storedAfterDrawing;
    } cases[] = {
        {0, ProgressBarState::kBarLeft, 0}, // zero width
        {1, -0.5364f, 1},
        {50, 0.13f, 50},
        {100, 0.81f, 100},
        {101, 0.81f, 100},
        {150, 0.81f, 100},
    };
    for (const auto& c : cases) {
        ProgressBarState bar;
        bar.SetValue(c.value);
        EXPECT_NEAR(bar.BarRight(), c.right, 1e-5f) << c.value;
        EXPECT_EQ(bar.Value(), c.storedAfterDrawing) << c.value;
    }
}

TEST(ProgressBarState, StartsEmpty) {
    ProgressBarState bar;
    EXPECT_EQ(bar.Value(), 0);
    EXPECT_FLOAT_EQ(bar.BarRight(), ProgressBarState::kBarLeft);
}

} // namespace
