#include "glui/ItemHover.h"

#include <gtest/gtest.h>

namespace {

// The list column as drawn in its viewport (750, 50, 50, 500).
constexpr int kListLeft = 750;
constexpr int kListRight = 800;

struct Move {
    int x, y;
};

// Feeds the moves to a list column's hover state; returns how often the hover sound was due.
int SoundsOver(ItemHover& hover, std::initializer_list<Move> moves) {
    int sounds = 0;
    for (const Move& m : moves)
        sounds += hover.MouseMoveOverColumn(kListLeft, kListRight, kColumnItemCount, m.x, m.y) ? 1 : 0;
    return sounds;
}

TEST(ItemHover, ColumnItemsAtTheirEdges) {
    const struct {
        int left, right, x, y, index;
    } cases[] = {
        {750, 800, 750, 55, 0},
        {750, 800, 799, 104, 0},
        {750, 800, 800, 80, -1}, // right edge
        {750, 800, 749, 80, -1},
        {750, 800, 775, 54, -1},
        {750, 800, 775, 105, -1}, // bottom edge of item 0: the gap begins
        {750, 800, 775, 126, -1},
        {750, 800, 775, 127, 1},
        {750, 800, 775, 487, 6},
        {750, 800, 775, 536, 6},
        {750, 800, 775, 537, -1},
        {500, 550, 500, 60, 0}, // x = 500 is the control column's
        {500, 550, 549, 300, 3},
        {500, 550, 550, 300, -1},
    };
    for (const auto& c : cases) {
        ItemHover hover;
        hover.MouseMoveOverColumn(c.left, c.right, kColumnItemCount, c.x, c.y);
        EXPECT_EQ(hover.Index(), c.index) << c.x << ", " << c.y;
    }
}

TEST(ItemHover, TheWholeGapBetweenItemsIsNoItem) {
    ItemHover hover;
    for (int y = 105; y <= 126; ++y) {
        hover.MouseMoveOverColumn(kListLeft, kListRight, kColumnItemCount, 775, 80);
        EXPECT_FALSE(hover.MouseMoveOverColumn(kListLeft, kListRight, kColumnItemCount, 775, y));
        EXPECT_EQ(hover.Index(), -1) << y;
    }
}

TEST(ItemHover, OnlyTheFirstCountItemsAreTested) {
    ItemHover hover;
    EXPECT_FALSE(hover.MouseMoveOverColumn(kListLeft, kListRight, 3, 775, 300));
    EXPECT_EQ(hover.Index(), -1);
    EXPECT_TRUE(hover.MouseMoveOverColumn(kListLeft, kListRight, 3, 775, 200));
    EXPECT_EQ(hover.Index(), 2);
    EXPECT_FALSE(hover.MouseMoveOverColumn(kListLeft, kListRight, 0, 775, 60));
    EXPECT_EQ(hover.Index(), -1);
}

TEST(ItemHover, SoundsOncePerItemEntered) {
    ItemHover hover;
    // Resting on item 0 and moving about inside it.
    EXPECT_EQ(SoundsOver(hover, {{760, 60}, {770, 70}, {799, 104}, {750, 55}}), 1);
    EXPECT_EQ(hover.Index(), 0);

    // Item 2 (y 199..248), then straight onto item 3 (y 271..320): the edges of two items
    // joined here by a single move.
    ItemHover straight;
    EXPECT_EQ(SoundsOver(straight, {{775, 248}}), 1);
    EXPECT_EQ(straight.Index(), 2);
    EXPECT_EQ(SoundsOver(straight, {{775, 271}}), 1);
    EXPECT_EQ(straight.Index(), 3);

    // Leaving is silent; coming back to the same item sounds again.
    EXPECT_EQ(SoundsOver(straight, {{775, 260}}), 0);
    EXPECT_EQ(straight.Index(), -1);
    EXPECT_EQ(SoundsOver(straight, {{775, 300}}), 1);
    EXPECT_EQ(SoundsOver(straight, {{600, 300}, {600, 301}}), 0);
}

} // namespace
