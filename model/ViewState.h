#pragma once

#include <cstdint>

enum CoordinateMode : std::int32_t {
    kRightHanded = 0, // spatial, right-handed
    kPlane = 1,       // plane, rectangular: only points with z = 0 are drawn
    kLeftHanded = 2,  // spatial, left-handed: z is drawn mirrored
};

// Whether a value is one of the modes above: only such a value may become the view's mode.
constexpr bool IsCoordinateMode(std::int32_t mode) {
    return mode >= kRightHanded && mode <= kLeftHanded;
}

// What the plot view shows: kept in the workspace file and edited by the pages in place.
struct ViewState {
    std::int32_t mode = kRightHanded;
    double angles[3] = {};                          // rotation about x, y, z in degrees
    double speeds[3] = {};                          // degrees added to the angles every frame
    double position[3] = {};                        // origin position in scene units
    double ranges[6] = {-10, 10, -10, 10, -10, 10}; // x from, x to, y from, y to, z from, z to
};
