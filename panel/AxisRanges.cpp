#include "panel/AxisRanges.h"

#include <cmath>

bool IsValidAxisRange(double start, double end) {
    return std::isfinite(start) && std::isfinite(end) && start < end;
}

int StoreAxisRanges(const double (&typed)[6], double (&ranges)[6]) {
    int refused = 0;
    for (int start = 0; start < 6; start += 2) {
        if (IsValidAxisRange(typed[start], typed[start + 1])) {
            ranges[start] = typed[start];
            ranges[start + 1] = typed[start + 1];
        } else {
            ++refused;
        }
    }
    return refused;
}
