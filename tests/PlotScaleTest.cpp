#include "glui/PlotScale.h"

#include "glui/PlotProjection.h"
#include "glui/TextMeasure.h"
#include "model/ViewState.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Segment = PlotScale::Segment;

// Every character 8 pixels wide, lines 10 high.
class FixedFont : public TextMeasure {
public:
    int Width(std::string_view text) const override { return 8 * static_cast<int>(text.size()); }
    int Height() const override { return 10; }
};

ViewState View(std::int32_t mode, std::vector<double> ranges = {-10, 10, -10, 10, -10, 10}) {
    ViewState view;
    view.mode = mode;
    std::copy(ranges.begin(), ranges.end(), view.ranges);
    return view;
}

std::string Text(const Segment& s) {
    const auto number = [](float v) { return std::to_string(v).substr(0, std::to_string(v).find('.') + 3); };
    return "(" + number(s.from[0]) + " " + number(s.from[1]) + " " + number(s.from[2]) + ")-(" +
           number(s.to[0]) + " " + number(s.to[1]) + " " + number(s.to[2]) + ")";
}

// A tick crosses its axis by 1/80 of the axis's length to each side: x's along y, y's and z's
// along x; the left-handed system mirrors z, the plane system has none.
TEST(PlotScale, TicksCrossTheirAxisAlongTheNextOne) {
    const struct {
        const char* name;
        ViewState view;
        int axis;
        std::size_t count;
        const char* first;
        const char* last;
    } cases[] = {
        {"x", View(kRightHanded), 0, 10, "(2.00 -0.25 0.00)-(2.00 0.25 0.00)",
         "(-10.00 -0.25 0.00)-(-10.00 0.25 0.00)"},
        {"y", View(kRightHanded), 1, 10, "(-0.25 2.00 0.00)-(0.25 2.00 0.00)",
         "(-0.25 -10.00 0.00)-(0.25 -10.00 0.00)"},
        {"z", View(kRightHanded), 2, 10, "(-0.25 0.00 2.00)-(0.25 0.00 2.00)",
         "(-0.25 0.00 -10.00)-(0.25 0.00 -10.00)"},
        {"z mirrored", View(kLeftHanded), 2, 10, "(-0.25 0.00 -2.00)-(0.25 0.00 -2.00)",
         "(-0.25 0.00 10.00)-(0.25 0.00 10.00)"},
        {"x of its own length", View(kPlane, {-4, 4, 0, 40, 0, 0}), 0, 8,
         "(1.00 -0.10 0.00)-(1.00 0.10 0.00)", "(-4.00 -0.10 0.00)-(-4.00 0.10 0.00)"},
        {"y of its own length", View(kPlane, {-4, 4, 0, 40, 0, 0}), 1, 8,
         "(-0.50 5.00 0.00)-(0.50 5.00 0.00)", "(-0.50 40.00 0.00)-(0.50 40.00 0.00)"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const PlotScale scale(c.view);
        const std::vector<Segment>& ticks = scale.Ticks(c.axis);
        ASSERT_EQ(ticks.size(), c.count);
        EXPECT_EQ(Text(ticks.front()), c.first);
        EXPECT_EQ(Text(ticks.back()), c.last);
    }
    EXPECT_TRUE(PlotScale(View(kPlane)).Ticks(2).empty());
}

// In the plane system a line runs through every tick of x and of y, across the other's range.
TEST(PlotScale, TheGridOfThePlaneSystemGoesThroughTheTicksOfXAndY) {
    const PlotScale scale(View(kPlane, {-10, 10, 5, -5, -10, 10}));
    std::vector<std::string> lines;
    for (const Segment& line : scale.GridLines())
        lines.push_back(Text(line));
    ASSERT_EQ(lines.size(), 20u);
    EXPECT_EQ(lines[0], "(2.00 -5.00 0.00)-(2.00 5.00 0.00)");
    EXPECT_EQ(lines[9], "(-10.00 -5.00 0.00)-(-10.00 5.00 0.00)");
    EXPECT_EQ(lines[10], "(-10.00 1.00 0.00)-(10.00 1.00 0.00)");
    EXPECT_EQ(lines[19], "(-10.00 -5.00 0.00)-(10.00 -5.00 0.00)");
    for (const std::int32_t spatial : {kRightHanded, kLeftHanded})
        EXPECT_TRUE(PlotScale(View(spatial)).GridLines().empty());
}

// The x axis's numbers, in the order they are written.
std::vector<std::string> XLabels(const ViewState& view) {
    std::vector<std::string> texts;
    for (const PlotScale::Label& label : PlotScale(view).Labels(PlotProjection(view), FixedFont()))
        if (label.axis == 0)
            texts.push_back(label.text);
    return texts;
}

// Outwards from the origin, a number is written beside its tick unless it would touch the last one
// written on its half-axis or leave the plot square.
TEST(PlotScale, NumbersKeepClearOfTheLastOneWrittenAndInsideThePlot) {
    // Far away, 5.55 pixels a unit: "-4" would run into "-2", "-8" and "-10" into "-6".
    ViewState far = View(kRightHanded);
    far.position[2] = -56.561;
    EXPECT_EQ(XLabels(far), (std::vector<std::string>{"2", "4", "6", "8", "10", "-2", "-6"}));
    // Moved right: the tick at 2 lies inside the plot but its number would not, the others beyond.
    ViewState moved = View(kRightHanded);
    moved.position[0] = 11.3;
    EXPECT_EQ(XLabels(moved), (std::vector<std::string>{"-2", "-4", "-6", "-8", "-10"}));
}

TEST(PlotScale, ANumberStartsBelowAndRightOfItsTick) {
    const ViewState view = View(kRightHanded);
    const PlotProjection projection(view);
    const auto labels = PlotScale(view).Labels(projection, FixedFont());
    ASSERT_FALSE(labels.empty());
    const PlotScale::Label& first = labels.front();
    const auto tick = projection.Project(2, 0, 0);
    ASSERT_TRUE(tick.has_value());
    EXPECT_EQ(first.text, "2");
    EXPECT_EQ(first.box,
              (ClientRect{tick->Column() + 3, tick->Row() + 3, tick->Column() + 11, tick->Row() + 13}));
}

} // namespace
