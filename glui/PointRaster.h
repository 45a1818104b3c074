#pragma once

#include "model/PlotBuffer.h"

#include <cstdint>
#include <string_view>
#include <vector>

class PlotProjection;

// Whether a renderer (OpenGL's renderer string) draws single points so slowly that the plot view
// does better to light them on the processor: the software renderers, which set up every point
// as a primitive of its own.
bool DrawsPointsSlowly(std::string_view renderer);

// The plot's points lit on the processor into an image that covers the plot viewport pixel for
// pixel, for drawing as one texture. A point lights the pixel OpenGL would light for it (the one
// whose square holds its window position, from the same projection), and keeps a depth of its own
// there with OpenGL's rule: a point at the same depth or nearer replaces what a pixel holds. The
// depth is kept in 16 bits, as in the window's depth buffer.
class PointRaster {
public:
    // A side of the image: the plot viewport's 500 pixels rounded up to a power of two, which
    // OpenGL 1.1 asks of a texture.
    static constexpr int kSide = 512;

    PointRaster();

    // Starts a frame: the points of the last one are taken away.
    void Clear();
    // Lights the points a buffer draws (ForEachDrawnPoint) in a colour 0x00BBGGRR.
    void Plot(const PlotBuffer& buffer, std::int32_t mode, const PlotProjection& projection,
              std::uint32_t colour);

    // The image, bottom row first, kSide pixels a row, each the bytes red, green, blue, alpha;
    // alpha is 0 where no point lies.
    const std::uint32_t* Pixels() const { return m_pixels.data(); }
    // The rows that changed since the last frame's image: those lit now or then. Count 0 when none.
    int ChangedFirstRow() const;
    int ChangedRowCount() const;

private:
    void ClearRows(int first, int last);

    std::vector<std::uint32_t> m_pixels;
    std::vector<std::uint16_t> m_depth;
    // Rows lit in this frame and cleared at its start, first and last; first > last when none.
    int m_litFirst;
    int m_litLast;
    int m_clearedFirst;
    int m_clearedLast;
};
