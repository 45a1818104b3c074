#include "glui/IconHover.h"

#include <gtest/gtest.h>

namespace {

TEST(IconHover, IconRectanglesAtTheirEdges) {
    const struct {
        ClientRect rect;
        int x, y;
        bool inside;
    } cases[] = {
        {kCoordSystemIconRect, 0, 550, true},
        {kCoordSystemIconRect, 50, 550, false},
        {kCoordSystemIconRect, 49, 599, true},
        {kCoordSystemIconRect, 10, 600, false},
        {kCoordSystemIconRect, 10, 549, false},
        {kPositionIconRect, 200, 550, true},
        {kPositionIconRect, 199, 560, false},
        {kPositionIconRect, 249, 599, true},
        {kPositionIconRect, 250, 560, false},
        {kRotationIconRect, 350, 550, true},
        {kRotationIconRect, 349, 560, false},
        {kRotationIconRect, 399, 599, true},
        {kRotationIconRect, 400, 560, false},
    };
    for (const auto& c : cases) {
        IconHover hover(c.rect);
        EXPECT_EQ(hover.MouseMove(c.x, c.y), c.inside) << c.x << ", " << c.y;
        EXPECT_EQ(hover.IsSet(), c.inside) << c.x << ", " << c.y;
    }
}

TEST(IconHover, SoundsOnlyOnEntering) {
    IconHover hover(kCoordSystemIconRect);
    const struct {
        int x, y;
        bool sound, set;
    } moves[] = {
        {100, 560, false, false}, // beside the icon, over its labels
        {49, 560, true, true},
        {25, 575, false, true},
        {0, 550, false, true},
        {50, 550, false, false},
        {51, 551, false, false},
        {10, 599, true, true},
    };
    for (const auto& m : moves) {
        EXPECT_EQ(hover.MouseMove(m.x, m.y), m.sound) << m.x << ", " << m.y;
        EXPECT_EQ(hover.IsSet(), m.set) << m.x << ", " << m.y;
    }
}

} // namespace
