#include "mainwin/ViewDrag.h"

#include "model/ViewState.h"

#include <cmath>

namespace {

// The factors are single-precision and apply to the whole-pixel difference, as on every build.
double Scaled(int pixels, float factor) {
    return static_cast<double>(static_cast<float>(pixels) * factor);
}

} // namespace

void DragView(ViewState& view, int buttons, int dx, int dy) {
    switch (buttons & (kLeftButton | kRightButton)) {
    case kLeftButton:
        view.position[0] += Scaled(dx, kPanPerPixel);
        view.position[1] -= Scaled(dy, kPanPerPixel);
        break;
    case kLeftButton | kRightButton:
        view.position[2] -= Scaled(dy, kPanPerPixel);
        break;
    case kRightButton:
        view.speeds[0] = view.speeds[1] = view.speeds[2] = 0.0;
        view.angles[1] = WrapAngle(view.angles[1] + Scaled(dx, kTurnPerPixel));
        view.angles[0] = WrapAngle(view.angles[0] + Scaled(dy, kTurnPerPixel));
        break;
    }
}
