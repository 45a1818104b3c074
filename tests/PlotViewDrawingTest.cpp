#include "glui/PlotViewControl.h"

#include "glui/ScreenLayout.h"
#include "mainwin/PageRequest.h"
#include "model/PlotView.h"

#include <gtest/gtest.h>

#include <GL/gl.h>
#include <GL/glu.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <ostream>
#include <vector>

namespace {

struct Rgb {
    int r, g, b;
};

// Colours read back may be off by a rounding step of the surface; interpolated colours along a
// line by up to a pixel's share of the fade.
bool operator==(const Rgb& a, const Rgb& b) {
    return std::abs(a.r - b.r) <= 6 && std::abs(a.g - b.g) <= 6 && std::abs(a.b - b.b) <= 6;
}

void PrintTo(const Rgb& c, std::ostream* out) {
    *out << "rgb(" << c.r << ", " << c.g << ", " << c.b << ")";
}

constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kGrey{128, 128, 128};

struct Vec {
    double x, y, z;
};

Vec operator*(double s, const Vec& v) {
    return {s * v.x, s * v.y, s * v.z};
}

std::ostream& operator<<(std::ostream& out, const Vec& v) {
    return out << "(" << v.x << ", " << v.y << ", " << v.z << ")";
}

// The colour a line fading from `start` to `end` has at the fraction t of its length.
Rgb Fade(const Rgb& start, const Rgb& end, double t) {
    const auto mix = [t](int a, int b) { return static_cast<int>(std::lround(a + t * (b - a))); };
    return {mix(start.r, end.r), mix(start.g, end.g), mix(start.b, end.b)};
}

// A hidden 800 x 600 window whose OpenGL context is in the state the main window sets up before
// drawing: its 45-degree perspective over the whole window, blending, texturing and the depth
// test. The plot view is drawn into its 500 x 500 viewport like in the program.
class PlotViewDrawing : public ::testing::Test {
protected:
    static void SetUpTestSuite() {
        const HINSTANCE instance = GetModuleHandleW(nullptr);
        WNDCLASSW windowClass{};
        windowClass.style = CS_OWNDC;
        windowClass.lpfnWndProc = DefWindowProcW;
        windowClass.hInstance = instance;
        windowClass.lpszClassName = kClassName;
        RegisterClassW(&windowClass);
        s_window = CreateWindowExW(0, kClassName, L"", WS_POPUP, 0, 0, kWindowWidth, kWindowHeight, nullptr,
                                   nullptr, instance, nullptr);
        if (s_window == nullptr)
            return;
        s_dc = GetDC(s_window);
        PIXELFORMATDESCRIPTOR format{};
        format.nSize = sizeof format;
        format.nVersion = 1;
        format.dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_DOUBLEBUFFER;
        format.iPixelType = PFD_TYPE_RGBA;
        format.cColorBits = 24;
        format.cDepthBits = 16;
        const int chosen = ChoosePixelFormat(s_dc, &format);
        if (chosen == 0 || !SetPixelFormat(s_dc, chosen, &format))
            return;
        s_context = wglCreateContext(s_dc);
        if (s_context == nullptr || !wglMakeCurrent(s_dc, s_context))
            return;

        glViewport(0, 0, kWindowWidth, kWindowHeight);
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        gluPerspective(45.0, static_cast<double>(kWindowWidth) / kWindowHeight, 0.1, 100.0);
        glMatrixMode(GL_MODELVIEW);
        glEnable(GL_BLEND);
        glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
        glEnable(GL_TEXTURE_2D);
        glShadeModel(GL_SMOOTH);
        glClearDepth(1.0);
        glEnable(GL_DEPTH_TEST);
        glDepthFunc(GL_LEQUAL);
        glHint(GL_PERSPECTIVE_CORRECTION_HINT, GL_NICEST);
        glReadBuffer(GL_BACK);
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
    }

    static void TearDownTestSuite() {
        wglMakeCurrent(nullptr, nullptr);
        if (s_context != nullptr)
            wglDeleteContext(s_context);
        if (s_dc != nullptr)
            ReleaseDC(s_window, s_dc);
        if (s_window != nullptr)
            DestroyWindow(s_window);
        UnregisterClassW(kClassName, GetModuleHandleW(nullptr));
        s_window = nullptr;
        s_dc = nullptr;
        s_context = nullptr;
    }

    void SetUp() override {
        ASSERT_NE(s_context, nullptr) << "no OpenGL context";
        // A still view with the origin in the middle of the plot area.
        m_plot.view = ViewState{};
        Clear(kBlack);
    }

    static void Clear(const Rgb& background) {
        glClearColor(background.r / 255.0f, background.g / 255.0f, background.b / 255.0f, 0.5f);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glLoadIdentity();
    }

    void Draw() {
        const Viewport v = AreaViewport(ScreenArea::Plot);
        m_control.Draw(v.x, v.y, v.width, v.height);
        ExpectStateRestored();
    }

    // What the plot view must leave behind: colour white, the modelview matrix as it was.
    static void ExpectStateRestored() {
        GLfloat colour[4] = {};
        glGetFloatv(GL_CURRENT_COLOR, colour);
        EXPECT_EQ(colour[0], 1.0f);
        EXPECT_EQ(colour[1], 1.0f);
        EXPECT_EQ(colour[2], 1.0f);
        GLint depth = 0;
        glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &depth);
        EXPECT_EQ(depth, 1);
        GLfloat matrix[16] = {};
        glGetFloatv(GL_MODELVIEW_MATRIX, matrix);
        for (int i = 0; i < 16; ++i)
            EXPECT_EQ(matrix[i], i % 5 == 0 ? 1.0f : 0.0f) << i;
    }

    // Where a point given in eye-aligned scene units (origin at the plot view's origin with no
    // rotation and no position offset) lands in window coordinates (origin bottom-left).
    static Vec Landing(const Vec& scene) {
        const Viewport v = AreaViewport(ScreenArea::Plot);
        const GLint viewport[4] = {v.x, v.y, v.width, v.height};
        const GLdouble identity[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
        GLdouble projection[16] = {};
        glGetDoublev(GL_PROJECTION_MATRIX, projection);
        Vec window{};
        gluProject(scene.x, scene.y, scene.z - 25.0, identity, projection, viewport, &window.x, &window.y,
                   &window.z);
        return window;
    }

    static Rgb PixelAt(int x, int y) {
        glFinish();
        unsigned char rgb[3] = {};
        glReadPixels(x, y, 1, 1, GL_RGB, GL_UNSIGNED_BYTE, rgb);
        return {rgb[0], rgb[1], rgb[2]};
    }

    // The pixel a single point at this scene position lights. The test points are chosen to
    // land well inside a pixel, so that no rounding rule can move them to a neighbour.
    static Rgb PointPixel(const Vec& scene) {
        const Vec window = Landing(scene);
        const double fx = window.x - std::floor(window.x);
        const double fy = window.y - std::floor(window.y);
        EXPECT_TRUE(fx > 0.1 && fx < 0.9 && fy > 0.1 && fy < 0.9)
            << "test point " << scene << " lands on a pixel edge";
        return PixelAt(static_cast<int>(window.x), static_cast<int>(window.y));
    }

    // The brightest pixel within two pixels across a line, at the point where it lands: a line
    // lying on a pixel edge may be drawn on either side of it. The test lines run along the
    // screen's axes, so `along` is (1, 0, 0) or (0, 1, 0).
    static Rgb LinePixel(const Vec& scene, const Vec& along) {
        const Vec window = Landing(scene);
        Rgb brightest = kBlack;
        for (int step = -2; step <= 2; ++step) {
            const int x = static_cast<int>(window.x) + (along.x == 0 ? step : 0);
            const int y = static_cast<int>(window.y) + (along.x == 0 ? 0 : step);
            const Rgb pixel = PixelAt(x, y);
            if (pixel.r + pixel.g + pixel.b > brightest.r + brightest.g + brightest.b)
                brightest = pixel;
        }
        return brightest;
    }

    struct Sample {
        Vec point;
        bool valid;
    };

    PlotBuffer& AddBuffer(PlotKind kind, std::uint32_t colour, const std::vector<Sample>& samples) {
        PlotBuffer& buffer = m_plot.AppendRecord();
        buffer.kind = kind;
        buffer.function.colour = buffer.parametric.colour = buffer.inequality.colour = colour;
        for (std::size_t k = 0; k < samples.size(); ++k) {
            buffer.x[k] = samples[k].point.x;
            buffer.y[k] = samples[k].point.y;
            buffer.z[k] = samples[k].point.z;
            buffer.valid[k] = samples[k].valid ? 1 : 0;
        }
        return buffer;
    }

    PlotView m_plot;
    PlotViewControl m_control{m_plot};

private:
    static constexpr const wchar_t* kClassName = L"OrvanePlotViewDrawingTest";
    static inline HWND s_window = nullptr;
    static inline HDC s_dc = nullptr;
    static inline HGLRC s_context = nullptr;
};

constexpr Rgb kWhite{255, 255, 255};
constexpr Rgb kFaded{64, 64, 64};
constexpr Rgb kRed{255, 0, 0};
constexpr Rgb kGreen{0, 255, 0};
constexpr Rgb kBlue{0, 0, 255};
constexpr Vec kRight{1, 0, 0};
constexpr Vec kUp{0, 1, 0};

TEST_F(PlotViewDrawing, AxesFadeFromTheirColourToWhiteAtTheirEndAndToGreyAtTheirStart) {
    // Each axis is looked at in a view where it lies across the screen at the origin's depth.
    // `towards` is the eye-aligned direction in which the axis's positive end then lands.
    const struct {
        const char* name;
        double angles[3];
        CoordinateMode mode;
        int rangeIndex;
        Rgb colour;
        Vec towards;
    } cases[] = {
        {"x", {0, 0, 0}, kRightHanded, 0, kRed, {1, 0, 0}},
        {"y", {0, 0, 0}, kRightHanded, 2, kGreen, {0, 1, 0}},
        {"z, turned 90 about y", {0, 90, 0}, kRightHanded, 4, kBlue, {1, 0, 0}},
        {"z left-handed, mirrored", {0, 90, 0}, kLeftHanded, 4, kBlue, {-1, 0, 0}},
        {"x in the plane system", {0, 0, 0}, kPlane, 0, kRed, {1, 0, 0}},
        // The turn about z acts on a vertex first: it takes y onto -x, which the turn about x
        // keeps; z stays under the turn about z and goes onto -y under the turn about x.
        {"y turned 90 about x and z", {90, 0, 90}, kRightHanded, 2, kGreen, {-1, 0, 0}},
        {"z turned 90 about x and z", {90, 0, 90}, kRightHanded, 4, kBlue, {0, -1, 0}},
    };
    const double ranges[6] = {-4, 8, -6, 9, -7, 5};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Clear(kBlack);
        for (int axis = 0; axis < 3; ++axis)
            m_plot.view.angles[axis] = c.angles[axis];
        for (int i = 0; i < 6; ++i)
            m_plot.view.ranges[i] = ranges[i];
        m_plot.view.mode = c.mode;
        Draw();

        const double from = ranges[c.rangeIndex];
        const double to = ranges[c.rangeIndex + 1];
        for (double t : {0.15, 0.5, 0.97}) {
            EXPECT_EQ(LinePixel(t * to * c.towards, c.towards), Fade(c.colour, kWhite, t))
                << "positive half at " << t;
            EXPECT_EQ(LinePixel(t * from * c.towards, c.towards), Fade(c.colour, kFaded, t))
                << "negative half at " << t;
        }
        EXPECT_EQ(LinePixel(1.08 * to * c.towards, c.towards), kBlack) << "beyond the positive end";
        EXPECT_EQ(LinePixel(1.08 * from * c.towards, c.towards), kBlack) << "beyond the negative end";
    }
}

TEST_F(PlotViewDrawing, PlaneSystemHasNoZAxis) {
    // Turned so that the z axis would lie across the screen, where nothing else is drawn.
    m_plot.view.angles[1] = 90;
    for (CoordinateMode mode : {kRightHanded, kPlane}) {
        Clear(kBlack);
        m_plot.view.mode = mode;
        Draw();
        const Rgb expected = mode == kPlane ? kBlack : Fade(kBlue, kWhite, 0.5);
        EXPECT_EQ(LinePixel({5, 0, 0}, kRight), expected) << "mode " << mode;
        EXPECT_EQ(LinePixel({0, 5, 0}, kUp), Fade(kGreen, kWhite, 0.5)) << "mode " << mode;
    }
}

TEST_F(PlotViewDrawing, FunctionShowsItsValidSamplesInItsColour) {
    const std::vector<Sample> samples = {
        {{2.3, 3.1, 0}, true}, {{-3.3, 4.2, 0}, false}, {{4.6, -2.7, 0}, true}, {{-1.7, -5.2, 0}, false}};
    AddBuffer(kFunctionPlot, 0x00336699, samples);
    Draw();
    const Rgb colour{0x99, 0x66, 0x33};
    for (const Sample& sample : samples)
        EXPECT_EQ(PointPixel(sample.point), sample.valid ? colour : kBlack) << sample.point;
}

TEST_F(PlotViewDrawing, BufferOfNoKnownKindKeepsThePreviousColour) {
    // On grey, so that the black of an unknown first buffer shows.
    Clear(kGrey);
    const struct {
        PlotKind kind;
        std::uint32_t colour;
        Vec point;
        Rgb expected;
    } buffers[] = {
        {kUnsampled, 0x00FFFFFF, {2.3, 3.1, 0}, kBlack},
        {kFunctionPlot, 0x00204080, {4.6, -2.7, 0}, {0x80, 0x40, 0x20}},
        {kUnsampled, 0x00FFFFFF, {-3.3, 4.2, 0}, {0x80, 0x40, 0x20}},
        {kParametricPlot, 0x00C08000, {-1.7, -5.2, 0}, {0x00, 0x80, 0xC0}},
        {static_cast<PlotKind>(7), 0x00FFFFFF, {1.3, -6.2, 0}, {0x00, 0x80, 0xC0}},
        {kInequalityPlot, 0x0000FF40, {-5.4, -1.3, 0}, {0x40, 0xFF, 0x00}},
    };
    for (const auto& b : buffers)
        AddBuffer(b.kind, b.colour, {{b.point, true}});
    Draw();
    for (const auto& b : buffers)
        EXPECT_EQ(PointPixel(b.point), b.expected) << "kind " << b.kind;
}

TEST_F(PlotViewDrawing, EachCoordinateSystemShowsItsSamples) {
    // A parametric curve's samples, and where each coordinate system must show them; a sample
    // shown nowhere must not appear where either of its z or -z would put it.
    const Vec inPlane{2.3, 3.1, 0};
    const Vec nearPlane{4.6, -2.7, 1e-9};
    const Vec negativeZero{-3.3, 4.2, -0.0};
    const Vec inSpace{1, 2, 3};
    const Vec mirrored{1, 2, -3};
    const Vec invalid{-1.7, -5.2, 2};
    AddBuffer(kParametricPlot, 0x0000FFFF,
              {{inPlane, true}, {nearPlane, true}, {negativeZero, true}, {inSpace, true}, {invalid, false}});
    const Rgb yellow{255, 255, 0};
    const struct {
        CoordinateMode mode;
        std::vector<Vec> shown;
        std::vector<Vec> empty;
    } cases[] = {
        {kRightHanded, {inPlane, nearPlane, negativeZero, inSpace}, {mirrored, invalid, {-1.7, -5.2, -2}}},
        {kPlane, {inPlane, negativeZero}, {nearPlane, inSpace, mirrored, invalid, {-1.7, -5.2, -2}}},
        {kLeftHanded, {inPlane, nearPlane, negativeZero, mirrored}, {inSpace, invalid, {-1.7, -5.2, -2}}},
    };
    for (const auto& c : cases) {
        Clear(kBlack);
        m_plot.view.mode = c.mode;
        Draw();
        for (const Vec& p : c.shown)
            EXPECT_EQ(PointPixel(p), yellow) << "mode " << c.mode << ": " << p;
        for (const Vec& p : c.empty)
            EXPECT_EQ(PointPixel(p), kBlack) << "mode " << c.mode << ": " << p;
    }
}

TEST_F(PlotViewDrawing, PositionMovesAxesAndPointsTogether) {
    m_plot.view.position[0] = 2;
    m_plot.view.position[1] = -1.5;
    m_plot.view.position[2] = -5;
    AddBuffer(kFunctionPlot, 0x00FF00FF, {{{1.3, 2.8, 0}, true}});
    Draw();
    EXPECT_EQ(PointPixel({3.3, 1.3, -5}), (Rgb{255, 0, 255}));
    EXPECT_EQ(PointPixel({1.3, 2.8, 0}), kBlack);
    EXPECT_EQ(LinePixel({2 + 5, -1.5, -5}, kRight), Fade(kRed, kWhite, 0.5));
    EXPECT_EQ(LinePixel({2, -1.5 + 5, -5}, kUp), Fade(kGreen, kWhite, 0.5));
}

struct Report {
    int code;
    std::vector<double> values;
};

int RecordReport(int code, const void* data, void* user) {
    const int count = code == kPositionReport ? 3 : 6;
    const auto* values = static_cast<const double*>(data);
    static_cast<std::vector<Report>*>(user)->push_back({code, std::vector<double>(values, values + count)});
    return 0;
}

TEST_F(PlotViewDrawing, EachDrawTurnsTheViewAfterDrawingAndReportsIt) {
    std::vector<Report> reports;
    PageRequest owner;
    owner.user = &reports;
    owner.callback = RecordReport;
    m_control.LoadImages(&owner);
    m_plot.view.speeds[2] = 90;
    m_plot.view.position[2] = 1;
    AddBuffer(kFunctionPlot, 0x00FFFFFF, {{{5.1, 1.3, 0}, true}});

    // Drawn still unturned; a quarter turn about z before the next frame.
    Draw();
    EXPECT_EQ(LinePixel({5, 0, 1}, kRight), Fade(kRed, kWhite, 0.5));
    EXPECT_EQ(LinePixel({0, 5, 1}, kUp), Fade(kGreen, kWhite, 0.5));
    EXPECT_EQ(PointPixel({5.1, 1.3, 1}), kWhite);
    EXPECT_EQ(m_plot.view.angles[2], 90);

    Clear(kBlack);
    Draw();
    EXPECT_EQ(LinePixel({0, 5, 1}, kUp), Fade(kRed, kWhite, 0.5));
    EXPECT_EQ(LinePixel({-5, 0, 1}, kRight), Fade(kGreen, kWhite, 0.5));
    EXPECT_EQ(PointPixel({-1.3, 5.1, 1}), kWhite);
    EXPECT_EQ(PointPixel({5.1, 1.3, 1}), kBlack);
    EXPECT_EQ(m_plot.view.angles[2], 180);

    const std::vector<double> ranges = {-10, 10, -10, 10, -10, 10};
    const std::vector<double> position = {0, 0, 1};
    ASSERT_EQ(reports.size(), 6u);
    for (int frame = 0; frame < 2; ++frame) {
        const std::vector<double> rotation = {0, 0, 90.0 * (frame + 1), 0, 0, 90};
        EXPECT_EQ(reports[3 * frame].code, kRotationReport);
        EXPECT_EQ(reports[3 * frame].values, rotation);
        EXPECT_EQ(reports[3 * frame + 1].code, kRangeReport);
        EXPECT_EQ(reports[3 * frame + 1].values, ranges);
        EXPECT_EQ(reports[3 * frame + 2].code, kPositionReport);
        EXPECT_EQ(reports[3 * frame + 2].values, position);
    }
}

} // namespace
