#include "model/PlotView.h"

#include "model/PageRequest.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <tuple>
#include <vector>

namespace {

using Triple = std::vector<double>;

Triple Of(const double* values) {
    return {values[0], values[1], values[2]};
}

TEST(PlotView, StartsRightHandedAtTheFirstPresets) {
    const PlotView plot;
    EXPECT_EQ(plot.view.mode, kRightHanded);
    EXPECT_EQ(Of(plot.view.position), (Triple{0, -2.5, 0}));
    EXPECT_EQ(Of(plot.view.angles), (Triple{0, 0, 0}));
    EXPECT_EQ(Of(plot.view.speeds), (Triple{0, 5, 0}));
    EXPECT_EQ(std::vector<double>(plot.view.ranges, plot.view.ranges + 6),
              (std::vector<double>{-10, 10, -10, 10, -10, 10}));
    EXPECT_TRUE(plot.Records().empty());
}

TEST(PlotView, PresetsCycle) {
    PlotView plot;
    for (const Triple& position :
         {Triple{0, 0, 0}, Triple{-2.5, -2.5, 0}, Triple{0, -2.5, 0}, Triple{0, 0, 0}}) {
        plot.NextPositionPreset();
        EXPECT_EQ(Of(plot.view.position), position);
    }
    // Spin about x, about z, still, then about y again; every step starts from angle 0.
    for (const Triple& speeds : {Triple{5, 0, 0}, Triple{0, 0, 5}, Triple{0, 0, 0}, Triple{0, 5, 0}}) {
        plot.view.angles[0] = plot.view.angles[1] = plot.view.angles[2] = 33;
        plot.NextRotationPreset();
        EXPECT_EQ(Of(plot.view.angles), (Triple{0, 0, 0}));
        EXPECT_EQ(Of(plot.view.speeds), speeds);
    }
    const int modes[] = {kPlane, kLeftHanded, kRightHanded, kPlane};
    for (int mode : modes) {
        plot.NextCoordinateMode();
        EXPECT_EQ(plot.view.mode, mode);
    }
    plot.view.mode = -7; // from a hand-edited file
    plot.NextCoordinateMode();
    EXPECT_GE(plot.view.mode, 0);
    EXPECT_LE(plot.view.mode, 2);
}

struct Report {
    int code;
    std::vector<double> values;
};

int Record(int code, const void* data, void* user) {
    const auto* values = static_cast<const double*>(data);
    const int count = code == kPositionReport ? 3 : 6;
    static_cast<std::vector<Report>*>(user)->push_back({code, std::vector<double>(values, values + count)});
    return 0;
}

TEST(PlotView, FrameStepWrapsTheAnglesThenAdvancesThem) {
    PlotView plot;
    const double start[3] = {179, -200, 180};
    const double speeds[3] = {5, -1, 0};
    std::copy(start, start + 3, plot.view.angles);
    std::copy(speeds, speeds + 3, plot.view.speeds);
    plot.FrameStep();
    EXPECT_EQ(Of(plot.view.angles), (Triple{184, 159, -180}));
    plot.FrameStep();
    EXPECT_EQ(Of(plot.view.angles), (Triple{-171, 158, -180}));
}

// However fast or however far a view has turned, its angles stay bounded and go on turning.
TEST(PlotView, AnglesStayWithinTwoTurnsAtAnyValidSpeed) {
    const struct {
        double angle, speed;
    } cases[] = {{0, -1}, {0, 360}, {0, -360}, {1e300, 5}, {-1e300, -7}, {179.5, 359.5}, {-540, 0.125}};
    for (const auto& c : cases) {
        PlotView plot;
        plot.view.angles[0] = c.angle;
        plot.view.speeds[0] = c.speed;
        double previous = plot.view.angles[0];
        for (int frame = 0; frame < 1000; ++frame) {
            plot.FrameStep();
            const double angle = plot.view.angles[0];
            ASSERT_GE(angle, -540.0) << c.angle << " at " << c.speed;
            ASSERT_LT(angle, 540.0) << c.angle << " at " << c.speed;
            // One frame turns by the speed, whole turns aside.
            ASSERT_NEAR(std::remainder(angle - previous - c.speed, 360.0), 0.0, 1e-9) << c.angle;
            previous = angle;
        }
    }
}

TEST(PageRequest, ReportViewSendsRotationRangesAndPosition) {
    PlotView plot;
    plot.view.angles[0] = 184;
    plot.view.angles[1] = -201;
    plot.view.angles[2] = -180;
    plot.view.speeds[0] = 5;
    plot.view.speeds[1] = -1;
    std::vector<Report> reports;
    PageRequest request;
    request.callback = Record;
    request.user = &reports;
    request.ReportView(plot.view);

    ASSERT_EQ(reports.size(), 3u);
    EXPECT_EQ(reports[0].code, kRotationReport);
    EXPECT_EQ(reports[0].values, (std::vector<double>{184, -201, -180, 5, -1, 0}));
    EXPECT_EQ(reports[1].code, kRangeReport);
    EXPECT_EQ(reports[1].values, (std::vector<double>{-10, 10, -10, 10, -10, 10}));
    EXPECT_EQ(reports[2].code, kPositionReport);
    EXPECT_EQ(reports[2].values, (std::vector<double>{0, -2.5, 0}));
}

// A range report is never taken for a mode choice, not even one whose first value looks like a
// mode or one that sits right after the choice field.
TEST(PageRequest, OnlyTheChoiceFieldChoosesACoordinateMode) {
    PageRequest request;
    request.coordinateChoice = kPlane;
    const double ranges[6] = {1, 1, 1, 1, 1, 1};
    const std::int32_t copy = request.coordinateChoice;
    EXPECT_TRUE(request.IsCoordinateChoice(&request.coordinateChoice));
    EXPECT_FALSE(request.IsCoordinateChoice(ranges));
    EXPECT_FALSE(request.IsCoordinateChoice(&copy));
    EXPECT_FALSE(request.IsCoordinateChoice(&request.reserved));
    EXPECT_FALSE(request.IsCoordinateChoice(nullptr));
}

TEST(PlotView, StateBlockIsPositionRotationRangesMode) {
    PlotView plot;
    const double position[3] = {1, 2, 3};
    const double rotation[6] = {4, 5, 6, 7, 8, 9};
    const double ranges[6] = {-1, 1, -2, 2, -3, 3};
    const std::int32_t mode = kLeftHanded;
    std::uint8_t block[PlotView::kStateSize];
    std::memcpy(block, position, 24);
    std::memcpy(block + 24, rotation, 48);
    std::memcpy(block + 72, ranges, 48);
    std::memcpy(block + 120, &mode, 4);
    plot.ReadState(block);
    EXPECT_EQ(
        (std::tuple{plot.view.position[2], plot.view.angles[2], plot.view.speeds[0], plot.view.ranges[5]}),
        (std::tuple{3.0, 6.0, 7.0, 3.0}));
    EXPECT_EQ(plot.view.mode, kLeftHanded);
    std::uint8_t written[PlotView::kStateSize];
    plot.WriteState(written);
    EXPECT_EQ(std::memcmp(block, written, sizeof block), 0);
}

// A file whose view holds an infinite angle, say, still shows the axes when it is loaded.
TEST(PlotView, ReadStateMakesTheViewFinite) {
    PlotView plot;
    const double infinity = std::numeric_limits<double>::infinity();
    const double position[3] = {1, std::nan(""), 3};
    const double rotation[6] = {infinity, 5, 6, 7, 361, 9};
    const double ranges[6] = {-1, 1, -infinity, 2, -3, 3};
    std::uint8_t block[PlotView::kStateSize] = {};
    std::memcpy(block, position, 24);
    std::memcpy(block + 24, rotation, 48);
    std::memcpy(block + 72, ranges, 48);
    plot.ReadState(block);
    EXPECT_EQ(Of(plot.view.position), (Triple{1, 0, 3}));
    EXPECT_EQ(Of(plot.view.angles), (Triple{0, 5, 6}));
    EXPECT_EQ(Of(plot.view.speeds), (Triple{7, 0, 9}));
    EXPECT_EQ(std::vector<double>(plot.view.ranges, plot.view.ranges + 6),
              (std::vector<double>{-1, 1, -10, 10, -3, 3}));
}

} // namespace
