#pragma once

#include "glui/BitmapFont_win.h"
#include "glui/GlControl.h"
#include "glui/PlotTrace.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

class PlotProjection;
class PlotScale;
class PlotView;
class PointRaster;
struct PlotBuffer;

// The 3-D plot area: the three axes with their ticks and numbers (and a grid in the plane system),
// every valid sample of the plotted buffers as single pixels, under the view's origin position and
// rotation, and the readout of the sample under a resting pointer. The view state and the buffers
// belong to the graph store's PlotView; this widget only draws them and turns the view on each
// frame.
class PlotViewControl : public GlControl {
public:
    explicit PlotViewControl(PlotView& plot);
    ~PlotViewControl() override;

    // Keeps the owner it reports the view to every frame, makes the font of the numbers and, where
    // the renderer draws single points slowly, has the points drawn on the processor.
    void LoadImages(PageRequest* owner);
    // Draws everything under this frame's rotation, then advances the angles by their speeds and
    // reports angles, ranges and position to the owner.
    void Draw(int x, int y, int width, int height);
    // Releases the font and the points' texture; the application empties the plot view's record
    // list itself when the window goes.
    void ReleaseTextures();

    // Ticks, numbers and the plane system's grid; shown until the user hides them.
    void ShowScale(bool shown) { m_scaleShown = shown; }
    bool ScaleShown() const { return m_scaleShown; }
    // The client pixel of a pointer resting over the plot with no button held, or none: the sample
    // nearest to it is marked and read out on every frame, as the scene turns under it.
    void TraceAt(std::optional<ClientPoint> pointer) { m_pointer = pointer; }
    // The points lit on the processor and drawn as one texture, or sent to OpenGL as points.
    void DrawPointsOnProcessor(bool onProcessor);

private:
    void DrawScaleLabels(const PlotScale& scale, const PlotProjection& projection) const;
    void DrawPoints(const PlotProjection& projection, std::int32_t mode);
    void DrawRecordPoints(const PlotBuffer& buffer, std::int32_t mode, const PlotProjection& projection,
                          std::uint32_t colour);
    void DrawTrace(const PlotProjection& projection, std::int32_t mode) const;

    PlotView& m_plot;
    BitmapFont m_font;
    bool m_scaleShown = true;
    std::optional<ClientPoint> m_pointer;
    std::vector<float> m_points;           // one buffer's points, kept to spare an allocation per frame
    std::unique_ptr<PointRaster> m_raster; // only while the points are drawn on the processor
    unsigned int m_pointTexture = 0;
};
