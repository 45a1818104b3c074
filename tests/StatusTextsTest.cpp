#include "mainwin/StatusTexts.h"

#include <gtest/gtest.h>

namespace {

TEST(StatusTexts, FormatTheReportedValues) {
    const double rotation[6] = {30, -179.996, 0, 0.5, 5, -2.25};
    EXPECT_EQ(RotationLabelTexts(rotation), (std::array<std::string, 3>{"30.00 / 0.50", "-180.00 / 5.00", "0.00 / -2.25"}));
    const double ranges[6] = {-10, 10, -2.5, 0.0005, 0, 1e6};
    EXPECT_EQ(RangeLabelTexts(ranges),
              (std::array<std::string, 3>{"-10.000-10.000", "-2.500-0.001", "0.000-1000000.000"}));
    const double position[3] = {0, -2.5, -0.0004};
    EXPECT_EQ(PositionLabelTexts(position), (std::array<std::string, 3>{"0.000", "-2.500", "-0.000"}));
}

TEST(HelpStringId, FollowsTheAreasInOrder) {
    const struct {
        int x, y, id;
    } cases[] = {
        {0, 0, 1},     {299, 49, 1},  {300, 0, 2},   {799, 49, 2},  {500, 550, 3}, {799, 599, 3},
        {750, 50, 4},  {799, 549, 4}, {350, 550, 5}, {0, 550, 6},   {199, 599, 6}, {0, 50, 7},
        {499, 549, 7}, {500, 50, 8},  {500, 300, 8}, {549, 549, 8}, {200, 550, 9}, {349, 599, 9},
        {550, 50, 10}, {749, 51, 10}, {600, 300, 10}, {800, 600, 10}, {-1, 300, 10},
    };
    for (const auto& c : cases)
        EXPECT_EQ(HelpStringId(c.x, c.y), c.id) << c.x << "," << c.y;
}

} // namespace
