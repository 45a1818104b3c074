#include "glui/PlotTrace.h"

#include "mainwin/PlotRebuild.h"
#include "model/GraphStore.h"
#include "model/PlotView.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace {

struct Sample {
    double x, y, z;
    bool valid = true;
};

class PlotTrace : public ::testing::Test {
protected:
    PlotTrace() { m_plot.view = ViewState{}; }

    PlotBuffer& Add(PlotKind kind, const std::vector<Sample>& samples) {
        PlotBuffer& buffer = m_plot.AppendRecord();
        buffer.kind = kind;
        for (std::size_t k = 0; k < samples.size(); ++k) {
            buffer.x[k] = samples[k].x;
            buffer.y[k] = samples[k].y;
            buffer.z[k] = samples[k].z;
            buffer.valid[k] = samples[k].valid ? 1 : 0;
        }
        return buffer;
    }

    // The client pixel where the frame draws a scene point.
    ClientPoint PixelOf(float x, float y, float z) const {
        const auto at = PlotProjection(m_plot.view).Project(x, y, z);
        EXPECT_TRUE(at.has_value());
        return at ? ClientPoint{at->Column(), at->Row()} : ClientPoint{-100, -100};
    }

    // The record and sample traced with the pointer on that pixel, or (-1, -1).
    std::pair<int, int> Traced(ClientPoint pointer, int dx = 0, int dy = 0) const {
        const auto traced = FindTracedSample(m_plot.Records(), m_plot.view.mode, PlotProjection(m_plot.view),
                                             pointer.x + dx, pointer.y + dy);
        return traced ? std::pair{static_cast<int>(traced->record), traced->index} : std::pair{-1, -1};
    }

    PlotView m_plot;
};

// Still view, 18.1 pixels a unit at the origin's depth.
TEST_F(PlotTrace, TheSampleNearestToThePointerWithinEightPixels) {
    Add(kFunctionPlot, {{2, 1, 0}, {2.5, 1, 0}, {-3, 2, 0, false}});
    const ClientPoint a = PixelOf(2, 1, 0);
    const struct {
        const char* name;
        int dx, dy;
        std::pair<int, int> traced;
    } cases[] = {
        {"on it", 0, 0, {0, 0}},
        {"three pixels right", 3, 0, {0, 0}},
        {"nearer the next one", 6, 0, {0, 1}},
        {"seven pixels below", 0, 7, {0, 0}},
        {"nine pixels below", 0, 9, {-1, -1}},
        {"ten pixels left", -10, 0, {-1, -1}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Traced(a, c.dx, c.dy), c.traced) << c.name;
    // An invalid sample is never found, not even right under the pointer.
    EXPECT_EQ(Traced(PixelOf(-3, 2, 0)), std::pair(-1, -1));
}

TEST_F(PlotTrace, OnlyFunctionsAndParametricEquationsAreTraced) {
    Add(kInequalityPlot, {{1, 1, 0}});
    Add(kUnsampled, {{1, 1, 0}});
    Add(static_cast<PlotKind>(7), {{1, 1, 0}});
    EXPECT_EQ(Traced(PixelOf(1, 1, 0)), std::pair(-1, -1));
    Add(kParametricPlot, {{1, 1, 0}});
    EXPECT_EQ(Traced(PixelOf(1, 1, 0)), std::pair(3, 0));
}

// The plane system shows only samples in the plane z = 0; the left-handed space mirrors z.
TEST_F(PlotTrace, SamplesWhereTheCoordinateSystemShowsThem) {
    Add(kParametricPlot, {{1, 1, 3}, {-2, -1, 0}});
    m_plot.view.angles[1] = 40;
    const struct {
        std::int32_t mode;
        float z;
        std::pair<int, int> traced;
    } cases[] = {
        {kRightHanded, 3, {0, 0}}, {kLeftHanded, -3, {0, 0}}, {kLeftHanded, 3, {-1, -1}},
        {kPlane, 3, {-1, -1}},     {kPlane, 0, {-1, -1}},
    };
    for (const auto& c : cases) {
        m_plot.view.mode = c.mode;
        EXPECT_EQ(Traced(PixelOf(1, 1, c.z)), c.traced) << "mode " << c.mode << " z " << c.z;
    }
    m_plot.view.mode = kPlane;
    EXPECT_EQ(Traced(PixelOf(-2, -1, 0)), std::pair(0, 1));
}

// Looking down the z axis, (0, 0, 0) and (0, 0, 5) land on the same spot: the nearer one is read.
TEST_F(PlotTrace, OfTwoSamplesOnOneSpotTheOneNearerTheEye) {
    Add(kFunctionPlot, {{0, 0, 0}});
    Add(kParametricPlot, {{0, 0, 5}});
    Add(kFunctionPlot, {{0, 0, -5}});
    EXPECT_EQ(Traced(PixelOf(0, 0, 0)), std::pair(1, 0));
}

// The plot's records come from the last rebuild, which leaves hidden graphs out.
TEST(PlotTraceOfAWorkspace, AHiddenGraphIsNeverFound) {
    const auto store = std::make_unique<GraphStore>();
    store->plot.view = ViewState{};
    FunctionGraph graph = {};
    SetFieldText(graph.text, "1");
    graph.hidden = 1;
    store->functions.Append(graph);
    SetFieldText(graph.text, "5");
    graph.hidden = 0;
    store->functions.Append(graph);
    RebuildPlot(*store);
    const PlotProjection projection(store->plot.view);
    const auto traceAt = [&](float x, float y) {
        const auto at = projection.Project(x, y, 0);
        return FindTracedSample(store->plot.Records(), kRightHanded, projection, at->Column(), at->Row());
    };
    EXPECT_FALSE(traceAt(2, 1).has_value());
    const auto shown = traceAt(2, 5);
    ASSERT_TRUE(shown.has_value());
    EXPECT_EQ(store->plot.Records()[shown->record].function.text, std::string("5"));
}

TEST(TraceReadout, NamesTheGraphAndItsCoordinatesOwnVariableFirst) {
    const auto buffer = std::make_unique<PlotBuffer>();
    PlotBuffer& b = *buffer;
    b.x[3] = 1.25, b.y[3] = 3.14159265, b.z[3] = 0;
    b.x[1000] = 0, b.y[1000] = 1, b.z[1000] = -2.5;
    b.x[37] = 3, b.y[37] = 0.348, b.z[37] = 1e-7;
    const struct {
        PlotKind kind;
        const char* name;
        std::int32_t form;
        double lower, upper;
        int index;
        const char* readout;
    } cases[] = {
        {kFunctionPlot, "FA", kFormY, -10, 10, 3, "FA  x=1.25  y=3.14159"},
        {kFunctionPlot, "FB", kFormX, -10, 10, 3, "FB  y=3.14159  x=1.25"},
        // t is added up step by step, as the sampler did: at the middle it misses 0.
        {kParametricPlot, "EA", 0, 0, 0, 1000, "EA  t=-1.68889e-13  x=0  y=1  z=-2.5"},
        {kParametricPlot, "EB", 0, 0, 6.2832, 37, "EB  t=0.116239  x=3  y=0.348  z=1e-07"},
        {kFunctionPlot, "\xba\xaf\xca\xfd", kFormY, 0, 1, 3, "\xba\xaf\xca\xfd  x=1.25  y=3.14159"},
    };
    for (const auto& c : cases) {
        b.kind = c.kind;
        SetFieldText(b.function.name, c.name);
        SetFieldText(b.parametric.name, c.name);
        b.function.form = c.form;
        b.parametric.lower = c.lower;
        b.parametric.upper = c.upper;
        EXPECT_EQ(TraceReadout(b, c.index), c.readout);
    }
}

// Below and right of the pointer, turned over at the plot's right and bottom edges, never outside.
TEST(ReadoutBox, BesideThePointerInsideThePlot) {
    const struct {
        int x, y, width, height;
        ClientRect box;
    } cases[] = {
        {100, 100, 80, 20, {116, 116, 196, 136}},
        {480, 100, 80, 20, {392, 116, 472, 136}},
        {100, 540, 80, 20, {116, 512, 196, 532}},
        {420, 530, 80, 20, {332, 502, 412, 522}},
        {404, 514, 80, 20, {420, 530, 500, 550}}, // just fits below and right
        {5, 60, 480, 20, {20, 76, 500, 96}},
        {30, 60, 490, 20, {10, 76, 500, 96}}, // wider than either side: against the edge
    };
    for (const auto& c : cases)
        EXPECT_EQ(ReadoutBox(c.x, c.y, c.width, c.height), c.box) << c.x << ", " << c.y;
}

} // namespace
