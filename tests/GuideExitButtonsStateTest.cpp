#include "glui/GuideExitButtonsState.h"

#include <gtest/gtest.h>

namespace {

constexpr int kGuide = 0;
constexpr int kExit = 1;

// One drawn frame: both buttons, guide first, as Draw does.
CornerButtonPose DrawFrame(GuideExitButtonsState& buttons, int watched) {
    const CornerButtonPose guide = buttons.NextPose(kGuide);
    const CornerButtonPose exit = buttons.NextPose(kExit);
    return watched == kGuide ? guide : exit;
}

TEST(GuideExitButtonsState, HoverRectanglesAtTheirEdges) {
    const struct {
        int x, y, index;
    } cases[] = {
        {310, 0, kGuide},
        {374, 49, kGuide},
        {309, 10, -1},
        {375, 10, -1},
        {340, 50, -1},
        {730, 0, kExit},
        {794, 49, kExit},
        {729, 10, -1},
        {795, 10, -1},
        {760, 50, -1},
        {500, 20, -1}, // between the buttons, over the help text
    };
    for (const auto& c : cases) {
        GuideExitButtonsState buttons;
        EXPECT_EQ(buttons.MouseMove(c.x, c.y), c.index != -1) << c.x << ", " << c.y;
        EXPECT_EQ(buttons.HoverIndex(), c.index) << c.x << ", " << c.y;
    }
}

TEST(GuideExitButtonsState, SoundsOnComingOntoAnotherButton) {
    GuideExitButtonsState buttons;
    EXPECT_TRUE(buttons.MouseMove(320, 10));
    EXPECT_FALSE(buttons.MouseMove(330, 20));
    EXPECT_TRUE(buttons.MouseMove(740, 20));
    EXPECT_EQ(buttons.HoverIndex(), kExit);
    EXPECT_FALSE(buttons.MouseMove(700, 20));
    EXPECT_EQ(buttons.HoverIndex(), -1);
}

// The window draws frames all the time, so a button has always been drawn at rest before the
// mouse comes onto it.
TEST(GuideExitButtonsState, HoveredButtonComesCloserAndSpins) {
    const struct {
        int frame;
        float angle;
    } cases[] = {
        {1, 5.0f}, {2, 10.0f}, {36, 180.0f}, {71, 355.0f}, {72, 0.0f}, {108, 180.0f},
    };
    for (const auto& c : cases) {
        GuideExitButtonsState buttons;
        DrawFrame(buttons, kExit);
        buttons.MouseMove(760, 25);
        CornerButtonPose exit{};
        for (int frame = 1; frame <= c.frame; ++frame)
            exit = DrawFrame(buttons, kExit);
        EXPECT_FLOAT_EQ(exit.angle, c.angle) << "hovered frame " << c.frame;
        EXPECT_FLOAT_EQ(exit.z, -0.95f);
        EXPECT_FLOAT_EQ(exit.x, 0.47f);
    }
}

TEST(GuideExitButtonsState, LeavingFacesTheViewerAgainOnTheNextFrame) {
    GuideExitButtonsState buttons;
    DrawFrame(buttons, kExit);
    buttons.MouseMove(760, 25);
    for (int frame = 0; frame < 35; ++frame)
        DrawFrame(buttons, kExit);
    const CornerButtonPose resting = buttons.NextPose(kGuide); // the other button never turned
    EXPECT_FLOAT_EQ(resting.angle, 0.0f);
    EXPECT_FLOAT_EQ(resting.z, -1.0f);
    EXPECT_FLOAT_EQ(resting.x, -0.46f);
    EXPECT_FLOAT_EQ(buttons.NextPose(kExit).angle, 180.0f);

    buttons.MouseMove(320, 25); // straight onto the guide button
    const CornerButtonPose guide = buttons.NextPose(kGuide);
    const CornerButtonPose exit = buttons.NextPose(kExit);
    EXPECT_FLOAT_EQ(exit.angle, 0.0f);
    EXPECT_FLOAT_EQ(exit.z, -1.0f);
    EXPECT_FLOAT_EQ(guide.angle, 5.0f);
    EXPECT_FLOAT_EQ(guide.z, -0.95f);

    buttons.MouseMove(500, 25);
    EXPECT_FLOAT_EQ(DrawFrame(buttons, kGuide).angle, 0.0f);
    EXPECT_FLOAT_EQ(DrawFrame(buttons, kGuide).z, -1.0f);
}

} // namespace
