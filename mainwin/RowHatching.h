#pragma once

#include <array>

// The slanted lines drawn over the text of a hidden graph's row in the graph list. The text
// area runs from left + 36 to right; the lines lean one way on odd rows and the other on even
// rows, so that neighbouring hidden rows read as separate.
struct LineSegment {
    int x1, y1, x2, y2;
    friend bool operator==(const LineSegment&, const LineSegment&) = default;
};

inline constexpr int kHatchLineCount = 22;
inline constexpr int kRowTextIndent = 36; // colour swatch 16, icon 16, a little space

std::array<LineSegment, kHatchLineCount> RowHatching(int left, int right, int top, int bottom, int row);
