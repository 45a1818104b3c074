#include "win/FramePacer.h"

#include <cmath>

namespace {

constexpr double kFrameTime = 1.0 / FramePacer::kFramesPerSecond;

} // namespace

int FramePacer::MillisecondsToWait(double now) const {
    if (!m_started || now >= m_due)
        return 0;
    return static_cast<int>(std::ceil((m_due - now) * 1000.0));
}

void FramePacer::FrameStarted(double now) {
    m_due = m_started && now - m_due < kFrameTime ? m_due + kFrameTime : now + kFrameTime;
    m_started = true;
}
