#include "glui/Texture.h"

#include "glui/DibLoader.h"
#include "tests/BmpFiles.h"
#include "tests/GlTestContext.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

namespace {

int WINAPI NoBox(HWND, LPCWSTR, LPCWSTR, UINT) {
    ADD_FAILURE() << "a message box";
    return IDOK;
}

using TextureTest = MainWindowDrawingTest;

TEST_F(TextureTest, UploadsTheRowsBottomFirstAndLeavesTheTextureBound) {
    const MessageBoxFunction previous = SetDibMessageBox(&NoBox);
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    const std::string path = std::string(temp) + "orvane-texture.dat";
    // 2 × 2 pixels: 6 bytes a row once converted, so the upload must not assume 4-byte alignment.
    const Bytes picture = Os2FourBitFile();
    std::FILE* file = std::fopen(path.c_str(), "wb");
    std::fwrite(picture.data(), 1, picture.size(), file);
    std::fclose(file);
    unsigned int texture = 0;
    ASSERT_TRUE(LoadTexture(path.c_str(), texture));
    GLint bound = 0;
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
    EXPECT_EQ(static_cast<unsigned int>(bound), texture);
    Bytes rgb(12, 0);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RGB, GL_UNSIGNED_BYTE, rgb.data());
    EXPECT_EQ(rgb, Bytes({254, 0x40, 1, 240, 0x40, 15, 247, 0x40, 8, 255, 0x40, 0}));
    glDeleteTextures(1, &texture);
    DeleteFileA(path.c_str());
    SetDibMessageBox(previous);
}

} // namespace
