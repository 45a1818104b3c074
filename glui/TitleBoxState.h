#pragma once

// The turn of the title box about the x axis: 2.4 degrees a frame, so that one full turn takes
// 150 frames and the box then faces the viewer with its first picture again.
class TitleBoxState {
public:
    static constexpr int kFramesPerTurn = 150;
    static constexpr float kDegreesPerFrame = 2.4f;

    // The angle to draw this frame, in degrees; moves on to the next frame.
    float NextAngle();
    int Counter() const { return m_counter; }

private:
    int m_counter = 0;
};
