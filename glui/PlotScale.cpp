#include "glui/PlotScale.h"

#include "glui/PlotProjection.h"
#include "glui/TextMeasure.h"
#include "model/ViewState.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace {

// A tick reaches 1/80 of its axis's length to either side.
constexpr double kTickReach = 1.0 / 80.0;
// A number's box starts this many pixels right of and below its tick, and keeps at least this
// many pixels from the number before it.
constexpr int kLabelOffset = 3;
constexpr int kLabelSpacing = 2;

// The axis along which the ticks of an axis lie: y for x, x for y and z.
constexpr int kTickDirection[3] = {1, 0, 0};

bool Inside(const ClientRect& box, const ClientRect& area) {
    return box.left >= area.left && box.top >= area.top && box.right <= area.right &&
           box.bottom <= area.bottom;
}

bool Crowds(const ClientRect& a, const ClientRect& b) {
    return a.left < b.right + kLabelSpacing && b.left < a.right + kLabelSpacing &&
           a.top < b.bottom + kLabelSpacing && b.top < a.bottom + kLabelSpacing;
}

// A point on an axis, as OpenGL receives it.
PlotScale::Segment Along(int axis, double value, int across, double reach) {
    PlotScale::Segment segment = {};
    segment.from[axis] = segment.to[axis] = static_cast<float>(value);
    segment.from[across] = static_cast<float>(-reach);
    segment.to[across] = static_cast<float>(reach);
    return segment;
}

} // namespace

PlotScale::PlotScale(const ViewState& view)
    : m_axisDrawn{true, true, view.mode != kPlane},
      m_mirror(view.mode == kLeftHanded ? -1.0f : 1.0f), m_axes{{view.ranges[0], view.ranges[1]},
                                                                {view.ranges[2], view.ranges[3]},
                                                                {view.ranges[4], view.ranges[5]}} {
    for (int axis = 0; axis < 3; ++axis) {
        if (!m_axisDrawn[axis])
            continue;
        const double reach = std::fabs(view.ranges[2 * axis + 1] - view.ranges[2 * axis]) * kTickReach;
        const double sign = axis == 2 ? m_mirror : 1.0;
        for (const auto* half : {&m_axes[axis].Positive(), &m_axes[axis].Negative()})
            for (const AxisTicks::Tick& tick : *half)
                m_ticks[axis].push_back(Along(axis, sign * tick.value, kTickDirection[axis], reach));
    }
    if (view.mode != kPlane)
        return;
    // Each line crosses the whole range of the other axis.
    for (int axis = 0; axis < 2; ++axis) {
        const int other = 1 - axis;
        const double low = std::min(view.ranges[2 * other], view.ranges[2 * other + 1]);
        const double high = std::max(view.ranges[2 * other], view.ranges[2 * other + 1]);
        for (const auto* half : {&m_axes[axis].Positive(), &m_axes[axis].Negative()})
            for (const AxisTicks::Tick& tick : *half) {
                Segment line = {};
                line.from[axis] = line.to[axis] = static_cast<float>(tick.value);
                line.from[other] = static_cast<float>(low);
                line.to[other] = static_cast<float>(high);
                m_grid.push_back(line);
            }
    }
}

std::vector<PlotScale::Label> PlotScale::Labels(const PlotProjection& projection,
                                                const TextMeasure& font) const {
    const ClientRect plot = AreaClientRect(ScreenArea::Plot);
    std::vector<Label> labels;
    for (int axis = 0; axis < 3; ++axis) {
        if (!m_axisDrawn[axis])
            continue;
        const float sign = axis == 2 ? m_mirror : 1.0f;
        for (const auto* half : {&m_axes[axis].Positive(), &m_axes[axis].Negative()}) {
            std::optional<ClientRect> last;
            for (const AxisTicks::Tick& tick : *half) {
                float point[3] = {};
                point[axis] = sign * static_cast<float>(tick.value);
                const auto at = projection.Project(point[0], point[1], point[2]);
                if (!at)
                    continue;
                const int left = at->Column() + kLabelOffset;
                const int top = at->Row() + kLabelOffset;
                const ClientRect box{left, top, left + font.Width(tick.label), top + font.Height()};
                if (!Inside(box, plot) || (last && Crowds(box, *last)))
                    continue;
                labels.push_back({axis, tick.label, box});
                last = box;
            }
        }
    }
    return labels;
}
