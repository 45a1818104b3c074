#include "glui/PlotViewControl.h"

#include "glui/ScreenLayout.h"
#include "model/PlotView.h"
#include "tests/GlTestContext.h"

#include <gtest/gtest.h>

#include <GL/gl.h>
#include <GL/glu.h>

#include <cmath>
#include <cstdint>
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
    // A still view with the origin in the middle of the plot area, instead of the first preset.
    PlotViewDrawing() { m_plot.view = ViewState{}; }

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

} // namespace
