#pragma once

#include "expr/CallChain.h"

#include <cstdint>
#include <vector>

// The calls an evaluation has made so far, by function, argument and the chain they were made
// from. The same call made again from the same chain is the same evaluation: while the budget
// lasts through it, it gives the same value and spends the same calls, so it need not be made
// again. Functions that each call the next many times make the same few calls over and over.
class CallMemo {
public:
    struct Call {
        int function;
        std::uint64_t argumentBits; // equal bits, the same value text
        int depth;
        int chain[CallChain::kMaxDepth];
        double value;
        bool ok;
        int spent; // the calls it took from the budget, its own included
    };

    void Clear() { m_calls.clear(); }
    const Call* Find(int function, double argument, int depth, const int* chain) const;
    void Add(const Call& call) { m_calls.push_back(call); }

private:
    std::vector<Call> m_calls;
};
