#pragma once

#include "model/PlotBuffer.h"
#include "model/ViewState.h"

#include <cstdint>

// Calls visit(k, x, y, z) for every sample k of a buffer that the coordinate system shows, with
// the point as OpenGL receives it (single precision): every valid sample in the right-handed
// space, only those lying exactly in the z = 0 plane in the plane system, and mirrored in z in
// the left-handed space. Up to 52 x 2000 samples go through here every frame, so the system is
// looked at once per buffer, not once per sample.
template <typename Visit>
void ForEachShownSample(const PlotBuffer& buffer, std::int32_t mode, Visit&& visit) {
    const auto at = [&buffer, &visit](int k, double z) {
        visit(k, static_cast<float>(buffer.x[k]), static_cast<float>(buffer.y[k]), static_cast<float>(z));
    };
    switch (mode) {
    case kRightHanded:
        for (int k = 0; k < PlotBuffer::kSampleCount; ++k)
            if (buffer.valid[k] != 0)
                at(k, buffer.z[k]);
        break;
    case kPlane:
        for (int k = 0; k < PlotBuffer::kSampleCount; ++k)
            if (buffer.valid[k] != 0 && buffer.z[k] == 0.0)
                at(k, buffer.z[k]);
        break;
    case kLeftHanded:
        for (int k = 0; k < PlotBuffer::kSampleCount; ++k)
            if (buffer.valid[k] != 0)
                at(k, -buffer.z[k]);
        break;
    }
}

// Calls visit(x, y, z) for every point of a buffer the plot draws: an inequality group's region
// first, its inside grid points in the z = 0 plane that every system shows, then the shown
// samples. Only the samples are traced.
template <typename Visit>
void ForEachDrawnPoint(const PlotBuffer& buffer, std::int32_t mode, Visit&& visit) {
    const InequalityRegion& region = buffer.region;
    for (int j = 0; j < region.size; ++j) {
        const auto y = static_cast<float>(region.Y(j));
        for (int i = 0; i < region.size; ++i)
            if (region.inside[static_cast<std::size_t>(j) * region.size + i] != 0)
                visit(static_cast<float>(region.X(i)), y, 0.0f);
    }
    ForEachShownSample(buffer, mode, [&visit](int, float x, float y, float z) { visit(x, y, z); });
}
