#pragma once

#include "model/PlotBuffer.h"
#include "model/ViewState.h"

#include <cstddef>
#include <cstdint>
#include <vector>

// The plot area's state: the view (coordinate system, rotation, origin, axis ranges), the preset
// cycles behind F6, F7 and F8, and the plotted buffers. The window draws it every frame.
class PlotView {
public:
    // The view state's block in the workspace file: position, angles and speeds, ranges, mode.
    static constexpr std::size_t kStateSize = 124;

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

    // Once per frame, after the axes are drawn: brings every angle into [-180, 180) and then
    // advances it by its speed, so 179 at 5 a frame becomes 184, then -171.
    void FrameStep();

    // Writes or reads the kStateSize bytes of the view's block, little-endian. What is read is
    // made finite: a file cannot make the view infinite.
    void WriteState(std::uint8_t* out) const;
    void ReadState(const std::uint8_t* in);

    const std::vector<PlotBuffer>& Records() const { return m_records; }
    // Makes room for this many buffers, so that appending them allocates once.
    void ReserveRecords(std::size_t count) { m_records.reserve(count); }
    // Appends an all-zero buffer and returns it.
    PlotBuffer& AppendRecord() { return m_records.emplace_back(); }
    // Empties the list and gives its memory back.
    void ClearRecords();

private:
    int m_positionPreset = 0;
    int m_rotationPreset = 0;
    std::vector<PlotBuffer> m_records;
};
