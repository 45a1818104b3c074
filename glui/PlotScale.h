#pragma once

#include "glui/AxisTicks.h"
#include "glui/ScreenLayout.h"

#include <string>
#include <vector>

class PlotProjection;
class TextMeasure;
struct ViewState;

// What lets the user read values off the plot: tick marks across every drawn axis, their numbers,
// and in the plane system a grid through the ticks of x and y. Ticks and grid lie in the scene
// and turn with it; the numbers face the viewer.
class PlotScale {
public:
    // A line in the scene, as OpenGL receives it.
    struct Segment {
        float from[3];
        float to[3];
    };
    // A tick's number and where it is written, in client pixels.
    struct Label {
        int axis;
        std::string text;
        ClientRect box;
    };

    explicit PlotScale(const ViewState& view);

    // The tick marks of axis 0, 1 or 2 (none for z in the plane system, where there is no z axis),
    // each 1/80 of its axis's length to either side, along y for x's ticks and along x for the
    // others'. The left-handed system's z ticks follow its mirrored axis.
    const std::vector<Segment>& Ticks(int axis) const { return m_ticks[axis]; }
    // The plane system's grid: a line through every tick of x and of y, across the other axis's
    // range. Empty in the other systems.
    const std::vector<Segment>& GridLines() const { return m_grid; }

    // The numbers to write this frame. Along each half-axis, outwards from the origin, a tick gets
    // its number beside it when the number lies wholly inside the plot square and keeps clear of
    // the last number written on that half-axis.
    std::vector<Label> Labels(const PlotProjection& projection, const TextMeasure& font) const;

private:
    bool m_axisDrawn[3];
    float m_mirror; // -1 where z is drawn mirrored
    AxisTicks m_axes[3];
    std::vector<Segment> m_ticks[3];
    std::vector<Segment> m_grid;
};
