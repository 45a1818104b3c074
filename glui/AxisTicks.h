#pragma once

#include <string>
#include <vector>

// The tick marks of one axis: the multiples of a step between the axis's two ends, but the
// origin. The step is the smallest 1, 2 or 5 times a power of ten that divides the axis into at
// most 10 steps (-10 to 10 takes 2: ticks at -10, -8, ..., 10).
class AxisTicks {
public:
    struct Tick {
        double value;      // the step times a whole number, rounded once
        std::string label; // "%g" of the value: 0.1 times 3 reads 0.3
    };

    // An axis of no length, or of a length that is not finite, has no ticks.
    AxisTicks(double from, double to);

    // Outwards from the origin: the ticks above it, growing, and those below it, shrinking.
    const std::vector<Tick>& Positive() const { return m_positive; }
    const std::vector<Tick>& Negative() const { return m_negative; }

private:
    std::vector<Tick> m_positive;
    std::vector<Tick> m_negative;
};
