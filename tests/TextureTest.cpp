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

TEST_F(TextureTest, UploadsTheRowsBottomFirstOrLeavesTheSlotUntouched) {
    const MessageBoxFunction previous = SetDibMessageBox(&NoBox);
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    const std::string path = std::string(temp) + "orvane-texture.dat";
    // 2 × 2 pixels at 24 bits: 6 bytes a row, so the upload must not assume 4-byte row alignment.
    const Bytes picture = Join({{40, 0, 0, 0, 2, 0, 0, 0, 2, 0, 0, 0, 1, 0, 24, 0, 0, 0, 0, 0},
                                Bytes(20, 0),
                                {0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0, 0},
                                {0x07, 0x08, 0x09, 0x0A, 0x0B, 0x0C, 0, 0}});
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
    EXPECT_EQ(rgb, Bytes({0x03, 0x02, 0x01, 0x06, 0x05, 0x04, 0x09, 0x08, 0x07, 0x0C, 0x0B, 0x0A}));
    glDeleteTextures(1, &texture);

    DeleteFileA(path.c_str()); // a missing file is a failure
    texture = 77;
    EXPECT_FALSE(LoadTexture(path.c_str(), texture));
    EXPECT_EQ(texture, 77u);
    SetDibMessageBox(previous);
}

} // namespace
