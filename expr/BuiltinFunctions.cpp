#include "expr/BuiltinFunctions.h"

#include "expr/AngleReduction.h"

#include <cmath>
#include <cstring>

namespace {

const char* const kNames[kBuiltinCount] = {
    "sin",    "cos",    "TG",     "CTG",    "sec", "csc", "arcsin", "arccos",
    "ARCTG",  "ARCCTG", "arcsec", "arccsc", "lg",  "ln",  "EXP",    "abs",
};

double Sine(const ReducedAngle& a) {
    switch (a.quadrant) {
    case 0:
        return std::sin(a.r);
    case 1:
        return std::cos(a.r);
    case 2:
        return -std::sin(a.r);
    default:
        return -std::cos(a.r);
    }
}

double Cosine(const ReducedAngle& a) {
    switch (a.quadrant) {
    case 0:
        return std::cos(a.r);
    case 1:
        return -std::sin(a.r);
    case 2:
        return -std::cos(a.r);
    default:
        return std::sin(a.r);
    }
}

// tan has the period pi: an odd quadrant is -1/tan r.
double Tangent(const ReducedAngle& a) {
    return a.quadrant % 2 == 0 ? std::tan(a.r) : -1.0 / std::tan(a.r);
}

// The value of a built-in, or NaN outside its domain.
double Value(int index, double v) {
    constexpr double kNaN = NAN;
    switch (index) {
    case 0:
        return Sine(ReduceAngle(v));
    case 1:
        return Cosine(ReduceAngle(v));
    case 2:
        return Tangent(ReduceAngle(v));
    case 3:
        return 1.0 / Tangent(ReduceAngle(v));
    case 4:
        return 1.0 / Cosine(ReduceAngle(v));
    case 5:
        return 1.0 / Sine(ReduceAngle(v));
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
