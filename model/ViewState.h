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

// An axis's extent when nothing else is known.
inline constexpr double kDefaultRange = 10.0;
// The fastest spin taken, in degrees a frame: with angles brought into [-180, 180) before each
// step, an angle never leaves [-540, 540).
inline constexpr double kMaxSpeed = 360.0;

// What the plot view shows: kept in the workspace file and edited by the pages in place.
struct ViewState {
    std::int32_t mode = kRightHanded;
    double angles[3] = {};                          // rotation about x, y, z in degrees
    double speeds[3] = {};                          // degrees added to the angles every frame
    double position[3] = {};                        // origin position in scene units
    double ranges[6] = {-10, 10, -10, 10, -10, 10}; // x from, x to, y from, y to, z from, z to
};

// An angle brought into [-180, 180) by whole turns, however large; not-finite angles stay so.
double WrapAngle(double degrees);

// Whether a speed may be spun at: finite and at most kMaxSpeed either way.
bool IsValidSpeed(double degreesPerFrame);

// Replaces what a hand-made or damaged file may hold and the view cannot show: an angle or a
// position that is not finite becomes 0, so does a speed that is not valid, and an axis with an
// end that is not finite takes the default range. Reversed ranges stay.
void MakeViewFinite(ViewState& view);
