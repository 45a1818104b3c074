#pragma once

#include "glui/ItemHover.h"

// Where a corner button is drawn, in eye coordinates: its centre's x and depth, and its turn
// about its vertical axis in degrees.
struct CornerButtonPose {
    float x;
    float z;
    float angle;
};

// Hover and animation of the guide button (0) and the exit button (1): the hovered button comes
// closer and spins 5 degrees a frame; a button the mouse has left faces the viewer again.
class GuideExitButtonsState {
public:
    static constexpr int kButtonCount = 2;
    static constexpr int kFramesPerTurn = 72;
    static constexpr float kDegreesPerFrame = 5.0f;

    // Takes a mouse move in client coordinates; true when the hover sound is due.
    bool MouseMove(int x, int y);
    // 0 guide, 1 exit, -1 neither.
    int HoverIndex() const { return m_hover.Index(); }
    // The pose of button 0 or 1 for this frame; moves its spin on to the next frame.
    CornerButtonPose NextPose(int index);

private:
    ItemHover m_hover;
    int m_spin[kButtonCount] = {};
};
