#include "model/ViewState.h"

#include <cmath>

double WrapAngle(double degrees) {
    if (!std::isfinite(degrees))
        return degrees;
    // fmod is exact, so whole turns of any size go at once and the rest keeps every digit.
    degrees = std::fmod(degrees, 360.0);
    if (degrees >= 180.0)
        degrees -= 360.0;
    else if (degrees < -180.0)
        degrees += 360.0;
    return degrees;
}

bool IsValidSpeed(double degreesPerFrame) {
    return std::isfinite(degreesPerFrame) && std::fabs(degreesPerFrame) <= kMaxSpeed;
}

void MakeViewFinite(ViewState& view) {
    for (int axis = 0; axis < 3; ++axis) {
        if (!std::isfinite(view.angles[axis]))
            view.angles[axis] = 0.0;
        if (!IsValidSpeed(view.speeds[axis]))
            view.speeds[axis] = 0.0;
        if (!std::isfinite(view.position[axis]))
            view.position[axis] = 0.0;
        double* range = view.ranges + 2 * axis;
        if (!std::isfinite(range[0]) || !std::isfinite(range[1])) {
            range[0] = -kDefaultRange;
            range[1] = kDefaultRange;
        }
    }
}
