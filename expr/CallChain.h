#pragma once

class CallMemo;

// The user functions being evaluated above a call, innermost last, and the calls left to the
// whole evaluation. A function already on the chain, a chain deeper than kMaxDepth and a call
// past the budget fail at once: recursion, and functions that each call the next many times
// (ten calls per level make 10^16 calls), end quickly instead of freezing the program.
class CallChain {
public:
    static constexpr int kMaxDepth = 16;
    // User-function calls per evaluation, those of called functions included.
    static constexpr int kCallBudget = 256;

    // `callsLeft` is the count shared by every call of one evaluation; null for no budget.
    explicit CallChain(int* callsLeft = nullptr) : m_callsLeft(callsLeft) {}

    // Starts an evaluation's chain afresh, drawing on `callsLeft` and keeping the calls made in
    // `memo` (null for none). The function slots past the depth are never read, so they are not
    // cleared.
    void Restart(int* callsLeft, CallMemo* memo) {
        m_depth = 0;
        m_callsLeft = callsLeft;
        m_memo = memo;
    }

    // Adds a function (by its index in its scope); false if it is on the chain, the chain is
    // full or the evaluation has no call left.
    bool Enter(int index);

    // A call of the function at the argument made before from this very chain, during which the
    // budget never ran out: its value and success, the calls it spent taken from the budget
    // again. False when there is none, or too few calls are left for it.
    bool Recall(int function, double argument, double& value, bool& ok) const;
    // Keeps a call just made from this chain, begun with `callsBefore` calls left.
    void Remember(int function, double argument, int callsBefore, double value, bool ok) const;
    int CallsLeft() const { return m_callsLeft != nullptr ? *m_callsLeft : 0; }

private:
    int m_depth = 0;
    int m_function[kMaxDepth] = {};
    int* m_callsLeft;
    CallMemo* m_memo = nullptr;
};
