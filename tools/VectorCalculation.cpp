#include "tools/VectorCalculation.h"

#include "tools/CalculatorText.h"

#include <algorithm>
#include <cmath>

namespace {

// The headings in GBK: 模 (length), 积 (dot product), 夹角 (angle between the vectors).
constexpr char kLengthHeading[] = "\xC4\xA3";
constexpr char kProductHeading[] = "\xBB\xFD";
constexpr char kAngleHeading[] = "\xBC\xD0\xBD\xC7";
// 没有（即平行） in GBK: none, that is parallel.
constexpr char kParallelText[] = "\xC3\xBB\xD3\xD0\xA3\xA8\xBC\xB4\xC6\xBD\xD0\xD0\xA3\xA9";

// Vectors closer to parallel than this (the sine of the angle between them) count as parallel.
constexpr double kParallelSine = 1e-12;

bool IsFinite(const Vector3& v) {
    return std::all_of(v.begin(), v.end(), [](double c) { return std::isfinite(c); });
}

double Length(const Vector3& v) {
    return std::hypot(v[0], v[1], v[2]);
}

double Dot(const Vector3& a, const Vector3& b) {
    return a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
}

// The dot product, finite whenever its value is: products of large components may overflow on the
// way ((1e200, 1e200, 0) with (1e200, -1e200, 0) gives 0), so then both vectors are scaled by
// powers of two, which is exact, and the sum scaled back.
double DotProduct(const Vector3& a, const Vector3& b) {
    const double direct = Dot(a, b);
    if (std::isfinite(direct) || !IsFinite(a) || !IsFinite(b))
        return direct;
    const auto exponent = [](const Vector3& v) {
        int e = 0;
        std::frexp(std::max({std::fabs(v[0]), std::fabs(v[1]), std::fabs(v[2])}), &e);
        return e;
    };
    const int ea = exponent(a);
    const int eb = exponent(b);
    const auto scaled = [](const Vector3& v, int e) {
        return Vector3{std::ldexp(v[0], -e), std::ldexp(v[1], -e), std::ldexp(v[2], -e)};
    };
    return std::ldexp(Dot(scaled(a, ea), scaled(b, eb)), ea + eb);
}

std::string AngleText(const Vector3& a, const Vector3& b) {
    const double lengthA = Length(a);
    const double lengthB = Length(b);
    if (!std::isfinite(lengthA) || !std::isfinite(lengthB))
        return kNoValueText;
    if (lengthA == 0 || lengthB == 0)
        return kParallelText;
    // Unit vectors: their cross product is the sine of the angle and cannot overflow.
    const Vector3 u{a[0] / lengthA, a[1] / lengthA, a[2] / lengthA};
    const Vector3 v{b[0] / lengthB, b[1] / lengthB, b[2] / lengthB};
    const double sine =
        Length({u[1] * v[2] - u[2] * v[1], u[2] * v[0] - u[0] * v[2], u[0] * v[1] - u[1] * v[0]});
    if (sine <= kParallelSine)
        return kParallelText;
    return TwoDecimalsOrNone(Degrees(std::atan2(sine, Dot(u, v))));
}

} // namespace

std::string VectorCalculationText(const Vector3& a, const Vector3& b) {
    return ResultSection(kLengthHeading, {"a:" + GeneralOrNone(Length(a)), "b:" + GeneralOrNone(Length(b))}) +
           ResultSection(kProductHeading, {GeneralOrNone(DotProduct(a, b))}) +
           ResultSection(kAngleHeading, {AngleText(a, b)});
}
