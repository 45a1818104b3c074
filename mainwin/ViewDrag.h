#pragma once

struct ViewState;

// Mouse buttons as a mouse-move message reports them.
enum DragButtons : int {
    kLeftButton = 1,
    kRightButton = 2,
};

// How far one pixel of mouse movement moves and turns the view.
inline constexpr float kPanPerPixel = 0.025f;
inline constexpr float kTurnPerPixel = 0.1f;

// Moves the view for a mouse move of (dx, dy) pixels over the plot with the given buttons held:
// the left button pans (the picture follows the mouse), both buttons move the scene nearer or
// farther (down is farther), the right button stops any spin and turns the view about y (dx)
// and x (dy), keeping both angles in [-180, 180).
void DragView(ViewState& view, int buttons, int dx, int dy);
