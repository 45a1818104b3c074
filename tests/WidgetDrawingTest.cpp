#include "glui/ControlColumn.h"
#include "glui/CoordSystemButton.h"
#include "glui/GuideExitButtons.h"
#include "glui/ListColumn.h"
#include "glui/PositionButton.h"
#include "glui/ProgressBar.h"
#include "glui/RotationButton.h"
#include "glui/TitleBox.h"

#include <gtest/gtest.h>

#include <GL/gl.h>
#include <GL/glu.h>

#include <cstdlib>
#include <ostream>

struct Rgb {
    int r, g, b;
};

// Colours read back may be off by a rounding step of the surface.
bool operator==(const Rgb& a, const Rgb& b) {
    return std::abs(a.r - b.r) <= 4 && std::abs(a.g - b.g) <= 4 && std::abs(a.b - b.b) <= 4;
}

void PrintTo(const Rgb& c, std::ostream* out) {
    *out << "rgb(" << c.r << ", " << c.g << ", " << c.b << ")";
}

namespace {

constexpr Rgb kWhite{255, 255, 255};
constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kHoverTint{255, 204, 128};
constexpr Rgb kIconTint{128, 191, 255};

// A hidden 800 x 600 window whose OpenGL context is in the state the main window sets up before
// the widgets load: its perspective projection, blending, texturing and the depth test. No
// pictures are loaded, so every widget draws untextured quads.
class WidgetDrawing : public ::testing::Test {
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
        glClearColor(0.0f, 0.0f, 0.0f, 0.5f);
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
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glLoadIdentity();
    }

    // What a widget must leave behind: colour white, no texture, the modelview matrix as it was.
    static void ExpectStateRestored() {
        GLfloat colour[4] = {};
        glGetFloatv(GL_CURRENT_COLOR, colour);
        EXPECT_FLOAT_EQ(colour[0], 1.0f);
        EXPECT_FLOAT_EQ(colour[1], 1.0f);
        EXPECT_FLOAT_EQ(colour[2], 1.0f);
        GLint texture = -1;
        glGetIntegerv(GL_TEXTURE_BINDING_2D, &texture);
        EXPECT_EQ(texture, 0);
        GLint depth = 0;
        glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &depth);
        EXPECT_EQ(depth, 1);
        GLfloat matrix[16] = {};
        glGetFloatv(GL_MODELVIEW_MATRIX, matrix);
        for (int i = 0; i < 16; ++i)
            EXPECT_FLOAT_EQ(matrix[i], i % 5 == 0 ? 1.0f : 0.0f) << i;
    }

    // The pixel drawn so far at a client point (origin top-left).
    static Rgb PixelAt(int x, int y) {
        glFinish();
        unsigned char rgb[3] = {};
        glReadPixels(x, kWindowHeight - 1 - y, 1, 1, GL_RGB, GL_UNSIGNED_BYTE, rgb);
        return {rgb[0], rgb[1], rgb[2]};
    }

    template <typename Widget> static void DrawIn(Widget& widget, ScreenArea area) {
        const Viewport v = AreaViewport(area);
        widget.Draw(v.x, v.y, v.width, v.height);
    }

private:
    static constexpr const wchar_t* kClassName = L"OrvaneWidgetDrawingTest";
    static inline HWND s_window = nullptr;
    static inline HDC s_dc = nullptr;
    static inline HGLRC s_context = nullptr;
};

// Client y of the middle of column item i, and of the gap below it.
int ItemMiddle(int i) {
    return 80 + 72 * i;
}
int GapMiddle(int i) {
    return 116 + 72 * i;
}

TEST_F(WidgetDrawing, ListColumnFadesFromRedAtTheBottomToWhiteAtTheTop) {
    ListColumn column;
    DrawIn(column, ScreenArea::ListOperations);
    ExpectStateRestored();

    const Rgb bottom = PixelAt(775, 547);
    const Rgb top = PixelAt(775, 52);
    EXPECT_EQ(bottom.r, 255);
    EXPECT_LT(bottom.g, 50);
    EXPECT_EQ(bottom.b, bottom.g);
    EXPECT_EQ(top.r, 255);
    EXPECT_GT(top.g, 200);
    int previous = 256;
    for (int gap = 0; gap < 6; ++gap) {
        const Rgb pixel = PixelAt(775, GapMiddle(gap));
        EXPECT_EQ(pixel.r, 255) << "gap " << gap;
        EXPECT_LT(pixel.g, previous) << "gap " << gap;
        previous = pixel.g;
    }
    for (int item = 0; item < kColumnItemCount; ++item)
        EXPECT_EQ(PixelAt(775, ItemMiddle(item)), kWhite) << "item " << item;
    // Nothing is drawn outside the viewport.
    EXPECT_EQ(PixelAt(749, 300), kBlack);
    EXPECT_EQ(PixelAt(775, 48), kBlack);
}

TEST_F(WidgetDrawing, HoveredListButtonIsTintedAndTheOthersStayWhite) {
    ListColumn column;
    DrawIn(column, ScreenArea::ListOperations);
    column.HitTest(775, ItemMiddle(3), kColumnItemCount);
    ASSERT_EQ(column.HoverIndex(), 3);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    DrawIn(column, ScreenArea::ListOperations);
    ExpectStateRestored();
    for (int item = 0; item < kColumnItemCount; ++item)
        EXPECT_EQ(PixelAt(775, ItemMiddle(item)), item == 3 ? kHoverTint : kWhite) << "item " << item;
}

TEST_F(WidgetDrawing, ControlColumnFadesFromBlueAndTintsItsHoveredButton) {
    ControlColumn column;
    DrawIn(column, ScreenArea::Controls);
    column.HitTest(500, ItemMiddle(0), kColumnItemCount);
    ASSERT_EQ(column.HoverIndex(), 0);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    DrawIn(column, ScreenArea::Controls);
    ExpectStateRestored();

    const Rgb bottom = PixelAt(525, 547);
    EXPECT_EQ(bottom.b, 255);
    EXPECT_LT(bottom.r, 50);
    EXPECT_EQ(bottom.g, bottom.r);
    EXPECT_GT(PixelAt(525, 52).r, 200);
    EXPECT_EQ(PixelAt(525, ItemMiddle(0)), kHoverTint);
    EXPECT_EQ(PixelAt(525, ItemMiddle(1)), kWhite);
}

TEST_F(WidgetDrawing, ColumnButtonsLieWhereTheLastDrawPutThem) {
    ListColumn column;
    column.HitTest(775, ItemMiddle(0), kColumnItemCount);
    EXPECT_EQ(column.HoverIndex(), -1); // not drawn yet: no buttons anywhere
    DrawIn(column, ScreenArea::Controls);
    column.HitTest(775, ItemMiddle(0), kColumnItemCount);
    EXPECT_EQ(column.HoverIndex(), -1);
    column.HitTest(525, ItemMiddle(6), kColumnItemCount);
    EXPECT_EQ(column.HoverIndex(), 6);
}

TEST_F(WidgetDrawing, HoveredIconIsTintedLightBlue) {
    CoordSystemButton icon;
    DrawIn(icon, ScreenArea::CoordSystem);
    ExpectStateRestored();
    EXPECT_EQ(PixelAt(25, 575), kWhite);
    EXPECT_EQ(PixelAt(100, 575), kBlack); // the labels' part of the strip

    icon.HitTest(25, 575);
    ASSERT_TRUE(icon.IsHovered());
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    DrawIn(icon, ScreenArea::CoordSystem);
    ExpectStateRestored();
    EXPECT_EQ(PixelAt(25, 575), kIconTint);
}

TEST_F(WidgetDrawing, ProgressBarFillsItsBoxUpTo100Percent) {
    // Client x of the bar's left part, middle and right end; the box spans about 551 to 796.
    const struct {
        int value;
        Rgb left, middle, right;
        int stored;
    } cases[] = {
        {0, kBlack, kBlack, kBlack, 0},
        {50, kWhite, kBlack, kBlack, 50},
        {100, kWhite, kWhite, kWhite, 100},
        {150, kWhite, kWhite, kWhite, 100},
    };
    for (const auto& c : cases) {
        ProgressBar bar;
        bar.SetValue(c.value);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        DrawIn(bar, ScreenArea::Progress);
        ExpectStateRestored();
        EXPECT_EQ(PixelAt(560, 575), c.left) << c.value;
        EXPECT_EQ(PixelAt(700, 575), c.middle) << c.value;
        EXPECT_EQ(PixelAt(790, 575), c.right) << c.value;
        EXPECT_EQ(bar.Value(), c.stored);
    }
}

TEST_F(WidgetDrawing, HoveredCornerButtonComesForward) {
    GuideExitButtons buttons;
    DrawIn(buttons, ScreenArea::GuideExit);
    ExpectStateRestored();
    EXPECT_EQ(PixelAt(762, 25), kWhite);
    EXPECT_EQ(PixelAt(342, 25), kWhite);
    EXPECT_EQ(PixelAt(797, 25), kBlack);

    buttons.HitTest(762, 25);
    ASSERT_EQ(buttons.HoverIndex(), 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    DrawIn(buttons, ScreenArea::GuideExit);
    ExpectStateRestored();
    EXPECT_EQ(PixelAt(797, 25), kWhite);
    EXPECT_EQ(PixelAt(342, 25), kWhite);
}

TEST_F(WidgetDrawing, EveryKindLeavesColourTextureAndMatrixAsItFoundThem) {
    TitleBox title;
    PositionButton position;
    RotationButton rotation;
    for (int frame = 0; frame < 3; ++frame) {
        DrawIn(title, ScreenArea::Title);
        ExpectStateRestored();
        position.HitTest(210, 560);
        DrawIn(position, ScreenArea::Position);
        ExpectStateRestored();
        rotation.HitTest(360, 560);
        DrawIn(rotation, ScreenArea::Rotation);
        ExpectStateRestored();
    }
    EXPECT_TRUE(position.IsHovered());
    EXPECT_TRUE(rotation.IsHovered());
}

} // namespace
