#include "glui/PlotProjection.h"

#include "model/ViewState.h"
#include "win/WindowProjection.h"

#include <cmath>
#include <numbers>

namespace {

using Matrix = double[4][4];

void Multiply(const Matrix& a, const Matrix& b, Matrix& product) {
    for (int row = 0; row < 4; ++row)
        for (int column = 0; column < 4; ++column) {
            double sum = 0.0;
            for (int k = 0; k < 4; ++k)
                sum += a[row][k] * b[k][column];
            product[row][column] = sum;
        }
}

// Appends a transform on the right, as OpenGL's matrix calls do: it acts on a point first.
void Append(Matrix& matrix, const Matrix& transform) {
    Matrix product;
    Multiply(matrix, transform, product);
    for (int row = 0; row < 4; ++row)
        for (int column = 0; column < 4; ++column)
            matrix[row][column] = product[row][column];
}

// A turn about one of the axes (0, 1, 2), as glRotated makes it.
void AppendTurn(Matrix& matrix, int axis, double degrees) {
    const double radians = degrees * std::numbers::pi / 180.0;
    const double c = std::cos(radians);
    const double s = std::sin(radians);
    const int a = (axis + 1) % 3;
    const int b = (axis + 2) % 3;
    Matrix turn = {{1, 0, 0, 0}, {0, 1, 0, 0}, {0, 0, 1, 0}, {0, 0, 0, 1}};
    turn[a][a] = c;
    turn[a][b] = -s;
    turn[b][a] = s;
    turn[b][b] = c;
    Append(matrix, turn);
}

} // namespace

namespace {

// The pixel whose square holds a window coordinate once it is snapped to the rasterizer's grid of
// 1/256 pixel, as Mesa's software rasterizer snaps it: a point within 1/512 of a pixel's far edge
// lands in the next pixel. Every point of the frame comes through here, and the Windows runtime's
// rounding functions switch the x87 unit's modes on each call: the arithmetic is done by hand.
int SnappedPixel(double coordinate) {
    const double subpixels = coordinate * 256.0 + 0.5;
    auto nearest = static_cast<long long>(subpixels);
    if (static_cast<double>(nearest) > subpixels)
        --nearest; // rounded towards zero below it
    return static_cast<int>(nearest >> 8);
}

} // namespace

int WindowPoint::Column() const {
    return SnappedPixel(x);
}

int WindowPoint::Row() const {
    return kWindowHeight - 1 - SnappedPixel(y);
}

PlotProjection::PlotProjection(const ViewState& view) : m_viewport(AreaViewport(ScreenArea::Plot)) {
    // gluPerspective over the whole window, as the window sets it.
    const double cotangent = 1.0 / std::tan(kFieldOfView / 2.0 * std::numbers::pi / 180.0);
    const double aspect = static_cast<double>(kWindowWidth) / kWindowHeight;
    const double depth = kFarPlane - kNearPlane;
    const Matrix perspective = {
        {cotangent / aspect, 0, 0, 0},
        {0, cotangent, 0, 0},
        {0, 0, -(kFarPlane + kNearPlane) / depth, -2.0 * kNearPlane * kFarPlane / depth},
        {0, 0, -1, 0}};
    for (int row = 0; row < 4; ++row)
        for (int column = 0; column < 4; ++column)
            m_matrix[row][column] = perspective[row][column];
    const Matrix translation = {{1, 0, 0, view.position[0]},
                                {0, 1, 0, view.position[1]},
                                {0, 0, 1, view.position[2] - kSceneDistance},
                                {0, 0, 0, 1}};
    Append(m_matrix, translation);
    for (int axis = 0; axis < 3; ++axis)
        AppendTurn(m_matrix, axis, view.angles[axis]);
}

std::optional<WindowPoint> PlotProjection::Project(float x, float y, float z) const {
    double clip[4];
    for (int row = 0; row < 4; ++row)
        clip[row] = m_matrix[row][0] * x + m_matrix[row][1] * y + m_matrix[row][2] * z + m_matrix[row][3];
    const double w = clip[3];
    if (!(w > 0.0) || std::fabs(clip[0]) > w || std::fabs(clip[1]) > w || std::fabs(clip[2]) > w)
        return std::nullopt;
    const Viewport& v = m_viewport;
    return WindowPoint{v.x + (clip[0] / w + 1.0) * v.width / 2.0, v.y + (clip[1] / w + 1.0) * v.height / 2.0,
                       (clip[2] / w + 1.0) / 2.0};
}
