#include "expr/CallChain.h"

bool CallChain::Enter(int index) {
    if (m_callsLeft != nullptr) {
        if (*m_callsLeft <= 0)
            return false;
        --*m_callsLeft;
    }
    if (m_depth >= kMaxDepth)
        return false;
    for (int i = 0; i < m_depth; ++i)
        if (m_function[i] == index)
            return false;
    m_function[m_depth++] = index;
    return true;
}
