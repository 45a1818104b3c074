#include "mainwin/ViewDrag.h"

#include "model/ViewState.h"

#include <gtest/gtest.h>

namespace {

ViewState Spinning() {
    ViewState view;
    view.speeds[1] = 5;
    view.position[1] = -2.5;
    return view;
}

TEST(DragView, EachButtonMovesTheViewItsWay) {
    const struct {
        int buttons, dx, dy;
        double x, y, z, angleX, angleY, speedY;
    } cases[] = {
        {kLeftButton, 4, -8, 0.1, -2.3, 0, 0, 0, 5},   // the picture follows the mouse
        {kLeftButton | kRightButton, 4, 8, 0, -2.5, -0.2, 0, 0, 5}, // down moves away
        {kLeftButton | kRightButton, 30, 0, 0, -2.5, 0, 0, 0, 5},   // sideways does nothing
        {kRightButton, 10, -20, 0, -2.5, 0, -2, 1, 0}, // turns and stops the spin
        {0, 50, 50, 0, -2.5, 0, 0, 0, 5},
    };
    for (const auto& c : cases) {
        ViewState view = Spinning();
        DragView(view, c.buttons, c.dx, c.dy);
        EXPECT_NEAR(view.position[0], c.x, 1e-6) << c.buttons;
        EXPECT_NEAR(view.position[1], c.y, 1e-6) << c.buttons;
        EXPECT_NEAR(view.position[2], c.z, 1e-6) << c.buttons;
        EXPECT_NEAR(view.angles[0], c.angleX, 1e-5) << c.buttons;
        EXPECT_NEAR(view.angles[1], c.angleY, 1e-5) << c.buttons;
        EXPECT_EQ(view.speeds[1], c.speedY) << c.buttons;
    }
    ViewState view;
    DragView(view, kLeftButton, 1, 0);
    EXPECT_EQ(view.position[0], static_cast<double>(0.025f)); // single-precision steps, not 0.025
}

TEST(DragView, TurningKeepsTheAnglesInMinus180To180) {
    ViewState view;
    view.angles[1] = 179;
    DragView(view, kRightButton, 20, 0);
    EXPECT_NEAR(view.angles[1], -179, 1e-5);
}

} // namespace
