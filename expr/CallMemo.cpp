#include "expr/CallMemo.h"

#include <cstring>

const CallMemo::Call* CallMemo::Find(int function, double argument, int depth, const int* chain) const {
    std::uint64_t bits;
    std::memcpy(&bits, &argument, sizeof bits);
    for (const Call& call : m_calls) {
        if (call.function != function || call.argumentBits != bits || call.depth != depth)
            continue;
        int same = 0;
        while (same < depth && call.chain[same] == chain[same])
            ++same;
        if (same == depth)
            return &call;
    }
    return nullptr;
}
