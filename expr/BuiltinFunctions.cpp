#include "expr/BuiltinFunctions.h"

#include <cmath>
#include <cstring>

namespace {

const char* const kNames[kBuiltinCount] = {
    "sin",    "cos",    "TG",     "CTG",    "sec", "csc", "arcsin", "arccos",
    "ARCTG",  "ARCCTG", "arcsec", "arccsc", "lg",  "ln",  "EXP",    "abs",
};

// Huge angles are reduced here, exactly, by 2 pi in extended precision: the C runtimes reduce
// them differently (Windows' from 1e10 on gives other digits than glibc), and the same
// expression must give the same picture on every build. Below 1e8 they agree.
double ReduceAngle(double v) {
    constexpr double kReduceFrom = 1e8;
    constexpr long double kTwoPi = 6.283185307179586476925286766559L;
    return std::fabs(v) < kReduceFrom ? v : static_cast<double>(std::fmod(static_cast<long double>(v), kTwoPi));
}

// The value of a built-in, or NaN outside its domain.
double Value(int index, double v) {
    constexpr double kNaN = NAN;
    switch (index) {
    case 0: return std::sin(ReduceAngle(v));
    case 1: return std::cos(ReduceAngle(v));
    case 2: return std::tan(ReduceAngle(v));
    case 3: return 1.0 / std::tan(ReduceAngle(v));
    case 4: return 1.0 / std::cos(ReduceAngle(v));
    case 5: return 1.0 / std::sin(ReduceAngle(v));
    case 6: return std::fabs(v) > 1.0 ? kNaN : std::asin(v);
    case 7: return std::fabs(v) > 1.0 ? kNaN : std::acos(v);
    case 8: return std::atan(v);
    case 9: return v == 0.0 ? kNaN : std::atan(1.0 / v);
    case 10: return std::fabs(v) < 1.0 ? kNaN : std::acos(1.0 / v);
    case 11: return std::fabs(v) < 1.0 ? kNaN : std::asin(1.0 / v);
    case 12: return v <= 0.0 ? kNaN : std::log10(v);
    case 13: return v <= 0.0 ? kNaN : std::log(v);
    case 14: return std::exp(v);
    case 15: return std::fabs(v);
    }
    return kNaN;
}

} // namespace

int FindBuiltin(const char* name, std::size_t length) {
    for (int i = 0; i < kBuiltinCount; ++i)
        if (std::strlen(kNames[i]) == length && std::memcmp(kNames[i], name, length) == 0)
            return i;
    return -1;
}

double ApplyBuiltin(int index, double v, bool& ok) {
    const double value = Value(index, v);
    if (!std::isfinite(value)) {
        ok = false;
        return 0.0;
    }
    return value;
}
