#include "glui/TitleBoxState.h"

float TitleBoxState::NextAngle() {
    const float angle = static_cast<float>(m_counter) * kDegreesPerFrame;
    if (++m_counter == kFramesPerTurn)
        m_counter = 0;
    return angle;
}
