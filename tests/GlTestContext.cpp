#include "tests/GlTestContext.h"

#include "glui/ScreenLayout.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <cstdlib>
#include <vector>

namespace {
constexpr const wchar_t* kClassName = L"OrvaneGlTestContext";
} // namespace

bool operator==(const Rgb& a, const Rgb& b) {
    return std::abs(a.r - b.r) <= 6 && std::abs(a.g - b.g) <= 6 && std::abs(a.b - b.b) <= 6;
}

void PrintTo(const Rgb& c, std::ostream* out) {
    *out << "rgb(" << c.r << ", " << c.g << ", " << c.b << ")";
}

void MainWindowDrawingTest::SetUpTestSuite() {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSW windowClass{};
    windowClass.style = CS_OWNDC;
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.hInstance = instance;
    windowClass.lpszClassName = kClassName;
    RegisterClassW(&windowClass);
    s_window = CreateWindowExW(0, kClassName, L"", WS_POPUP, 0, 0, kWindowWidth, kWindowHeight, nullptr,
                               nullptr, instance, nullptr);
    s_dc = GetDC(s_window);
    PIXELFORMATDESCRIPTOR format{};
    format.nSize = sizeof format;
    format.nVersion = 1;
    format.dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_DOUBLEBUFFER;
    format.iPixelType = PFD_TYPE_RGBA;
    format.cColorBits = 24;
    format.cDepthBits = 16;
    SetPixelFormat(s_dc, ChoosePixelFormat(s_dc, &format), &format);
    s_context = wglCreateContext(s_dc);
    if (s_context == nullptr || !wglMakeCurrent(s_dc, s_context))
        return;
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glViewport(0, 0, kWindowWidth, kWindowHeight);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(45.0, static_cast<double>(kWindowWidth) / kWindowHeight, 0.1, 100.0);
    glMatrixMode(GL_MODELVIEW);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glEnable(GL_TEXTURE_2D);
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LEQUAL);
}

void MainWindowDrawingTest::TearDownTestSuite() {
    wglMakeCurrent(nullptr, nullptr);
    wglDeleteContext(s_context);
    ReleaseDC(s_window, s_dc);
    DestroyWindow(s_window);
    UnregisterClassW(kClassName, GetModuleHandleW(nullptr));
}

void MainWindowDrawingTest::SetUp() {
    ASSERT_TRUE(s_context != nullptr && wglGetCurrentContext() == s_context) << "no OpenGL context";
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
    GLfloat colour[4] = {};
    glGetFloatv(GL_CURRENT_COLOR, colour);
    EXPECT_EQ(std::vector<GLfloat>(colour, colour + 3), std::vector<GLfloat>(3, 1.0f));
    GLint texture = -1;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &texture);
    EXPECT_EQ(texture, 0);
    GLint depth = 0;
    glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &depth);
    EXPECT_EQ(depth, 1);
    GLfloat matrix[16] = {};
    glGetFloatv(GL_MODELVIEW_MATRIX, matrix);
    EXPECT_EQ(std::vector<GLfloat>(matrix, matrix + 16),
              std::vector<GLfloat>({1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1}));
}
