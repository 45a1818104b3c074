// The portable state of the drawn widgets: where the mouse finds areas and items, when the hover
// sound is due, and the frame-by-frame turns of the corner buttons, the title box and the progress bar.
#include "glui/GuideExitButtonsState.h"
#include "glui/IconHover.h"
#include "glui/ItemHover.h"
#include "glui/ProgressBarState.h"
#include "glui/ScreenLayout.h"
#include "glui/TitleBoxState.h"

#include <gtest/gtest.h>

#include <optional>
#include <utility>

namespace {

// Each area at its first and last pixel; the graph list's strip and the outside of the window are no area.
TEST(ScreenLayout, AreaAtTheCornersOfEveryArea) {
    using enum ScreenArea;
    const struct {
        ScreenArea area;
        int left, top, right, bottom;
    } cases[] = {
        {Title, 0, 0, 299, 49},         {GuideExit, 300, 0, 799, 49},        {Plot, 0, 50, 499, 549},
        {Controls, 500, 50, 549, 549},  {ListOperations, 750, 50, 799, 549}, {CoordSystem, 0, 550, 199, 599},
        {Position, 200, 550, 349, 599}, {Rotation, 350, 550, 499, 599},      {Progress, 500, 550, 799, 599}};
    for (const auto& c : cases) {
        EXPECT_EQ(AreaAt(c.left, c.top), c.area) << c.left << ", " << c.top;
        EXPECT_EQ(AreaAt(c.right, c.bottom), c.area) << c.right << ", " << c.bottom;
    }
    const std::pair<int, int> outside[] = {{550, 50}, {749, 549}, {800, 0}, {0, 600}, {-1, 300}};
    for (const auto& [x, y] : outside)
        EXPECT_EQ(AreaAt(x, y), std::nullopt) << x << ", " << y;
}

enum Target { kList, kControls, kListOf3, kCorners, kCoord };

// One hover state of each kind, moved by the same mouse.
struct Hovers {
    ItemHover columns[3];
    GuideExitButtonsState corners;
    IconHover icon{kCoordSystemIconRect}; // the others differ only in their rectangles

    // Whether the hover sound is due, and the item hovered (0 for a set icon) or -1. The columns are
    // those drawn in the viewports (750, 50, 50, 500) and (500, 50, 50, 500).
    std::pair<bool, int> Move(Target target, int x, int y) {
        if (target == kCoord) {
            const bool sound = icon.MouseMove(x, y);
            return {sound, icon.IsSet() ? 0 : -1};
        }
        if (target == kCorners)
            return {corners.MouseMove(x, y), corners.HoverIndex()};
        const int left = target == kControls ? 500 : 750;
        const int count = target == kListOf3 ? 3 : kColumnItemCount;
        return {columns[target].MouseMoveOverColumn(left, left + 50, count, x, y), columns[target].Index()};
    }
};

// The mouse moves along these points over each kind of widget in turn. The sound is due on coming
// onto an item other than the last one hovered: never while moving inside it or when leaving it,
// but again on moving straight onto the next item or back onto the one just left. Column items are
// 50 pixels high at a pitch of 72 from y = 55 (item 2 is y 199-248, item 3 271-320); only the
// first count are tested.
TEST(Hover, ItemsAtTheirEdgesAndTheSoundOnComingOntoThem) {
    const struct {
        Target target;
        int x, y;
        bool sound;
        int index;
    } path[] = {
        {kList, 750, 55, true, 0},        {kList, 799, 104, false, 0},      {kList, 800, 80, false, -1},
        {kList, 749, 80, false, -1},      {kList, 775, 54, false, -1},      {kList, 775, 80, true, 0},
        {kList, 775, 105, false, -1},     {kList, 775, 126, false, -1},     {kList, 775, 127, true, 1},
        {kList, 775, 248, true, 2},       {kList, 775, 271, true, 3},       {kList, 775, 260, false, -1},
        {kList, 775, 300, true, 3},       {kList, 775, 487, true, 6},       {kList, 775, 536, false, 6},
        {kList, 775, 537, false, -1},     {kControls, 500, 60, true, 0},    {kControls, 549, 300, true, 3},
        {kControls, 550, 300, false, -1}, {kListOf3, 775, 200, true, 2},    {kListOf3, 775, 300, false, -1},
        {kCorners, 310, 0, true, 0},      {kCorners, 374, 49, false, 0},    {kCorners, 375, 10, false, -1},
        {kCorners, 309, 10, false, -1},   {kCorners, 340, 50, false, -1},   {kCorners, 330, 20, true, 0},
        {kCorners, 730, 0, true, 1},      {kCorners, 794, 49, false, 1},    {kCorners, 795, 10, false, -1},
        {kCorners, 729, 10, false, -1},   {kCorners, 760, 20, true, 1},     {kCoord, 100, 560, false, -1},
        {kCoord, 0, 550, true, 0},        {kCoord, 49, 599, false, 0},      {kCoord, 50, 550, false, -1},
        {kCoord, 10, 600, false, -1},     {kCoord, 10, 549, false, -1},     {kCoord, 10, 599, true, 0}};
    Hovers hovers;
    for (const auto& p : path)
        EXPECT_EQ(hovers.Move(p.target, p.x, p.y), std::pair(p.sound, p.index))
            << p.target << ": " << p.x << ", " << p.y;
}

// The window draws frames all the time, both corner buttons each, guide first. The hovered button
// comes closer and turns 5 degrees a frame, a turn in 72 frames; a button the mouse has left faces
// the viewer again. The guide button's centre is at x = -0.46, the exit button's at 0.47.
TEST(GuideExitButtonsState, HoveredButtonSpinsAndTheOtherRests) {
    const struct {
        int x, frames;
        float guideZ, guideAngle, exitZ, exitAngle;
    } steps[] = {{500, 1, -1.0f, 0.0f, -1.0f, 0.0f},     {760, 1, -1.0f, 0.0f, -0.95f, 5.0f},
                 {760, 70, -1.0f, 0.0f, -0.95f, 355.0f}, {760, 1, -1.0f, 0.0f, -0.95f, 0.0f},
                 {320, 1, -0.95f, 5.0f, -1.0f, 0.0f},    {500, 1, -1.0f, 0.0f, -1.0f, 0.0f}};
    GuideExitButtonsState buttons;
    for (const auto& s : steps) {
        buttons.MouseMove(s.x, 25);
        CornerButtonPose guide{}, exit{};
        for (int frame = 0; frame < s.frames; ++frame) {
            guide = buttons.NextPose(0);
            exit = buttons.NextPose(1);
        }
        EXPECT_FLOAT_EQ(guide.x, -0.46f);
        EXPECT_FLOAT_EQ(exit.x, 0.47f);
        EXPECT_FLOAT_EQ(guide.z, s.guideZ) << s.x << " after " << s.frames;
        EXPECT_FLOAT_EQ(guide.angle, s.guideAngle) << s.x << " after " << s.frames;
        EXPECT_FLOAT_EQ(exit.z, s.exitZ) << s.x << " after " << s.frames;
        EXPECT_FLOAT_EQ(exit.angle, s.exitAngle) << s.x << " after " << s.frames;
    }
}

TEST(TitleBoxState, TurnsOnceEvery150Frames) {
    const struct {
        int framesBefore;
        float angle;
    } cases[] = {{0, 0.0f}, {1, 2.4f}, {149, 357.6f}, {150, 0.0f}, {151, 2.4f}, {300, 0.0f}};
    for (const auto& c : cases) {
        TitleBoxState box;
        for (int frame = 0; frame < c.framesBefore; ++frame)
            box.NextAngle();
        EXPECT_NEAR(box.NextAngle(), c.angle, 1e-3f) << "after " << c.framesBefore << " frames";
    }
}

TEST(ProgressBarState, StartsEmptyAndDrawsAtMost100) {
    EXPECT_EQ(ProgressBarState().Value(), 0);
    const struct {
        int value;
        float right;
        int valueAfterDrawing;
    } cases[] = {{0, -0.55f, 0}, {1, -0.5364f, 1}, {100, 0.81f, 100}, {101, 0.81f, 100}};
    for (const auto& c : cases) {
        ProgressBarState bar;
        bar.SetValue(c.value);
        EXPECT_NEAR(bar.BarRight(), c.right, 1e-5f) << c.value;
        EXPECT_EQ(bar.Value(), c.valueAfterDrawing) << c.value;
    }
}

} // namespace
