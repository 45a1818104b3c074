#pragma once

#include "glui/ScreenLayout.h"

#include <optional>

struct ViewState;

// How far in front of the eye the origin sits before the user moves it, well inside the
// projection's depth range.
inline constexpr double kSceneDistance = 25.0;

// A point where a frame of the plot view puts it on the window.
struct WindowPoint {
    double x; // OpenGL window coordinates: pixels from the window's bottom-left corner
    double y;
    double depth; // 0 on the near plane, 1 on the far one

    // The client pixel it lights: OpenGL lights the pixel whose square holds a point.
    int Column() const;
    int Row() const;
    // The same place in client coordinates (y down), not rounded.
    double ClientY() const { return kWindowHeight - y; }
};

// The transform of a frame of the plot view, done again on the processor in double precision: the
// window's perspective (its 4 : 3 aspect squeezed into the square plot viewport), the origin moved
// by the position and kSceneDistance away from the eye, then the turns about x, y and z.
class PlotProjection {
public:
    // The view as the frame draws it, before the frame advances the angles.
    explicit PlotProjection(const ViewState& view);

    // Where a point as OpenGL receives it (in single precision) lands; none outside the view
    // volume, where OpenGL drops a point.
    std::optional<WindowPoint> Project(float x, float y, float z) const;

private:
    double m_matrix[4][4]; // scene point to clip coordinates, row by row
    Viewport m_viewport;
};
