#include "glui/ProgressBarState.h"

namespace {
constexpr int kFull = 100;
constexpr float kBarLengthPerPercent = 0.0136f;
} // namespace

float ProgressBarState::BarRight() {
    if (m_value > kFull)
        m_value = kFull;
    return static_cast<float>(m_value) * kBarLengthPerPercent + kBarLeft;
}
