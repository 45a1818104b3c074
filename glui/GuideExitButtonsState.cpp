#include "glui/GuideExitButtonsState.h"

namespace {
constexpr float kButtonSpacing = 0.93f;
constexpr float kGuideButtonX = -0.46f;
constexpr float kRestingDepth = -1.0f;
constexpr float kHoveredDepth = -0.95f;
} // namespace

bool GuideExitButtonsState::MouseMove(int x, int y) {
    return m_hover.MouseMove(kCornerButtonRects, x, y);
}

CornerButtonPose GuideExitButtonsState::NextPose(int index) {
    const bool hovered = index == m_hover.Index();
    int& spin = m_spin[index];
    if (!hovered)
        spin = 0;
    const CornerButtonPose pose{kButtonSpacing * static_cast<float>(index) + kGuideButtonX,
                                hovered ? kHoveredDepth : kRestingDepth,
                                static_cast<float>(spin) * kDegreesPerFrame};
    spin = (spin + 1) % kFramesPerTurn;
    return pose;
}
