#include "glui/PointRaster.h"

#include "glui/PlotProjection.h"
#include "glui/ScreenLayout.h"
#include "glui/ShownSamples.h"

#include <algorithm>
#include <bit>
#include <cmath>

static_assert(std::endian::native == std::endian::little,
              "pixels are written as bytes red, green, blue, alpha");

namespace {

constexpr std::uint16_t kFarthest = 0xFFFF;
constexpr std::uint32_t kOpaque = 0xFF000000u;
constexpr int kNoRow = PointRaster::kSide;

} // namespace

bool DrawsPointsSlowly(std::string_view renderer) {
    // Mesa's software renderers, and the one Windows itself ships.
    for (const std::string_view name : {"llvmpipe", "softpipe", "Software Rasterizer", "GDI Generic"})
        if (renderer.find(name) != std::string_view::npos)
            return true;
    return false;
}

PointRaster::PointRaster()
    : m_pixels(kSide * kSide, 0u), m_depth(kSide * kSide, kFarthest), m_litFirst(kNoRow), m_litLast(-1),
      m_clearedFirst(kNoRow), m_clearedLast(-1) {}

void PointRaster::ClearRows(int first, int last) {
    if (first > last)
        return;
    const auto begin = static_cast<std::size_t>(first) * kSide;
    const auto end = static_cast<std::size_t>(last + 1) * kSide;
    std::fill(m_pixels.begin() + begin, m_pixels.begin() + end, 0u);
    std::fill(m_depth.begin() + begin, m_depth.begin() + end, kFarthest);
}

void PointRaster::Clear() {
    ClearRows(m_litFirst, m_litLast);
    m_clearedFirst = m_litFirst;
    m_clearedLast = m_litLast;
    m_litFirst = kNoRow;
    m_litLast = -1;
}

void PointRaster::Plot(const PlotBuffer& buffer, std::int32_t mode, const PlotProjection& projection,
                       std::uint32_t colour) {
    const Viewport plot = AreaViewport(ScreenArea::Plot);
    const std::uint32_t pixel = (colour & 0x00FFFFFFu) | kOpaque;
    ForEachDrawnPoint(buffer, mode, [&](float x, float y, float z) {
        const auto at = projection.Project(x, y, z);
        if (!at)
            return;
        const int column = at->Column() - plot.x;
        const int row = kWindowHeight - 1 - at->Row() - plot.y;
        // A point on the far edge of the view volume lands just outside the viewport.
        if (column < 0 || column >= plot.width || row < 0 || row >= plot.height)
            return;
        const auto depth = static_cast<std::uint16_t>(at->depth * kFarthest + 0.5);
        const std::size_t i = static_cast<std::size_t>(row) * kSide + static_cast<std::size_t>(column);
        if (depth > m_depth[i])
            return;
        m_depth[i] = depth;
        m_pixels[i] = pixel;
        m_litFirst = std::min(m_litFirst, row);
        m_litLast = std::max(m_litLast, row);
    });
}

int PointRaster::ChangedFirstRow() const {
    return std::min(m_litFirst, m_clearedFirst);
}

int PointRaster::ChangedRowCount() const {
    const int last = std::max(m_litLast, m_clearedLast);
    const int first = ChangedFirstRow();
    return last >= first ? last - first + 1 : 0;
}
