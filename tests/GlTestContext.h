#pragma once

// The drawing tests' OpenGL context and the read-back of what was drawn.

#include "win/GlWindow.h"

#include <gtest/gtest.h>

#include <memory>
#include <ostream>

struct Rgb {
    int r, g, b;
};

// Colours read back may be off by a rounding step of the surface, and a colour faded along a line
// by a pixel's share of the fade.
bool operator==(const Rgb& a, const Rgb& b);
void PrintTo(const Rgb& c, std::ostream* out);

// Base of the drawing tests: an 800 x 600 window made as the main window is, whose context is
// current for the suite in the state the main window sets up before drawing (its 45-degree
// perspective over the whole window, blending, texturing and the depth test), cleared to black
// before each test.
class MainWindowDrawingTest : public ::testing::Test {
public:
    static void Clear(const Rgb& background); // colour and depth; resets the modelview matrix
    static Rgb PixelAt(int x, int y);         // OpenGL window coordinates, origin bottom-left
    // What every drawing must leave behind: colour white, no texture bound, the modelview matrix
    // as it was (the identity, at stack depth 1).
    static void ExpectStateRestored();

protected:
    static void SetUpTestSuite();
    static void TearDownTestSuite();
    void SetUp() override;

private:
    static inline std::unique_ptr<GlWindow> s_window;
};
