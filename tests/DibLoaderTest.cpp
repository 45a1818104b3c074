#include "glui/DibLoader.h"
#include "glui/Texture.h"
#include "win/ShowMessageBox.h"

#include "tests/BmpFiles.h"
#include "tests/GlTestContext.h"

#include <GL/gl.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

// The boxes shown, as "owner is focus|caption|text|type".
std::vector<std::wstring> g_shown;

int RecordMessageBox(HWND owner, const wchar_t* text, const wchar_t* caption, UINT type) {
    g_shown.push_back(std::wstring(owner == GetFocus() ? L"focus|" : L"other|") + caption + L"|" + text +
                      L"|" + std::to_wstring(type));
    return IDOK;
}

// Writes real files under the temporary folder and records the loader's message boxes.
class DibLoaderTest : public MainWindowDrawingTest {
protected:
    void SetUp() override {
        MainWindowDrawingTest::SetUp();
        g_shown.clear();
        m_previous = ReplaceMessageBox(&RecordMessageBox);
    }
    void TearDown() override {
        ReplaceMessageBox(m_previous);
        for (const std::string& path : m_files)
            DeleteFileA(path.c_str());
    }

    std::string Write(const Bytes& bytes) {
        char temp[MAX_PATH];
        GetTempPathA(MAX_PATH, temp);
        m_files.push_back(std::string(temp) + "orvane-dib-" + std::to_string(m_files.size()) + ".dat");
        std::FILE* file = std::fopen(m_files.back().c_str(), "wb");
        EXPECT_EQ(std::fwrite(bytes.data(), 1, bytes.size(), file), bytes.size());
        std::fclose(file);
        return m_files.back();
    }

private:
    MessageBoxFunction m_previous = nullptr;
    std::vector<std::string> m_files;
};

// The texture holds R, G, B, bottom row first, whatever the file's depth, row padding or row order.
// Rows of 6 and 15 bytes also catch an upload that assumes 4-byte alignment.
TEST_F(DibLoaderTest, TexturesHoldEveryLayoutAsBottomUpRgbAndStayBound) {
    const struct {
        Bytes file;
        GLint width, height;
        Bytes rgb;
    } cases[] = {
        {Os2FourBitFile(), 2, 2, {254, 0x40, 1, 240, 0x40, 15, 247, 0x40, 8, 255, 0x40, 0}},
        {TrueColourWidth5Dib(), 5, 2, {3,  2,  1,  6,  5,  4,  9,  8,  7,  12, 11, 10, 15, 14, 13,
                                       18, 17, 16, 21, 20, 19, 24, 23, 22, 27, 26, 25, 30, 29, 28}},
        {TopDownDib(), 1, 2, {0, 0, 0xFF, 0xFF, 0, 0}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(&c - cases);
        unsigned int texture = 0;
        ASSERT_TRUE(LoadTexture(Write(c.file).c_str(), texture));
        GLint bound = 0, width = 0, height = 0;
        glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
        glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &width);
        glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &height);
        ASSERT_EQ(std::vector<GLint>({bound, width, height}),
                  std::vector<GLint>({static_cast<GLint>(texture), c.width, c.height}));
        Bytes rgb(c.rgb.size());
        glGetTexImage(GL_TEXTURE_2D, 0, GL_RGB, GL_UNSIGNED_BYTE, rgb.data());
        EXPECT_EQ(rgb, c.rgb);
        glDeleteTextures(1, &texture);
    }
    EXPECT_TRUE(g_shown.empty());
}

TEST_F(DibLoaderTest, AMissingFileIsSilentAndEveryOtherFailureShowsItsErrorBox) {
    const std::string empty = Write({});
    const struct {
        std::string path;
        std::wstring box; // after "focus|Error|", before "|0" (MB_OK)
    } cases[] = {
        {"C:\\no such folder\\missing.dat", L""},
        {empty, L"Failed to open DIB file " + std::wstring(empty.begin(), empty.end()) + L".\n"},
        // Each status of the file check, and GDI refusing the pixels, has its text.
        {Write(WithU32(TopDownDib(), 0, 108)), L"Unknown DIB file format."}, // header size
        {Write(Truncated(TopDownDib(), 44)), L"Image file conversion error."},
        {Write(WithU32(TrueColourWidth5Dib(), 16, 4)), L"Image file conversion error."}, // JPEG
    };
    // The box is owned by the window with the focus.
    const HWND window = CreateWindowExW(0, L"EDIT", L"", WS_POPUP, 0, 0, 50, 20, nullptr, nullptr,
                                        GetModuleHandleW(nullptr), nullptr);
    SetFocus(window);
    ASSERT_EQ(GetFocus(), window);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        g_shown.clear();
        EXPECT_EQ(LoadDibImage(c.path.c_str()), nullptr);
        EXPECT_EQ(g_shown, c.box.empty() ? std::vector<std::wstring>{}
                                         : std::vector<std::wstring>{L"focus|Error|" + c.box + L"|0"});
    }
    DestroyWindow(window);
}

} // namespace
