#include "glui/IconHover.h"

bool IconHover::MouseMove(int x, int y) {
    const bool inside = Contains(m_rect, x, y);
    const bool entered = inside && !m_set;
    m_set = inside;
    return entered;
}
