#include "glui/DibLoader.h"

#include "tests/BmpFiles.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

struct ShownBox {
    HWND owner;
    HWND focus;
    std::wstring text;
    std::wstring caption;
    UINT type;
};

std::vector<ShownBox> g_shown;

int WINAPI RecordMessageBox(HWND owner, LPCWSTR text, LPCWSTR caption, UINT type) {
    g_shown.push_back({owner, GetFocus(), text, caption, type});
    return IDOK;
}

// Writes real files into a folder of its own under the temporary folder and records the message
// boxes instead of showing them.
class DibLoaderTest : public ::testing::Test {
protected:
    void SetUp() override {
        g_shown.clear();
        m_previous = SetDibMessageBox(&RecordMessageBox);
        char temp[MAX_PATH];
        ASSERT_NE(GetTempPathA(MAX_PATH, temp), 0u);
        m_folder = std::string(temp) + "orvane-dib-" + std::to_string(GetCurrentProcessId());
        CreateDirectoryA(m_folder.c_str(), nullptr);
    }

    void TearDown() override {
        SetDibMessageBox(m_previous);
        for (const std::string& path : m_files)
            DeleteFileA(path.c_str());
        RemoveDirectoryA(m_folder.c_str());
    }

    std::string Write(const char* name, const Bytes& bytes) {
        const std::string path = m_folder + "\\" + name;
        std::FILE* file = std::fopen(path.c_str(), "wb");
        EXPECT_NE(file, nullptr) << path;
        if (file == nullptr)
            return path;
        EXPECT_EQ(std::fwrite(bytes.data(), 1, bytes.size(), file), bytes.size());
        std::fclose(file);
        m_files.push_back(path);
        return path;
    }

    std::string m_folder;

private:
    MessageBoxFunction m_previous = nullptr;
    std::vector<std::string> m_files;
};

// Pixels as LoadDibImage gives them: R, G, B, bottom row first. The palettes are those of the
// files (Palette gives entry i as B = i, G = 0x40, R = 255 - i).
TEST_F(DibLoaderTest, ConvertsEveryLayoutToBottomUpRgb) {
    const struct {
        const char* name;
        Bytes file;
        std::int32_t width;
        std::int32_t height;
        Bytes rgb;
    } cases[] = {
        {"1 bit, 40-byte header, file header",
         OneBitFile(),
         3,
         2,
         {0xC0, 0xB0, 0xA0, 0x30, 0x20, 0x10, 0xC0, 0xB0, 0xA0, // entries 1, 0, 1
          0x30, 0x20, 0x10, 0xC0, 0xB0, 0xA0, 0x30, 0x20, 0x10}},
        {"4 bits, 12-byte header, file header",
         Os2FourBitFile(),
         2,
         2,
         {254, 0x40, 1, 240, 0x40, 15, 247, 0x40, 8, 255, 0x40, 0}},
        {"8 bits, 12-byte header, no file header",
         Os2EightBitDib(),
         4,
         1,
         {255, 0x40, 0, 254, 0x40, 1, 127, 0x40, 0x80, 0, 0x40, 255}},
        {"8 bits, 40-byte header, two colours used, no file header",
         TwoColourDib(2),
         2,
         1,
         {0x66, 0x55, 0x44, 0x33, 0x22, 0x11}},
        {"24 bits, width 5, no file header", TrueColourWidth5Dib(), 5, 2, {3,  2,  1,  6,  5,  4,  9,  8,
                                                                           7,  12, 11, 10, 15, 14, 13, 18,
                                                                           17, 16, 21, 20, 19, 24, 23, 22,
                                                                           27, 26, 25, 30, 29, 28}},
        {"24 bits, top-down", TopDownDib(), 1, 2, {0, 0, 0xFF, 0xFF, 0, 0}},
        {"8 bits, run-length encoded",
         Rle8File(),
         2,
         2,
         {0x33, 0x22, 0x11, 0x33, 0x22, 0x11, 0x66, 0x55, 0x44, 0x66, 0x55, 0x44}},
        {"16 bits, 5-6-5 bit fields: black and white",
         WithU32(BitFieldsDib(), 52, 0xFFFF0000),
         2,
         1,
         {0, 0, 0, 0xFF, 0xFF, 0xFF}},
    };
    for (const auto& c : cases) {
        const DibImageHolder image = LoadDibImage(Write("picture.dat", c.file).c_str());
        ASSERT_NE(image, nullptr) << c.name;
        EXPECT_EQ(image->width, c.width) << c.name;
        EXPECT_EQ(image->height, c.height) << c.name;
        EXPECT_EQ(Bytes(image->pixels, image->pixels + c.rgb.size()), c.rgb) << c.name;
        EXPECT_TRUE(g_shown.empty()) << c.name;
    }
}

TEST_F(DibLoaderTest, MissingFileGivesNothingAndShowsNothing) {
    EXPECT_EQ(LoadDibImage((m_folder + "\\missing.dat").c_str()), nullptr);
    EXPECT_TRUE(g_shown.empty());
}

TEST_F(DibLoaderTest, ReportsEachFailureInAnErrorBox) {
    // 1 × 1 pixel at 24 bits with the file header; 58 bytes.
    const Bytes picture = Join({{'B', 'M', 58, 0, 0, 0, 0, 0, 0, 0, 54, 0, 0, 0},
                                {40, 0, 0, 0, 1, 0, 0, 0, 1, 0, 0, 0, 1, 0, 24, 0, 0, 0, 0, 0},
                                kNoSizeResolutionsOrColours,
                                {0x10, 0x20, 0x30, 0}});
    const std::string empty = Write("empty.dat", {});
    const struct {
        const char* name;
        std::string path;
        std::wstring text;
    } cases[] = {
        {"empty file cannot be mapped", empty,
         L"Failed to open DIB file " + std::wstring(empty.begin(), empty.end()) + L".\n"},
        {"header size 108", Write("v4.dat", WithU32(Join({picture, Bytes(80, 0)}), 14, 108)),
         L"Unknown DIB file format."},
        {"header size 124", Write("v5.dat", WithU32(Join({picture, Bytes(100, 0)}), 14, 124)),
         L"Unknown DIB file format."},
        {"header cut", Write("cut.dat", Truncated(picture, 30)), L"Unknown DIB file format."},
        {"pixels cut", Write("pixels.dat", Truncated(picture, 57)), L"Image file conversion error."},
        {"pixel offset past the end", Write("offset.dat", WithU32(picture, 10, 58)),
         L"Image file conversion error."},
        {"compression GDI cannot draw", Write("jpeg.dat", WithU32(picture, 30, 4)),
         L"Image file conversion error."},
    };
    for (const auto& c : cases) {
        g_shown.clear();
        EXPECT_EQ(LoadDibImage(c.path.c_str()), nullptr) << c.name;
        ASSERT_EQ(g_shown.size(), 1u) << c.name;
        EXPECT_EQ(g_shown[0].text, c.text) << c.name;
        EXPECT_EQ(g_shown[0].caption, L"Error") << c.name;
        EXPECT_EQ(g_shown[0].type, static_cast<UINT>(MB_OK)) << c.name;
        EXPECT_EQ(g_shown[0].owner, g_shown[0].focus) << c.name;
    }
}

TEST_F(DibLoaderTest, BoxIsOwnedByTheWindowWithTheFocus) {
    HWND window = CreateWindowExW(0, L"EDIT", L"", WS_POPUP, 0, 0, 50, 20, nullptr, nullptr,
                                  GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(window, nullptr);
    SetFocus(window);
    ASSERT_EQ(GetFocus(), window);
    EXPECT_EQ(LoadDibImage(Write("v5.dat", {12, 0, 0}).c_str()), nullptr);
    ASSERT_EQ(g_shown.size(), 1u);
    EXPECT_EQ(g_shown[0].owner, window);
    DestroyWindow(window);
}

} // namespace
