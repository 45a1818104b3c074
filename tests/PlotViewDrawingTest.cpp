#include "glui/PlotViewControl.h"

#include "glui/PlotProjection.h"
#include "glui/ScreenLayout.h"
#include "model/PlotView.h"
#include "tests/GlTestContext.h"

#include <gtest/gtest.h>

#include <GL/gl.h>
#include <GL/glu.h>

#include <cmath>
#include <cstdint>
#include <numbers>
#include <vector>

namespace {

constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kWhite{255, 255, 255};
constexpr Rgb kRed{255, 0, 0};
constexpr Rgb kGreen{0, 255, 0};
constexpr Rgb kBlue{0, 0, 255};

struct Vec {
    double x, y, z;
};

// The colour a line fading from `start` to `end` has at the fraction t of its length.
Rgb Fade(const Rgb& start, const Rgb& end, double t) {
    const auto mix = [t](int a, int b) { return static_cast<int>(std::lround(a + t * (b - a))); };
    return {mix(start.r, end.r), mix(start.g, end.g), mix(start.b, end.b)};
}

// The plot view drawn into its viewport of the main window, like in the program.
class PlotViewDrawing : public MainWindowDrawingTest {
protected:
    // A still view with the origin in the middle of the plot area, instead of the first preset;
    // the ticks and numbers are looked at by tests of their own.
    PlotViewDrawing() {
        m_plot.view = ViewState{};
        m_control.ShowScale(false);
    }

    void Draw() {
        const Viewport v = AreaViewport(ScreenArea::Plot);
        m_control.Draw(v.x, v.y, v.width, v.height);
        ExpectStateRestored();
    }

    // The pixel where a point given in eye-aligned scene units (origin at the plot view's origin
    // with no rotation and no position offset) lands, moved by (dx, dy).
    static Rgb ScenePixel(const Vec& scene, int dx = 0, int dy = 0) {
        const Viewport v = AreaViewport(ScreenArea::Plot);
        const GLint viewport[4] = {v.x, v.y, v.width, v.height};
        GLdouble identity[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1}, projection[16], x, y, z;
        glGetDoublev(GL_PROJECTION_MATRIX, projection);
        gluProject(scene.x, scene.y, scene.z - 25.0, identity, projection, viewport, &x, &y, &z);
        return PixelAt(static_cast<int>(x) + dx, static_cast<int>(y) + dy);
    }

    // The brightest pixel within two pixels across a line that runs along the screen's x or y
    // axis: a line lying on a pixel edge may be drawn on either side of it.
    static Rgb LinePixel(const Vec& scene) {
        Rgb brightest = kBlack;
        for (int step = -2; step <= 2; ++step)
            for (const Rgb& pixel : {ScenePixel(scene, step, 0), ScenePixel(scene, 0, step)})
                if (pixel.r + pixel.g + pixel.b > brightest.r + brightest.g + brightest.b)
                    brightest = pixel;
        return brightest;
    }

    // The test points land well inside a pixel, so that no rounding rule moves them.
    void AddBuffer(PlotKind kind, std::uint32_t colour, const std::vector<Vec>& points, bool valid = true) {
        PlotBuffer& buffer = m_plot.AppendRecord();
        buffer.kind = kind;
        buffer.function.colour = buffer.parametric.colour = buffer.inequality.colour = colour;
        for (std::size_t k = 0; k < points.size(); ++k) {
            buffer.x[k] = points[k].x;
            buffer.y[k] = points[k].y;
            buffer.z[k] = points[k].z;
            buffer.valid[k] = valid ? 1 : 0;
        }
    }

    PlotView m_plot;
    PlotViewControl m_control{m_plot};
};

// The end-to-end plot test sees each axis's colours and each system's z axis; here the axes' lengths
// and the order of the turns.
TEST_F(PlotViewDrawing, AxesFadeFromTheirColourToWhiteAtTheirEndAndToGreyAtTheirStart) {
    // Each axis is looked at in a view where it lies across the screen at the origin's depth;
    // its positive end then lands towards (dx, dy).
    const struct {
        const char* name;
        double angles[3];
        int axis;
        Rgb colour;
        double dx, dy;
    } cases[] = {
        {"x", {0, 0, 0}, 0, kRed, 1, 0},
        {"z, turned 90 about y", {0, 90, 0}, 2, kBlue, 1, 0},
        // The turn about z acts on a vertex first: it takes y onto -x, which the turn about x keeps.
        {"y turned 90 about x and z", {90, 0, 90}, 1, kGreen, -1, 0},
    };
    const double ranges[6] = {-4, 8, -6, 9, -7, 5};
    std::copy(ranges, ranges + 6, m_plot.view.ranges);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Clear(kBlack);
        std::copy(c.angles, c.angles + 3, m_plot.view.angles);
        Draw();
        const auto along = [&c](double d) { return Vec{d * c.dx, d * c.dy, 0}; };
        const double from = ranges[2 * c.axis], to = ranges[2 * c.axis + 1];
        EXPECT_EQ(LinePixel(along(0.8 * to)), Fade(c.colour, kWhite, 0.8));
        EXPECT_EQ(LinePixel(along(0.8 * from)), Fade(c.colour, {64, 64, 64}, 0.8));
        for (double end : {to, from})
            EXPECT_EQ(LinePixel(along(1.08 * end)), kBlack) << "beyond " << end;
    }
}

// The end-to-end plot test sees points in and off the plane z = 0 in each system; here, in the plane
// system, those next to it.
TEST_F(PlotViewDrawing, ValidSamplesInThePlaneShowInTheirGraphsColourAndUnknownKindsKeepThePreviousOne) {
    const Rgb grey{128, 128, 128}; // so that the black of an unknown first buffer shows
    Clear(grey);
    m_plot.view.mode = kPlane;
    const struct {
        PlotKind kind;
        std::uint32_t colour;
        Vec point;
        bool valid;
        Rgb expected;
    } buffers[] = {
        {kUnsampled, 0x00FFFFFF, {2.3, 3.1, 0}, true, kBlack},
        {kFunctionPlot, 0x00204080, {4.6, -2.7, 0}, true, {0x80, 0x40, 0x20}},
        {kFunctionPlot, 0x00204080, {-4.6, 2.7, 0}, false, grey},
        {kParametricPlot, 0x00C08000, {-1.7, -5.2, 0}, true, {0x00, 0x80, 0xC0}},
        {static_cast<PlotKind>(7), 0x00FFFFFF, {1.3, -6.2, 0}, true, {0x00, 0x80, 0xC0}},
        {kInequalityPlot, 0x0000FF40, {-5.4, -1.3, 0}, true, {0x40, 0xFF, 0x00}},
        {kParametricPlot, 0x0000FFFF, {-3.3, 4.2, -0.0}, true, {0xFF, 0xFF, 0x00}},
        {kParametricPlot, 0x0000FFFF, {3.3, -4.2, 1e-9}, true, grey},
    };
    for (const auto& b : buffers)
        AddBuffer(b.kind, b.colour, {b.point}, b.valid);
    Draw();
    for (const auto& b : buffers)
        EXPECT_EQ(ScenePixel(b.point), b.expected) << "kind " << b.kind << " at " << b.point.x;
}

// The drawing of a client pixel (y down).
Rgb ClientPixel(int x, int y) {
    return MainWindowDrawingTest::PixelAt(x, kWindowHeight - 1 - y);
}

// With the scale shown, the plane system's grid lies under the ticks of x and y, and each tick has
// its number below and right of it; hidden, all three go.
TEST_F(PlotViewDrawing, TicksNumbersAndTheGridShowWithTheScaleAndGoWithout) {
    const Rgb gridGrey{51, 51, 51};
    const Rgb pinkNumber{255, 178, 178};
    m_control.LoadImages(nullptr);
    m_plot.view.mode = kPlane;
    const auto tick = PlotProjection(m_plot.view).Project(4, 0, 0);
    ASSERT_TRUE(tick.has_value());
    const auto numberShown = [&] {
        for (int dy = 3; dy < 18; ++dy)
            for (int dx = 3; dx < 12; ++dx)
                if (ClientPixel(tick->Column() + dx, tick->Row() + dy) == pinkNumber)
                    return true;
        return false;
    };
    // y from -20 to 20 has a tick every 5, half a unit to either side of the axis.
    m_plot.view.ranges[2] = -20;
    m_plot.view.ranges[3] = 20;
    for (const bool shown : {true, false}) {
        SCOPED_TRACE(shown ? "shown" : "hidden");
        Clear(kBlack);
        m_control.ShowScale(shown);
        Draw();
        EXPECT_EQ(LinePixel({4, 0.15, 0}), shown ? kRed : kBlack);
        EXPECT_EQ(LinePixel({-0.35, -5, 0}), shown ? kGreen : kBlack);
        EXPECT_EQ(LinePixel({3, 5, 0}), shown ? gridGrey : kBlack);
        EXPECT_EQ(LinePixel({-8, -7, 0}), shown ? gridGrey : kBlack);
        EXPECT_EQ(ScenePixel({3, 3, 0}), kBlack);
        EXPECT_EQ(numberShown(), shown);
    }
    m_control.ReleaseTextures();
}

// A ring of 5 x 5 pixels in the graph's colour around the sample under the pointer, and beside the
// pointer its readout in white on a dark box framed in that colour.
TEST_F(PlotViewDrawing, TheTracedSampleIsMarkedAndReadOut) {
    const Rgb magenta{255, 0, 255};
    m_control.LoadImages(nullptr);
    m_control.DrawPointsOnProcessor(false);
    AddBuffer(kFunctionPlot, 0x00FF00FF, {{2.3, 1.7, 0}});
    const auto sample = PlotProjection(m_plot.view).Project(2.3f, 1.7f, 0.0f);
    ASSERT_TRUE(sample.has_value());
    const int column = sample->Column();
    const int row = sample->Row();
    const ClientPoint pointer{column + 4, row - 3};
    m_control.TraceAt(pointer);
    Draw();
    for (const auto& [dx, dy] : {std::pair{-2, -2}, {2, -2}, {-2, 2}, {2, 2}, {0, -2}, {-2, 1}})
        EXPECT_EQ(ClientPixel(column + dx, row + dy), magenta) << dx << ", " << dy;
    EXPECT_EQ(ClientPixel(column, row), magenta);
    EXPECT_EQ(ClientPixel(column + 1, row - 1), kBlack);
    EXPECT_EQ(ClientPixel(column + 3, row), kBlack);
    // The box starts 16 pixels below and right of the pointer.
    EXPECT_EQ(ClientPixel(pointer.x + 16, pointer.y + 16), magenta);
    EXPECT_EQ(ClientPixel(pointer.x + 17, pointer.y + 17), kBlack);
    int white = 0;
    for (int dy = 0; dy < 20; ++dy)
        for (int dx = 0; dx < 120; ++dx)
            white += ClientPixel(pointer.x + 16 + dx, pointer.y + 16 + dy) == kWhite;
    EXPECT_GT(white, 40);

    Clear(kBlack);
    m_control.TraceAt(std::nullopt);
    Draw();
    EXPECT_EQ(ClientPixel(column + 2, row + 2), kBlack);
    EXPECT_EQ(ClientPixel(pointer.x + 16, pointer.y + 16), kBlack);
    m_control.ReleaseTextures();
}

// The plot's pixels, bottom row first.
std::vector<Rgb> PlotPixels() {
    const Viewport v = AreaViewport(ScreenArea::Plot);
    std::vector<unsigned char> rgb(static_cast<std::size_t>(v.width * v.height * 3));
    glFinish();
    glReadPixels(v.x, v.y, v.width, v.height, GL_RGB, GL_UNSIGNED_BYTE, rgb.data());
    std::vector<Rgb> pixels;
    for (std::size_t i = 0; i < rgb.size(); i += 3)
        pixels.push_back({rgb[i], rgb[i + 1], rgb[i + 2]});
    return pixels;
}

// How many points the other drawing lit on the same pixel, a pixel away, under another point lit
// there instead, or nowhere near.
struct Agreement {
    int same = 0;
    int aPixelAway = 0;
    int covered = 0;
    int missing = 0;
};

Agreement Compare(const std::vector<Rgb>& drawn, const std::vector<Rgb>& other) {
    const int side = AreaViewport(ScreenArea::Plot).width;
    Agreement agreement;
    for (int y = 0; y < side; ++y)
        for (int x = 0; x < side; ++x) {
            const Rgb& pixel = drawn[static_cast<std::size_t>(y * side + x)];
            if (pixel == kBlack)
                continue;
            if (other[static_cast<std::size_t>(y * side + x)] == pixel) {
                ++agreement.same;
                continue;
            }
            bool nearby = false;
            for (int dy = -1; dy <= 1 && !nearby; ++dy)
                for (int dx = -1; dx <= 1 && !nearby; ++dx)
                    nearby = x + dx >= 0 && x + dx < side && y + dy >= 0 && y + dy < side &&
                             other[static_cast<std::size_t>((y + dy) * side + x + dx)] == pixel;
            if (nearby)
                ++agreement.aPixelAway;
            else
                ++(other[static_cast<std::size_t>(y * side + x)] == kBlack ? agreement.missing
                                                                           : agreement.covered);
        }
    return agreement;
}

// The points lit on the processor for the software renderers land where OpenGL's points do: 52
// curves of 2000 samples in 52 colours, turned and moved, in each coordinate system. Only a point
// whose window position lies within a rounding step of a pixel's edge may land a pixel away, and
// only where two points share a pixel at depths a rounding step apart may the other one show.
TEST_F(PlotViewDrawing, PointsLitOnTheProcessorLandWhereOpenGlPutsThem) {
    const double ranges[6] = {-1e-3, 1e-3, -1e-3, 1e-3, -1e-3, 1e-3}; // the axes shrink to a dot
    std::copy(ranges, ranges + 6, m_plot.view.ranges);
    const double angles[3] = {20, -30, 10}, position[3] = {0.3, -0.7, 2};
    std::copy(angles, angles + 3, m_plot.view.angles);
    std::copy(position, position + 3, m_plot.view.position);
    m_plot.view.speeds[0] = m_plot.view.speeds[1] = m_plot.view.speeds[2] = 0;
    for (int k = 0; k < 52; ++k) {
        std::vector<Vec> points;
        for (int i = 0; i < PlotBuffer::kSampleCount; ++i) {
            const double s = i * 0.01 - 10;
            const double r = 1 + k % 9;
            points.push_back(k < 26 ? Vec{s, r * std::sin(s + k), 0}
                                    : Vec{r * std::cos(s + k), r * std::sin(s), s / 2});
        }
        const std::uint32_t colour =
            (60 + 60 * (k % 4)) | (60 + 60 * (k / 4 % 4)) << 8 | (60 + 60 * (k / 16)) << 16;
        AddBuffer(k < 26 ? kFunctionPlot : kParametricPlot, colour, points);
    }
    for (const std::int32_t mode : {kRightHanded, kPlane, kLeftHanded}) {
        SCOPED_TRACE(mode);
        m_plot.view.mode = mode;
        std::vector<Rgb> drawn[2];
        for (const bool onProcessor : {false, true}) {
            Clear(kBlack);
            m_control.DrawPointsOnProcessor(onProcessor);
            Draw();
            drawn[onProcessor] = PlotPixels();
        }
        for (const int side : {0, 1}) {
            const Agreement a = Compare(drawn[side], drawn[1 - side]);
            const int lit = a.same + a.aPixelAway + a.covered + a.missing;
            EXPECT_GT(lit, mode == kPlane ? 10000 : 30000);
            EXPECT_LE(a.aPixelAway, lit / 1000);
            EXPECT_LE(a.covered, lit / 1000);
            EXPECT_EQ(a.missing, 0);
        }
    }
    m_control.DrawPointsOnProcessor(false);
}

} // namespace
