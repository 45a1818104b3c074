#include "glui/TitleBoxState.h"

#include <gtest/gtest.h>

namespace {

TEST(TitleBoxState, TurnsOnceEvery150Frames) {
    const struct {
        int framesBefore;
        float angle;
    } cases[] = {
        {0, 0.0f}, {1, 2.4f}, {75, 180.0f}, {149, 357.6f}, {150, 0.0f}, {151, 2.4f}, {300, 0.0f},
    };
    for (const auto& c : cases) {
        TitleBoxState box;
        for (int frame = 0; frame < c.framesBefore; ++frame)
            box.NextAngle();
        EXPECT_NEAR(box.NextAngle(), c.angle, 1e-3f) << "after " << c.framesBefore << " frames";
    }
}

TEST(TitleBoxState, CounterStaysBelow150) {
    TitleBoxState box;
    for (int frame = 0; frame < 1000; ++frame) {
        box.NextAngle();
        ASSERT_GE(box.Counter(), 0);
        ASSERT_LT(box.Counter(), TitleBoxState::kFramesPerTurn);
    }
    EXPECT_EQ(box.Counter(), 1000 % 150);
}

} // namespace
