#include "glui/Texture.h"

#include "glui/DibLoader.h"
#include "tests/BmpFiles.h"

#include <windows.h>

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace {

int WINAPI IgnoreMessageBox(HWND, LPCWSTR, LPCWSTR, UINT) {
    return IDOK;
}

// A hidden window with an OpenGL context made current, as the controls have when they load their
// textures.
class TextureTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_previous = SetDibMessageBox(&IgnoreMessageBox);
        m_window = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 64, 64, nullptr, nullptr,
                                   GetModuleHandleW(nullptr), nullptr);
        ASSERT_NE(m_window, nullptr);
        m_dc = GetDC(m_window);
        PIXELFORMATDESCRIPTOR format{};
        format.nSize = sizeof format;
        format.nVersion = 1;
        format.dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_DOUBLEBUFFER;
        format.iPixelType = PFD_TYPE_RGBA;
        format.cColorBits = 24;
        format.cDepthBits = 16;
        const int index = ChoosePixelFormat(m_dc, &format);
        if (index == 0 || !SetPixelFormat(m_dc, index, &format))
            GTEST_SKIP() << "no OpenGL pixel format";
        m_context = wglCreateContext(m_dc);
        if (m_context == nullptr || !wglMakeCurrent(m_dc, m_context))
            GTEST_SKIP() << "no OpenGL context";
    }

    void TearDown() override {
        SetDibMessageBox(m_previous);
        if (m_context != nullptr) {
            wglMakeCurrent(nullptr, nullptr);
            wglDeleteContext(m_context);
        }
        if (m_window != nullptr) {
            ReleaseDC(m_window, m_dc);
            DestroyWindow(m_window);
        }
        if (!m_path.empty())
            DeleteFileA(m_path.c_str());
    }

    std::string Write(const Bytes& bytes) {
        char temp[MAX_PATH];
        GetTempPathA(MAX_PATH, temp);
        m_path = std::string(temp) + "orvane-texture-" + std::to_string(GetCurrentProcessId()) + ".dat";
        std::FILE* file = std::fopen(m_path.c_str(), "wb");
        EXPECT_NE(file, nullptr);
        if (file != nullptr) {
            std::fwrite(bytes.data(), 1, bytes.size(), file);
            std::fclose(file);
        }
        return m_path;
    }

private:
    MessageBoxFunction m_previous = nullptr;
    HWND m_window = nullptr;
    HDC m_dc = nullptr;
    HGLRC m_context = nullptr;
    std::string m_path;
};

TEST_F(TextureTest, UploadsTheRowsBottomFirstWithLinearFilters) {
    // 2 × 2 pixels at 24 bits: 6 bytes a row, so the upload must not assume 4-byte row alignment.
    const Bytes file = Join({{40, 0, 0, 0, 2, 0, 0, 0, 2, 0, 0, 0, 1, 0, 24, 0, 0, 0, 0, 0},
                             Bytes(20, 0),
                             {0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0, 0},
                             {0x07, 0x08, 0x09, 0x0A, 0x0B, 0x0C, 0, 0}});
    unsigned int texture = 0;
    ASSERT_TRUE(LoadTexture(Write(file).c_str(), texture));
    EXPECT_NE(texture, 0u);
    GLint bound = 0;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
    EXPECT_EQ(static_cast<unsigned int>(bound), texture);
    GLint filter = 0;
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, &filter);
    EXPECT_EQ(filter, GL_LINEAR);
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, &filter);
    EXPECT_EQ(filter, GL_LINEAR);
    GLint alignment = 0;
    glGetIntegerv(GL_UNPACK_ALIGNMENT, &alignment);
    EXPECT_EQ(alignment, 4);

    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    Bytes rgb(12, 0);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RGB, GL_UNSIGNED_BYTE, rgb.data());
    EXPECT_EQ(rgb, Bytes({0x03, 0x02, 0x01, 0x06, 0x05, 0x04, 0x09, 0x08, 0x07, 0x0C, 0x0B, 0x0A}));
    glDeleteTextures(1, &texture);
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST_F(TextureTest, FailureLeavesTheSlotUntouched) {
    unsigned int texture = 77;
    EXPECT_FALSE(LoadTexture("no such picture.dat", texture));
    EXPECT_EQ(texture, 77u);
    EXPECT_FALSE(LoadTexture(Write({40, 0, 0, 0}).c_str(), texture));
    EXPECT_EQ(texture, 77u);
}

} // namespace
