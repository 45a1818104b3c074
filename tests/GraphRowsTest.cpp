#include "mainwin/GraphRows.h"

#include "mainwin/RowHatching.h"
#include "model/GraphStore.h"

#include <gtest/gtest.h>

namespace {

template <typename Record>
Record Named(const char* name, const char* text, std::uint32_t colour) {
    Record record{};
    SetFieldText(record.name, name);
    SetFieldText(record.text, text);
    record.colour = colour;
    return record;
}

class GraphRows : public ::testing::Test {
protected:
    void SetUp() override {
        store.functions.Append(Named<FunctionGraph>("FA", "x^2", 0x11));
        store.functions.Append(Named<FunctionGraph>("FB", "cosx", 0x22));
        store.parametrics.Append(Named<ParametricGraph>("EA", "cost&sint&0", 0x33));
        store.inequalities.Append(Named<InequalityGroup>("IA", "x>y", 0x44));
    }
    GraphStore store;
};

TEST_F(GraphRows, FunctionsThenEquationsThenGroups) {
    ASSERT_EQ(GraphRowCount(store), 4);
    const struct {
        int row;
        GraphRowKind kind;
        const char* text;
        std::uint32_t colour;
    } rows[] = {
        {0, kFunctionRow, "FA:y=x^2", 0x11},
        {1, kFunctionRow, "FB:y=cosx", 0x22},
        {2, kParametricRow, "EA:x=cost&&y=sint&&z=0", 0x33},
        {3, kInequalityRow, "IA:x>y", 0x44},
        {4, kNoRow, "", 0},
    };
    for (const auto& r : rows) {
        EXPECT_EQ(GraphRowKindOf(store, r.row), r.kind) << r.row;
        EXPECT_EQ(GraphRowText(store, r.row), r.text) << r.row;
        EXPECT_EQ(GraphRowColour(store, r.row), r.colour) << r.row;
    }
    int kind = 99;
    EXPECT_EQ(GraphRowLookup(store, 2, &kind), &store.parametrics[0]);
    EXPECT_EQ(kind, kParametricRow);
    EXPECT_EQ(GraphRowLookup(store, -1, &kind), nullptr);
    EXPECT_EQ(kind, kNoRow);
}

TEST_F(GraphRows, RemovingAndHidingActOnTheRowsRecord) {
    ASSERT_TRUE(ToggleGraphRowHidden(store, 2));
    EXPECT_EQ(GraphRowText(store, 2), "EA:x=cost&&y=sint&&z=0&");
    EXPECT_TRUE(GraphRowHidden(store, 2));
    ASSERT_TRUE(ToggleGraphRowHidden(store, 2));
    EXPECT_EQ(store.parametrics[0].hidden, 0);
    EXPECT_FALSE(GraphRowHidden(store, 2));
    // A shown group whose text ends with '&' is no hidden one.
    SetFieldText(store.inequalities[0].text, "x>y&");
    EXPECT_EQ(GraphRowText(store, 3), "IA:x>y&&");
    EXPECT_FALSE(GraphRowHidden(store, 3));

    ASSERT_TRUE(RemoveGraphRow(store, 0));
    ASSERT_EQ(GraphRowCount(store), 3);
    EXPECT_EQ(GraphRowText(store, 0), "FB:y=cosx");
    EXPECT_EQ(GraphRowKindOf(store, 1), kParametricRow);
    EXPECT_EQ(GraphRowKindOf(store, 2), kInequalityRow);
    EXPECT_FALSE(RemoveGraphRow(store, -1));
    EXPECT_FALSE(ToggleGraphRowHidden(store, 3));
    EXPECT_EQ(GraphRowCount(store), 3);
}

TEST(RowHatching, TwentyTwoLinesLeaningByRow) {
    // A 200-pixel row: text from 36, step (200 - 36) / 20 = 8.
    const auto even = RowHatching(0, 200, 34, 51, 0);
    EXPECT_EQ(even.front(), (LineSegment{28, 50, 44, 34}));
    EXPECT_EQ(even[1], (LineSegment{36, 50, 52, 34}));
    EXPECT_EQ(even.back(), (LineSegment{196, 50, 212, 34}));
    const auto odd = RowHatching(0, 200, 51, 68, 3);
    EXPECT_EQ(odd.front(), (LineSegment{28, 51, 44, 67}));
    EXPECT_EQ(odd.back(), (LineSegment{196, 51, 212, 67}));
}

} // namespace
