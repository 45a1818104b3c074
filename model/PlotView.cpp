#include "model/PlotView.h"

#include <bit>
#include <cstring>

static_assert(std::endian::native == std::endian::little, "the workspace file is little-endian");

namespace {
constexpr double kPresetOffset = -2.5;
constexpr double kPresetSpeed = 5.0;
} // namespace

PlotView::PlotView() {
    // The mode starts one before right-handed so that the first step leaves it right-handed.
    view.mode = kLeftHanded;
    NextPositionPreset();
    NextRotationPreset();
    NextCoordinateMode();
}

void PlotView::NextCoordinateMode() {
    // A mode read from a hand-edited file may be anything; the cycle always lands in 0..2.
    view.mode = static_cast<std::int32_t>(((static_cast<long long>(view.mode) + 1) % 3 + 3) % 3);
}

void PlotView::NextPositionPreset() {
    double* position = view.position;
    position[0] = position[1] = position[2] = 0.0;
    switch (m_positionPreset % 3) {
    case 0:
        position[1] = kPresetOffset;
        break;
    case 1:
        break;
    case 2:
        position[0] = position[1] = kPresetOffset;
        break;
    }
    ++m_positionPreset;
}

void PlotView::NextRotationPreset() {
    for (int axis = 0; axis < 3; ++axis)
        view.angles[axis] = view.speeds[axis] = 0.0;
    switch (m_rotationPreset % 4) {
    case 0:
        view.speeds[1] = kPresetSpeed;
        break;
    case 1:
        view.speeds[0] = kPresetSpeed;
        break;
    case 2:
        view.speeds[2] = kPresetSpeed;
        break;
    case 3:
        break;
    }
    ++m_rotationPreset;
}

void PlotView::FrameStep() {
    for (int axis = 0; axis < 3; ++axis)
        view.angles[axis] = WrapAngle(view.angles[axis]) + view.speeds[axis];
}

void PlotView::WriteState(std::uint8_t* out) const {
    std::memcpy(out, view.position, 24);
    std::memcpy(out + 24, view.angles, 24);
    std::memcpy(out + 48, view.speeds, 24);
    std::memcpy(out + 72, view.ranges, 48);
    std::memcpy(out + 120, &view.mode, 4);
}

void PlotView::ReadState(const std::uint8_t* in) {
    std::memcpy(view.position, in, 24);
    std::memcpy(view.angles, in + 24, 24);
    std::memcpy(view.speeds, in + 48, 24);
    std::memcpy(view.ranges, in + 72, 48);
    std::memcpy(&view.mode, in + 120, 4);
    MakeViewFinite(view);
}

void PlotView::ClearRecords() {
    m_records.clear();
    m_records.shrink_to_fit();
}
