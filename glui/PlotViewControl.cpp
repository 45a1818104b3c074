#include "glui/PlotViewControl.h"

#include "glui/GlQuad.h"
#include "glui/PlotProjection.h"
#include "glui/PlotScale.h"
#include "glui/PointRaster.h"
#include "glui/ShownSamples.h"
#include "model/PageRequest.h"
#include "model/PlotView.h"

#include <GL/gl.h>

#include <cstdint>
#include <optional>
#include <vector>

namespace {

constexpr float kAxisFaded = 0.25f;
constexpr float kGridGrey = 0.2f;
// How far the numbers' colour goes from an axis's colour towards white.
constexpr float kLabelTint = 0.7f;
// The marker is a ring of 5 x 5 pixels around the traced sample's pixel; the readout's text
// keeps this many pixels from the edge of its dark box.
constexpr int kMarkerReach = 2;
constexpr int kReadoutPadding = 3;

struct AxisColour {
    float r;
    float g;
    float b;
};

constexpr AxisColour kAxisColours[3] = {{1.0f, 0.0f, 0.0f}, {0.0f, 1.0f, 0.0f}, {0.0f, 0.0f, 1.0f}};

// Two segments from the origin along one axis: brightening to white towards `to`, darkening to
// grey towards `from`, so the user tells the positive half from the negative one.
void DrawAxis(const AxisColour& colour, int axis, double from, double to) {
    double end[3] = {};
    glBegin(GL_LINES);
    glColor3f(colour.r, colour.g, colour.b);
    glVertex3d(0.0, 0.0, 0.0);
    glColor3f(1.0f, 1.0f, 1.0f);
    end[axis] = to;
    glVertex3dv(end);
    glColor3f(colour.r, colour.g, colour.b);
    glVertex3d(0.0, 0.0, 0.0);
    glColor3f(kAxisFaded, kAxisFaded, kAxisFaded);
    end[axis] = from;
    glVertex3dv(end);
    glEnd();
}

void DrawSegments(const std::vector<PlotScale::Segment>& segments) {
    glBegin(GL_LINES);
    for (const PlotScale::Segment& segment : segments) {
        glVertex3fv(segment.from);
        glVertex3fv(segment.to);
    }
    glEnd();
}

// A colour 0x00BBGGRR as OpenGL takes it.
void ToGlColour(std::uint32_t colour, float rgb[3]) {
    for (int channel = 0; channel < 3; ++channel)
        rgb[channel] = static_cast<float>((colour >> (8 * channel)) & 0xFFu) / 255.0f;
}

// The rectangle of client pixels [left, right) x [top, bottom), in a PixelSpace.
void FillPixels(int left, int top, int right, int bottom) {
    DrawPlainQuad(static_cast<float>(left), static_cast<float>(bottom), static_cast<float>(right),
                  static_cast<float>(top), 0.0f);
}

// For one scope, the plot viewport's client pixels as drawing units (y down) for what faces the
// viewer: the numbers, the trace and the points' image. Nothing drawn in it is hidden by the scene.
class PixelSpace {
public:
    explicit PixelSpace(const ClientRect& area) {
        glMatrixMode(GL_PROJECTION);
        glPushMatrix();
        glLoadIdentity();
        glOrtho(area.left, area.right, area.bottom, area.top, -1.0, 1.0);
        glMatrixMode(GL_MODELVIEW);
        glPushMatrix();
        glLoadIdentity();
        glDisable(GL_DEPTH_TEST);
    }
    ~PixelSpace() {
        glEnable(GL_DEPTH_TEST);
        glMatrixMode(GL_PROJECTION);
        glPopMatrix();
        glMatrixMode(GL_MODELVIEW);
        glPopMatrix();
    }
    PixelSpace(const PixelSpace&) = delete;
    PixelSpace& operator=(const PixelSpace&) = delete;
};

} // namespace

PlotViewControl::PlotViewControl(PlotView& plot) : m_plot(plot) {}

PlotViewControl::~PlotViewControl() = default;

void PlotViewControl::LoadImages(PageRequest* owner) {
    m_owner = owner;
    m_font.Create();
    const auto* renderer = reinterpret_cast<const char*>(glGetString(GL_RENDERER));
    DrawPointsOnProcessor(renderer != nullptr && DrawsPointsSlowly(renderer));
}

void PlotViewControl::ReleaseTextures() {
    m_font.Release();
    DrawPointsOnProcessor(false);
}

void PlotViewControl::DrawPointsOnProcessor(bool onProcessor) {
    if (onProcessor == (m_raster != nullptr))
        return;
    if (!onProcessor) {
        glDeleteTextures(1, &m_pointTexture);
        m_pointTexture = 0;
        m_raster.reset();
        return;
    }
    m_raster = std::make_unique<PointRaster>();
    glGenTextures(1, &m_pointTexture);
    glBindTexture(GL_TEXTURE_2D, m_pointTexture);
    // Texel for pixel: nothing is filtered.
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, PointRaster::kSide, PointRaster::kSide, 0, GL_RGBA,
                 GL_UNSIGNED_BYTE, m_raster->Pixels());
    glBindTexture(GL_TEXTURE_2D, 0);
}

void PlotViewControl::Draw(int x, int y, int width, int height) {
    const ViewState& view = m_plot.view;
    const std::int32_t mode = view.mode;
    const PlotProjection projection(view);
    Begin(x, y, width, height);
    glTranslated(view.position[0], view.position[1], view.position[2] - kSceneDistance);
    glRotated(view.angles[0], 1.0, 0.0, 0.0);
    glRotated(view.angles[1], 0.0, 1.0, 0.0);
    glRotated(view.angles[2], 0.0, 0.0, 1.0);

    std::optional<PlotScale> scale;
    if (m_scaleShown)
        scale.emplace(view);
    // The grid first, so that the axes and the curves in its plane cover it.
    if (scale) {
        glColor3f(kGridGrey, kGridGrey, kGridGrey);
        DrawSegments(scale->GridLines());
    }
    DrawAxis(kAxisColours[0], 0, view.ranges[0], view.ranges[1]);
    DrawAxis(kAxisColours[1], 1, view.ranges[2], view.ranges[3]);
    // The plane system has no z axis; the left-handed space draws it mirrored.
    if (mode == kRightHanded || mode == kLeftHanded) {
        const double sign = mode == kLeftHanded ? -1.0 : 1.0;
        DrawAxis(kAxisColours[2], 2, sign * view.ranges[4], sign * view.ranges[5]);
    }
    for (int axis = 0; scale && axis < 3; ++axis) {
        glColor3f(kAxisColours[axis].r, kAxisColours[axis].g, kAxisColours[axis].b);
        DrawSegments(scale->Ticks(axis));
    }
    glColor3f(1.0f, 1.0f, 1.0f);

    // The matrix already holds this frame's rotation, so the points turn with the axes.
    m_plot.FrameStep();
    if (m_owner != nullptr)
        m_owner->ReportView(m_plot.view);

    if (scale)
        DrawScaleLabels(*scale, projection);
    DrawPoints(projection, mode);
    DrawTrace(projection, mode);
    End();
    glColor3f(1.0f, 1.0f, 1.0f);
}

void PlotViewControl::DrawScaleLabels(const PlotScale& scale, const PlotProjection& projection) const {
    const PixelSpace pixels(ToClientRect({m_x, m_y, m_width, m_height}));
    for (const PlotScale::Label& label : scale.Labels(projection, m_font)) {
        const AxisColour& c = kAxisColours[label.axis];
        const auto tint = [](float channel) { return channel + (1.0f - channel) * kLabelTint; };
        glColor3f(tint(c.r), tint(c.g), tint(c.b));
        m_font.Draw(label.text, label.box.left, label.box.top);
    }
}

void PlotViewControl::DrawPoints(const PlotProjection& projection, std::int32_t mode) {
    if (m_raster)
        m_raster->Clear();
    else
        glEnableClientState(GL_VERTEX_ARRAY);
    // A buffer of no known kind takes the colour of the one before it; black if it is first.
    std::uint32_t colour = 0;
    for (const PlotBuffer& buffer : m_plot.Records()) {
        PlotColour(buffer, colour);
        DrawRecordPoints(buffer, mode, projection, colour);
    }
    if (!m_raster) {
        glDisableClientState(GL_VERTEX_ARRAY);
        return;
    }
    // Only the rows that changed go to the texture again; one square shows all the points.
    const PixelSpace pixels(ToClientRect({m_x, m_y, m_width, m_height}));
    glColor3f(1.0f, 1.0f, 1.0f); // the texture's colours as they are
    glBindTexture(GL_TEXTURE_2D, m_pointTexture);
    if (const int rows = m_raster->ChangedRowCount(); rows > 0) {
        const int first = m_raster->ChangedFirstRow();
        glTexSubImage2D(GL_TEXTURE_2D, 0, 0, first, PointRaster::kSide, rows, GL_RGBA, GL_UNSIGNED_BYTE,
                        m_raster->Pixels() + static_cast<std::size_t>(first) * PointRaster::kSide);
    }
    const int bottom = kWindowHeight - m_y;
    DrawTexturedQuad(static_cast<float>(m_x), static_cast<float>(bottom),
                     static_cast<float>(m_x + PointRaster::kSide),
                     static_cast<float>(bottom - PointRaster::kSide), 0.0f);
    glBindTexture(GL_TEXTURE_2D, 0);
}

void PlotViewControl::DrawRecordPoints(const PlotBuffer& buffer, std::int32_t mode,
                                       const PlotProjection& projection, std::uint32_t colour) {
    if (m_raster) {
        m_raster->Plot(buffer, mode, projection, colour);
        return;
    }
    // The points of a buffer go to OpenGL in one array: a call per point costs far more, above all
    // under Wine, where every call crosses into the host's library.
    m_points.clear();
    ForEachDrawnPoint(buffer, mode, [this](float x, float y, float z) {
        m_points.push_back(x);
        m_points.push_back(y);
        m_points.push_back(z);
    });
    if (m_points.empty())
        return;
    float rgb[3];
    ToGlColour(colour, rgb);
    glColor3fv(rgb);
    glVertexPointer(3, GL_FLOAT, 0, m_points.data());
    glDrawArrays(GL_POINTS, 0, static_cast<GLsizei>(m_points.size() / 3));
}

void PlotViewControl::DrawTrace(const PlotProjection& projection, std::int32_t mode) const {
    if (!m_pointer)
        return;
    const auto traced = FindTracedSample(m_plot.Records(), mode, projection, m_pointer->x, m_pointer->y);
    if (!traced)
        return;
    const PlotBuffer& buffer = m_plot.Records()[traced->record];
    std::uint32_t colour = 0;
    PlotColour(buffer, colour);
    const std::string text = TraceReadout(buffer, traced->index);
    const ClientRect box = ReadoutBox(m_pointer->x, m_pointer->y, m_font.Width(text) + 2 * kReadoutPadding,
                                      m_font.Height() + 2 * kReadoutPadding);

    const PixelSpace pixels(ToClientRect({m_x, m_y, m_width, m_height}));
    float rgb[3];
    ToGlColour(colour, rgb);
    glColor3fv(rgb);
    const int column = traced->at.Column();
    const int row = traced->at.Row();
    const int left = column - kMarkerReach, right = column + kMarkerReach + 1;
    const int top = row - kMarkerReach, bottom = row + kMarkerReach + 1;
    FillPixels(left, top, right, top + 1);
    FillPixels(left, bottom - 1, right, bottom);
    FillPixels(left, top + 1, left + 1, bottom - 1);
    FillPixels(right - 1, top + 1, right, bottom - 1);
    // A dark box framed in the graph's colour.
    FillPixels(box.left, box.top, box.right, box.bottom);
    glColor3f(0.0f, 0.0f, 0.0f);
    FillPixels(box.left + 1, box.top + 1, box.right - 1, box.bottom - 1);
    glColor3f(1.0f, 1.0f, 1.0f);
    m_font.Draw(text, box.left + kReadoutPadding, box.top + kReadoutPadding);
}
