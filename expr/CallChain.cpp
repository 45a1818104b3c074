#include "expr/CallChain.h"

#include "expr/CallMemo.h"

#include <cstring>

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

bool CallChain::Recall(int function, double argument, double& value, bool& ok) const {
    // Every call spends at least its own.
    if (m_memo == nullptr || m_callsLeft == nullptr || *m_callsLeft <= 0)
        return false;
    const CallMemo::Call* call = m_memo->Find(function, argument, m_depth, m_function);
    if (call == nullptr || call->spent > *m_callsLeft)
        return false;
    *m_callsLeft -= call->spent;
    value = call->value;
    ok = call->ok;
    return true;
}

void CallChain::Remember(int function, double argument, int callsBefore, double value, bool ok) const {
    // With calls left at its end, no call within it found the budget spent.
    if (m_memo == nullptr || m_callsLeft == nullptr || *m_callsLeft <= 0)
        return;
    CallMemo::Call call{function, 0, m_depth, {}, value, ok, callsBefore - *m_callsLeft};
    std::memcpy(&call.argumentBits, &argument, sizeof argument);
    for (int i = 0; i < m_depth; ++i)
        call.chain[i] = m_function[i];
    m_memo->Add(call);
}
