#include "mainwin/RowHatching.h"

std::array<LineSegment, kHatchLineCount> RowHatching(int left, int right, int top, int bottom, int row) {
    const int start = left + kRowTextIndent;
    const int step = (right - start) / 20;
    const bool odd = row % 2 != 0;
    const int y1 = odd ? top : bottom - 1;
    const int y2 = odd ? bottom - 1 : top;
    std::array<LineSegment, kHatchLineCount> lines;
    for (int k = 0; k < kHatchLineCount; ++k)
        lines[k] = {start + (k - 1) * step, y1, start + (k + 1) * step, y2};
    return lines;
}
