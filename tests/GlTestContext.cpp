#include "tests/GlTestContext.h"

#include "glui/GlControl.h"
#include "glui/ScreenLayout.h"
#include "win/ShowMessageBox.h"

#include <GL/gl.h>

#include <cstdlib>
#include <vector>

bool operator==(const Rgb& a, const Rgb& b) {
    return std::abs(a.r - b.r) <= 6 && std::abs(a.g - b.g) <= 6 && std::abs(a.b - b.b) <= 6;
}

void PrintTo(const Rgb& c, std::ostream* out) {
    *out << "rgb(" << c.r << ", " << c.g << ", " << c.b << ")";
}

namespace {

// The application's OpenGL state, and the packing the read-back wants.
class DrawingWindow : public GlWindow {
protected:
    bool InitGL() override {
        GlWindow::InitGL();
        SetUpWidgetDrawing();
        glPixelStorei(GL_PACK_ALIGNMENT, 1); // for the read-back
        return true;
    }
};

int NoBox(HWND, const wchar_t*, const wchar_t*, UINT) {
    return IDOK;
}
MessageBoxFunction s_previousBox = nullptr;

} // namespace

void MainWindowDrawingTest::SetUpTestSuite() {
    s_previousBox = ReplaceMessageBox(NoBox); // a failure must not wait for a click
    s_window = std::make_unique<DrawingWindow>();
    if (!s_window->CreateGLWindow("OrvaneDrawingTest", "", kWindowWidth, kWindowHeight, 24, false))
        s_window.reset();
}

void MainWindowDrawingTest::TearDownTestSuite() {
    if (s_window != nullptr)
        s_window->DestroyGLWindow();
    s_window.reset();
    ReplaceMessageBox(s_previousBox);
}

void MainWindowDrawingTest::SetUp() {
    ASSERT_NE(s_window, nullptr) << "no OpenGL window";
    Clear({0, 0, 0});
}

void MainWindowDrawingTest::Clear(const Rgb& background) {
    glClearColor(background.r / 255.0f, background.g / 255.0f, background.b / 255.0f, 0.5f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glLoadIdentity();
}

Rgb MainWindowDrawingTest::PixelAt(int x, int y) {
    glFinish();
    unsigned char rgb[3] = {};
    glReadPixels(x, y, 1, 1, GL_RGB, GL_UNSIGNED_BYTE, rgb);
    return {rgb[0], rgb[1], rgb[2]};
}

void MainWindowDrawingTest::ExpectStateRestored() {
    GLfloat colour[4] = {}, matrix[16] = {};
    GLint texture = -1, depth = 0;
    glGetFloatv(GL_CURRENT_COLOR, colour);
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &texture);
    glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &depth);
    glGetFloatv(GL_MODELVIEW_MATRIX, matrix);
    EXPECT_EQ(std::vector<GLfloat>(colour, colour + 3), std::vector<GLfloat>(3, 1.0f));
    EXPECT_EQ(std::vector<GLint>({texture, depth}), std::vector<GLint>({0, 1}));
    EXPECT_EQ(std::vector<GLfloat>(matrix, matrix + 16),
              std::vector<GLfloat>({1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1}));
}
