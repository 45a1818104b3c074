#pragma once

#include "model/ViewState.h"

// The plot area's state: the view (coordinate system, rotation, origin, axis ranges) and the
// preset cycles behind F6, F7 and F8.
class PlotView {
public:
    // Starts right-handed, at position (0, -2.5, 0), spinning about y at 5 degrees per frame:
    // the first step of each preset cycle.
    PlotView();

    ViewState view;

    // Right-handed, plane, left-handed, and again.
    void NextCoordinateMode();
    // (0, -2.5, 0), (0, 0, 0), (-2.5, -2.5, 0), and again.
    void NextPositionPreset();
    // Spin about y, about x, about z at 5 degrees per frame, then still; angles reset to 0.
    void NextRotationPreset();

private:
    int m_positionPreset = 0;
    int m_rotationPreset = 0;
};
