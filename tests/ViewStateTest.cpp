#include "model/ViewState.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace {

constexpr double kInfinity = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

TEST(WrapAngle, KeepsAnglesInMinus180To180) {
    const struct {
        double in, out;
    } cases[] = {{179.9, 179.9},   {180, -180}, {-180, -180},     {-180.5, 179.5},     {540, -180},
                 {-900, -180},     {0, 0},      {3.6e9 + 90, 90}, {-3.6e9 - 90, -90},  {184, -176},
                 {-539.5, -179.5}, {1e300, 0},  {-1e300, 0},      {7.2e15 + 100, 100}, {-7.2e15 - 100, -100}};
    for (const auto& c : cases) {
        EXPECT_NEAR(WrapAngle(c.in), c.out, 1e-6) << c.in;
        EXPECT_GE(WrapAngle(c.in), -180.0) << c.in;
        EXPECT_LT(WrapAngle(c.in), 180.0) << c.in;
    }
}

TEST(ViewState, OnlyFiniteSpeedsUpTo360ASpinAreValid) {
    const struct {
        double speed;
        bool valid;
    } cases[] = {{0, true},      {360, true},   {-360, true},       {360.0001, false},   {-361, false},
                 {9e307, false}, {kNaN, false}, {kInfinity, false}, {-kInfinity, false}, {0.125, true}};
    for (const auto& c : cases)
        EXPECT_EQ(IsValidSpeed(c.speed), c.valid) << c.speed;
}

TEST(ViewState, WhatTheViewCannotShowIsReplaced) {
    ViewState view;
    view.angles[0] = kInfinity;
    view.angles[1] = 1e300; // finite: wrapped by the frames
    view.angles[2] = kNaN;
    view.speeds[0] = 9e307;
    view.speeds[1] = -kInfinity;
    view.speeds[2] = -360;
    view.position[0] = kNaN;
    view.position[1] = -1e308;
    view.position[2] = 30; // behind the eye, and allowed
    const double ranges[6] = {-kInfinity, 5, 3, -3, 1, kNaN};
    std::copy(ranges, ranges + 6, view.ranges);
    MakeViewFinite(view);
    EXPECT_EQ(std::vector<double>(view.angles, view.angles + 3), (std::vector<double>{0, 1e300, 0}));
    EXPECT_EQ(std::vector<double>(view.speeds, view.speeds + 3), (std::vector<double>{0, 0, -360}));
    EXPECT_EQ(std::vector<double>(view.position, view.position + 3), (std::vector<double>{0, -1e308, 30}));
    // An axis with an end that is not finite starts over; a reversed one stays.
    EXPECT_EQ(std::vector<double>(view.ranges, view.ranges + 6),
              (std::vector<double>{-10, 10, 3, -3, -10, 10}));
}

} // namespace
