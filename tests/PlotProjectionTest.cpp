#include "glui/PlotProjection.h"

#include "model/ViewState.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <optional>

namespace {

ViewState View(double ax, double ay, double az, double px = 0, double py = 0, double pz = 0) {
    ViewState view;
    view.angles[0] = ax, view.angles[1] = ay, view.angles[2] = az;
    view.position[0] = px, view.position[1] = py, view.position[2] = pz;
    return view;
}

// The textbook perspective of a point in front of the eye (eye coordinates, z < 0): the 45-degree
// field and the 4 : 3 aspect of the window, squeezed into the 500 x 500 plot at (0, 50).
WindowPoint Perspective(double x, double y, double z) {
    const double focal = 1.0 / std::tan(std::numbers::pi / 8.0);
    const double ndcX = focal / (4.0 / 3.0) * x / -z;
    const double ndcY = focal * y / -z;
    const double ndcZ = (-(100.0 + 0.1) / (100.0 - 0.1) * z - 2.0 * 100.0 * 0.1 / (100.0 - 0.1)) / -z;
    return {250.0 * (ndcX + 1.0), 50.0 + 250.0 * (ndcY + 1.0), (ndcZ + 1.0) / 2.0};
}

void ExpectAt(const std::optional<WindowPoint>& at, const WindowPoint& expected) {
    ASSERT_TRUE(at.has_value());
    EXPECT_NEAR(at->x, expected.x, 1e-9);
    EXPECT_NEAR(at->y, expected.y, 1e-9);
    EXPECT_NEAR(at->depth, expected.depth, 1e-12);
}

TEST(PlotProjection, TheOriginSitsTwentyFiveUnitsAwayInTheMiddleOfThePlot) {
    const PlotProjection projection(View(0, 0, 0));
    ExpectAt(projection.Project(0, 0, 0), {250.0, 300.0, Perspective(0, 0, -25).depth});
    ExpectAt(projection.Project(4, 0, 0), Perspective(4, 0, -25));
    ExpectAt(projection.Project(-3, 7, 5), Perspective(-3, 7, -20));
    // The position moves the origin; z brings it nearer.
    ExpectAt(PlotProjection(View(0, 0, 0, 1, -2.5, 3)).Project(2, 1, 0), Perspective(3, -1.5, -22));
}

// The frame turns about x, then y, then z: a point is turned about z first.
TEST(PlotProjection, TurnsAsTheFrameTurns) {
    const struct {
        const char* name;
        ViewState view;
        float point[3];
        float unturned[3];
    } cases[] = {
        {"90 about z takes x onto y", View(0, 0, 90), {4, 0, 0}, {0, 4, 0}},
        {"90 about y takes x away from the eye", View(0, 90, 0), {4, 0, 0}, {0, 0, -4}},
        {"90 about x takes y towards the eye", View(90, 0, 0), {0, 4, 0}, {0, 0, 4}},
        {"90 about x and z take y onto -x", View(90, 0, 90), {0, 4, 0}, {-4, 0, 0}},
        {"180 about y mirrors x and z", View(0, 180, 0), {3, 2, 1}, {-3, 2, -1}},
    };
    const PlotProjection still(View(0, 0, 0));
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto expected = still.Project(c.unturned[0], c.unturned[1], c.unturned[2]);
        ASSERT_TRUE(expected.has_value());
        ExpectAt(PlotProjection(c.view).Project(c.point[0], c.point[1], c.point[2]), *expected);
    }
}

// OpenGL drops a point outside the view volume: behind the eye, past the far plane, beside the plot.
TEST(PlotProjection, NothingOutsideTheViewVolume) {
    const PlotProjection projection(View(0, 0, 0));
    const float outside[][3] = {{0, 0, 30}, {0, 0, 24.95f}, {0, 0, -75.5f}, {15, 0, 0}, {0, -11, 0}};
    for (const auto& p : outside)
        EXPECT_FALSE(projection.Project(p[0], p[1], p[2]).has_value())
            << p[0] << ", " << p[1] << ", " << p[2];
    const float inside[][3] = {{0, 0, 24.8f}, {0, 0, -74.8f}, {13, 0, 0}, {0, -10, 0}};
    for (const auto& p : inside)
        EXPECT_TRUE(projection.Project(p[0], p[1], p[2]).has_value()) << p[0] << ", " << p[1] << ", " << p[2];
}

// A point lights the pixel whose square holds it; client rows count down from the window's top.
TEST(PlotProjection, ThePixelOfAWindowPoint) {
    const struct {
        double x, y;
        int column, row;
        double clientY;
    } cases[] = {
        {250.0, 300.0, 250, 299, 300.0},
        {322.43, 300.99, 322, 299, 299.01},
        {0.2, 50.0, 0, 549, 550.0},
        {499.99, 549.5, 499, 50, 50.5},
    };
    for (const auto& c : cases) {
        const WindowPoint at{c.x, c.y, 0.5};
        EXPECT_EQ(at.Column(), c.column) << c.x;
        EXPECT_EQ(at.Row(), c.row) << c.y;
        EXPECT_DOUBLE_EQ(at.ClientY(), c.clientY);
    }
}

} // namespace
