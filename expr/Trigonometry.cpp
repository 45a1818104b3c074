#include "expr/Trigonometry.h"

#include "expr/AngleReduction.h"

#include <cmath>

namespace {

// Below this, sin x rounds to x and cos x to 1.
constexpr double kTiny = 0x1p-27;

// (sin x - x) / x^3 and (cos x - 1 + x^2/2) / x^4 as series in z = x^2, from the Taylor series
// to the 17th and 16th power: on |x| <= pi/4 the first term left out is below 2^-58 of
// the value. Each coefficient is 1/n! rounded once, at compile time, the same on every build.
// The terms are grouped by powers of z^2 and z^4 rather than nested one in the next, so the
// processor can take them side by side: the evaluator waits for every value it computes.
double SineSeries(double z) {
    constexpr double k3 = -1.0 / 6, k5 = 1.0 / 120, k7 = -1.0 / 5040, k9 = 1.0 / 362880,
                     k11 = -1.0 / 39916800, k13 = 1.0 / 6227020800.0, k15 = -1.0 / 1307674368000.0,
                     k17 = 1.0 / 355687428096000.0;
    const double z2 = z * z;
    const double z4 = z2 * z2;
    return (k3 + z * k5) + z2 * (k7 + z * k9) + z4 * ((k11 + z * k13) + z2 * (k15 + z * k17));
}

double CosineSeries(double z) {
    constexpr double k4 = 1.0 / 24, k6 = -1.0 / 720, k8 = 1.0 / 40320, k10 = -1.0 / 3628800,
                     k12 = 1.0 / 479001600, k14 = -1.0 / 87178291200.0, k16 = 1.0 / 20922789888000.0;
    const double z2 = z * z;
    const double z4 = z2 * z2;
    return (k4 + z * k6) + z2 * (k8 + z * k10) + z4 * ((k12 + z * k14) + z2 * k16);
}

// sin(x + tail) for |x| <= pi/4 and a tail within half an ulp of x: sin x + tail cos x.
double SineOfRemainder(double x, double tail) {
    if (std::fabs(x) < kTiny)
        return x; // x + tail rounds to x, and -0 stays -0
    const double z = x * x;
    return x + (z * x * SineSeries(z) + tail * (1.0 - 0.5 * z));
}

// cos(x + tail): cos x - tail sin x. 1 - z/2 loses up to two bits to the subtraction; its
// rounding error, found exactly, is added back with the small terms.
double CosineOfRemainder(double x, double tail) {
    if (std::fabs(x) < kTiny)
        return 1.0;
    const double z = x * x;
    const double half = 0.5 * z;
    const double lead = 1.0 - half;
    return lead + (((1.0 - lead) - half) + (z * z * CosineSeries(z) - x * tail));
}

// The sine of quarterTurns * pi/2 + a.r + a.tail; a cosine is the sine a quarter turn further.
double SineAfterQuarterTurns(int quarterTurns, const ReducedAngle& a) {
    switch (quarterTurns & 3) {
    case 0:
        return SineOfRemainder(a.r, a.tail);
    case 1:
        return CosineOfRemainder(a.r, a.tail);
    case 2:
        return -SineOfRemainder(a.r, a.tail);
    default:
        return -CosineOfRemainder(a.r, a.tail);
    }
}

// The tangent's sine over cosine and the cotangent's cosine over sine, each divided once.
double Quotient(double v, int numeratorTurn, int denominatorTurn) {
    const ReducedAngle a = ReduceAngle(v);
    return SineAfterQuarterTurns(a.quadrant + numeratorTurn, a) /
           SineAfterQuarterTurns(a.quadrant + denominatorTurn, a);
}

} // namespace

double Sine(double v) {
    const ReducedAngle a = ReduceAngle(v);
    return SineAfterQuarterTurns(a.quadrant, a);
}

double Cosine(double v) {
    const ReducedAngle a = ReduceAngle(v);
    return SineAfterQuarterTurns(a.quadrant + 1, a);
}

double Tangent(double v) {
    return Quotient(v, 0, 1);
}

double Cotangent(double v) {
    return Quotient(v, 1, 0);
}
