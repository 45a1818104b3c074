#include "glui/AxisTicks.h"

#include "expr/NumberText.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int kMostSteps = 10;
// A length that is a whole number of steps may come out of the division a rounding step above it.
constexpr double kRoundingAllowance = 1e-9;

// 10 to the power n by exact multiplications, so that every build gets the same bits (up to 10^22
// the powers are exact doubles).
double PowerOfTen(int n) {
    double power = 1.0;
    for (int i = 0; i < n; ++i)
        power *= 10.0;
    return power;
}

// m times 10^exponent times k, rounded once where the powers are exact: below 1 the step is
// divided by a power of ten rather than multiplied by an inexact 0.1.
struct Step {
    int mantissa;
    int exponent;

    double Times(long long k) const {
        const double whole = static_cast<double>(k) * mantissa;
        return exponent >= 0 ? whole * PowerOfTen(exponent) : whole / PowerOfTen(-exponent);
    }
};

Step StepFor(double length) {
    // log10 only gives the place to start; the loop finds the smallest step that fits.
    Step step{1, static_cast<int>(std::floor(std::log10(length))) - 2};
    for (;;) {
        for (const int mantissa : {1, 2, 5}) {
            step.mantissa = mantissa;
            if (length / step.Times(1) <= kMostSteps * (1.0 + kRoundingAllowance))
                return step;
        }
        ++step.exponent;
    }
}

} // namespace

AxisTicks::AxisTicks(double from, double to) {
    const double low = std::min(from, to);
    const double high = std::max(from, to);
    const double length = high - low;
    if (!(length > 0.0) || !std::isfinite(length))
        return;
    const Step step = StepFor(length);
    const double size = step.Times(1);
    const auto first = static_cast<long long>(std::ceil(low / size - kRoundingAllowance));
    const auto last = static_cast<long long>(std::floor(high / size + kRoundingAllowance));
    for (long long k = first; k <= last; ++k) {
        if (k == 0)
            continue;
        const double value = step.Times(k);
        (k > 0 ? m_positive : m_negative).push_back({value, GeneralNumberText(value)});
    }
    std::reverse(m_negative.begin(), m_negative.end());
}
