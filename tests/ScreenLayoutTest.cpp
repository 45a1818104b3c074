#include "glui/ScreenLayout.h"

#include <gtest/gtest.h>

#include <optional>

// Found by GoogleTest next to the types, for readable failures.
void PrintTo(const Viewport& v, std::ostream* out) {
    *out << "viewport " << v.x << ", " << v.y << ", " << v.width << ", " << v.height;
}
void PrintTo(const ClientRect& r, std::ostream* out) {
    *out << "(" << r.left << ", " << r.top << ")-(" << r.right << ", " << r.bottom << ")";
}
void PrintTo(ScreenArea area, std::ostream* out) {
    *out << "area " << static_cast<int>(area);
}

namespace {

TEST(ScreenLayout, ViewportsAndTheirClientRectangles) {
    const struct {
        ScreenArea area;
        Viewport viewport;
        ClientRect client;
    } cases[] = {
        {ScreenArea::Title, {0, 550, 300, 50}, {0, 0, 300, 50}},
        {ScreenArea::GuideExit, {300, 550, 500, 50}, {300, 0, 800, 50}},
        {ScreenArea::Progress, {500, 0, 300, 50}, {500, 550, 800, 600}},
        {ScreenArea::ListOperations, {750, 50, 50, 500}, {750, 50, 800, 550}},
        {ScreenArea::Rotation, {350, 0, 150, 50}, {350, 550, 500, 600}},
        {ScreenArea::CoordSystem, {0, 0, 200, 50}, {0, 550, 200, 600}},
        {ScreenArea::Plot, {0, 50, 500, 500}, {0, 50, 500, 550}},
        {ScreenArea::Controls, {500, 50, 50, 500}, {500, 50, 550, 550}},
        {ScreenArea::Position, {200, 0, 150, 50}, {200, 550, 350, 600}},
    };
    static_assert(std::size(cases) == kScreenAreaCount);
    for (const auto& c : cases) {
        EXPECT_EQ(AreaViewport(c.area), c.viewport);
        EXPECT_EQ(AreaClientRect(c.area), c.client);
    }
}

TEST(ScreenLayout, AreaAtGivesTheFirstAreaInTableOrder) {
    using enum ScreenArea;
    const struct {
        int x, y;
        std::optional<ScreenArea> area;
    } cases[] = {
        {0, 0, Title},
        {299, 49, Title},
        {300, 0, GuideExit},
        {799, 49, GuideExit},
        {0, 50, Plot},
        {499, 549, Plot},
        {500, 300, Controls}, // the plot's right edge is outside it
        {549, 549, Controls},
        {550, 300, std::nullopt}, // the graph list's strip
        {550, 50, std::nullopt},
        {749, 51, std::nullopt},
        {750, 50, ListOperations},
        {799, 549, ListOperations},
        {0, 550, CoordSystem},
        {199, 599, CoordSystem},
        {200, 550, Position},
        {349, 599, Position},
        {350, 550, Rotation},
        {499, 599, Rotation},
        {500, 550, Progress},
        {799, 599, Progress},
        {800, 0, std::nullopt},
        {0, 600, std::nullopt},
        {-1, 300, std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(AreaAt(c.x, c.y), c.area) << c.x << ", " << c.y;
}

TEST(ScreenLayout, ColumnItemsFollowTheViewportAndLeaveGaps) {
    const auto items = ColumnItemRects(750, 800);
    EXPECT_EQ(items[0], (ClientRect{750, 55, 800, 105}));
    EXPECT_EQ(items[1], (ClientRect{750, 127, 800, 177}));
    EXPECT_EQ(items[6], (ClientRect{750, 487, 800, 537}));
    EXPECT_EQ(ColumnItemRects(500, 550)[3], (ClientRect{500, 271, 550, 321}));
    // The last item ends inside its column.
    EXPECT_LE(items[6].bottom, AreaClientRect(ScreenArea::ListOperations).bottom);
}

} // namespace
