#include "glui/PlotViewControl.h"

#include "model/PageRequest.h"
#include "model/PlotView.h"

#include <GL/gl.h>

#include <cstdint>
#include <vector>

namespace {

// How far in front of the eye the origin sits before the user moves it, well inside the
// projection's depth range of 0.1 to 100.
constexpr double kSceneDistance = 25.0;
constexpr float kAxisFaded = 0.25f;

struct AxisColour {
    float r;
    float g;
    float b;
};

constexpr AxisColour kXAxisColour{1.0f, 0.0f, 0.0f};
constexpr AxisColour kYAxisColour{0.0f, 1.0f, 0.0f};
constexpr AxisColour kZAxisColour{0.0f, 0.0f, 1.0f};

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

// The points of one buffer as the coordinate system shows them, appended to `points` as x, y, z
// floats: a group's region, then the valid samples: all of them in the right-handed space, only
// those lying exactly in the z = 0 plane in the plane system, and mirrored in z in the
// left-handed space. Up to 52 x 2000 points
// go through here every frame, so the mode is decided once per buffer, not per point.
void AppendPoints(const PlotBuffer& buffer, std::int32_t mode, std::vector<float>& points) {
    // A group's region lies in the z = 0 plane, which every system shows.
    const InequalityRegion& region = buffer.region;
    for (int j = 0; j < region.size; ++j)
        for (int i = 0; i < region.size; ++i)
            if (region.inside[static_cast<std::size_t>(j) * region.size + i] != 0) {
                points.push_back(static_cast<float>(region.X(i)));
                points.push_back(static_cast<float>(region.Y(j)));
                points.push_back(0.0f);
            }
    const double* x = buffer.x;
    const double* y = buffer.y;
    const double* z = buffer.z;
    const std::uint8_t* valid = buffer.valid;
    const auto append = [&points](double px, double py, double pz) {
        points.push_back(static_cast<float>(px));
        points.push_back(static_cast<float>(py));
        points.push_back(static_cast<float>(pz));
    };
    switch (mode) {
    case kRightHanded:
        for (int k = 0; k < PlotBuffer::kSampleCount; ++k)
            if (valid[k] != 0)
                append(x[k], y[k], z[k]);
        break;
    case kPlane:
        for (int k = 0; k < PlotBuffer::kSampleCount; ++k)
            if (valid[k] != 0 && z[k] == 0.0)
                append(x[k], y[k], z[k]);
        break;
    case kLeftHanded:
        for (int k = 0; k < PlotBuffer::kSampleCount; ++k)
            if (valid[k] != 0)
                append(x[k], y[k], -z[k]);
        break;
    }
}

// A colour 0x00BBGGRR as OpenGL takes it.
void ToGlColour(std::uint32_t colour, float rgb[3]) {
    for (int channel = 0; channel < 3; ++channel)
        rgb[channel] = static_cast<float>((colour >> (8 * channel)) & 0xFFu) / 255.0f;
}

} // namespace

void PlotViewControl::Draw(int x, int y, int width, int height) {
    const ViewState& view = m_plot.view;
    const std::int32_t mode = view.mode;
    Begin(x, y, width, height);
    glTranslated(view.position[0], view.position[1], view.position[2] - kSceneDistance);
    glRotated(view.angles[0], 1.0, 0.0, 0.0);
    glRotated(view.angles[1], 0.0, 1.0, 0.0);
    glRotated(view.angles[2], 0.0, 0.0, 1.0);

    DrawAxis(kXAxisColour, 0, view.ranges[0], view.ranges[1]);
    DrawAxis(kYAxisColour, 1, view.ranges[2], view.ranges[3]);
    // The plane system has no z axis; the left-handed space draws it mirrored.
    if (mode == kRightHanded || mode == kLeftHanded) {
        const double sign = mode == kLeftHanded ? -1.0 : 1.0;
        DrawAxis(kZAxisColour, 2, sign * view.ranges[4], sign * view.ranges[5]);
    }
    glColor3f(1.0f, 1.0f, 1.0f);

    // The matrix already holds this frame's rotation, so the points turn with the axes.
    m_plot.FrameStep();
    if (m_owner != nullptr)
        m_owner->ReportView(m_plot.view);

    // A buffer of no known kind takes the colour of the one before it; black if it is first.
    // The points of a buffer go to OpenGL in one array: a call per point costs far more, above
    // all under Wine, where every call crosses into the host's library.
    float colour[3] = {0.0f, 0.0f, 0.0f};
    glEnableClientState(GL_VERTEX_ARRAY);
    for (const PlotBuffer& buffer : m_plot.Records()) {
        std::uint32_t graphColour = 0;
        if (PlotColour(buffer, graphColour))
            ToGlColour(graphColour, colour);
        glColor3fv(colour);
        m_points.clear();
        AppendPoints(buffer, mode, m_points);
        if (m_points.empty())
            continue;
        glVertexPointer(3, GL_FLOAT, 0, m_points.data());
        glDrawArrays(GL_POINTS, 0, static_cast<GLsizei>(m_points.size() / 3));
    }
    glDisableClientState(GL_VERTEX_ARRAY);
    End();
    glColor3f(1.0f, 1.0f, 1.0f);
}
