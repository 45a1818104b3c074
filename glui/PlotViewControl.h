#pragma once

#include "glui/GlControl.h"

#include <vector>

class PlotView;

// The 3-D plot area: the three axes and every valid sample of the plotted buffers as single
// pixels, under the view's origin position and rotation. The view state and the buffers belong
// to the graph store's PlotView; this widget only draws them and turns the view on each frame.
class PlotViewControl : public GlControl {
public:
    explicit PlotViewControl(PlotView& plot) : m_plot(plot) {}

    // The plot area has no pictures; it keeps the owner it reports the view to every frame.
    void LoadImages(PageRequest* owner) { m_owner = owner; }
    // Draws the axes and the points under this frame's rotation, then advances the angles by
    // their speeds and reports angles, ranges and position to the owner.
    void Draw(int x, int y, int width, int height);
    // Nothing of its own: the application empties the plot view's record list when the window
    // goes.
    void ReleaseTextures() {}

private:
    PlotView& m_plot;
    std::vector<float> m_points; // one buffer's points, kept to spare an allocation per frame
};
