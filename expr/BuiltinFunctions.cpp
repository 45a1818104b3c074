#include "expr/BuiltinFunctions.h"

#include "expr/Trigonometry.h"

#include <cmath>
#include <string_view>

namespace {

constexpr std::string_view kNames[kBuiltinCount] = {
    "sin",   "cos",    "TG",     "CTG",    "sec", "csc", "arcsin", "arccos",
    "ARCTG", "ARCCTG", "arcsec", "arccsc", "lg",  "ln",  "EXP",    "abs",
};

// The value of a built-in, or NaN outside its domain.
double Value(int index, double v) {
    constexpr double kNaN = NAN;
    switch (index) {
    case 0:
        return Sine(v);
    case 1:
        return Cosine(v);
    case 2:
        return Tangent(v);
    case 3:
        return Cotangent(v);
    case 4:
        return 1.0 / Cosine(v);
    case 5:
        return 1.0 / Sine(v);
    case 6:
        return std::fabs(v) > 1.0 ? kNaN : std::asin(v);
    case 7:
        return std::fabs(v) > 1.0 ? kNaN : std::acos(v);
    case 8:
        return std::atan(v);
    case 9:
        return v == 0.0 ? kNaN : std::atan(1.0 / v);
    case 10:
        return std::fabs(v) < 1.0 ? kNaN : std::acos(1.0 / v);
    case 11:
        return std::fabs(v) < 1.0 ? kNaN : std::asin(1.0 / v);
    case 12:
        return v <= 0.0 ? kNaN : std::log10(v);
    case 13:
        return v <= 0.0 ? kNaN : std::log(v);
    case 14:
        return std::exp(v);
    case 15:
        return std::fabs(v);
    }
    return kNaN;
}

} // namespace

int FindBuiltin(const char* name, std::size_t length) {
    // Every name an evaluation meets is looked up here first; most differ at the first letter.
    for (int i = 0; i < kBuiltinCount; ++i)
        if (length > 0 && kNames[i][0] == name[0] && kNames[i] == std::string_view(name, length))
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
