#include "tools/LineCalculation.h"

#include "tools/CalculatorText.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <optional>

namespace {

// The headings in GBK: 斜率 (slope), 倾角 (inclination), Y轴截距 and X轴截距 (intercepts),
// 夹角 (angle between the lines).
constexpr char kSlopeHeading[] = "\xD0\xB1\xC2\xCA";
constexpr char kInclinationHeading[] = "\xC7\xE3\xBD\xC7";
constexpr char kYInterceptHeading[] = "Y\xD6\xE1\xBD\xD8\xBE\xE0";
constexpr char kXInterceptHeading[] = "X\xD6\xE1\xBD\xD8\xBE\xE0";
constexpr char kAngleHeading[] = "\xBC\xD0\xBD\xC7";

constexpr double kNoValue = std::numeric_limits<double>::quiet_NaN();

bool IsFinite(const LineCoefficients& line) {
    return std::isfinite(line.a) && std::isfinite(line.b) && std::isfinite(line.c);
}

// -numerator / denominator; none for a zero denominator or a line that is not finite.
double NegatedQuotient(const LineCoefficients& line, double numerator, double denominator) {
    return IsFinite(line) && denominator != 0 ? -numerator / denominator : kNoValue;
}

// The normal (a, b) scaled to length 1, so that products of two normals cannot overflow however
// large the coefficients are. None when the coefficients make no line.
std::optional<std::array<double, 2>> UnitNormal(const LineCoefficients& line) {
    if (!IsFinite(line) || !IsStraightLine(line))
        return std::nullopt;
    const double scale = std::max(std::fabs(line.a), std::fabs(line.b));
    const double a = line.a / scale;
    const double b = line.b / scale;
    const double length = std::hypot(a, b);
    return std::array{a / length, b / length};
}

std::string InclinationText(const LineCoefficients& line) {
    const auto normal = UnitNormal(line);
    if (!normal)
        return kNoValueText;
    // The line runs along (b, -a): that direction's angle, folded into [0, 180).
    double degrees = Degrees(std::atan2(-(*normal)[0], (*normal)[1]));
    if (degrees < 0)
        degrees += 180;
    const std::string text = TwoDecimalsOrNone(degrees);
    // A slope a hair below 0 (or 180 from a negative zero a) rounds to 180.00: the horizontal.
    return text == "180.00" ? "0.00" : text;
}

// The acute angle between the lines is the one between their normals, taken from the cross and
// dot products: no slope is divided, and perpendicular lines give 90 whatever their rounding.
double AngleBetween(const LineCoefficients& first, const LineCoefficients& second) {
    const auto n1 = UnitNormal(first);
    const auto n2 = UnitNormal(second);
    if (!n1 || !n2)
        return kNoValue;
    const double cross = (*n1)[0] * (*n2)[1] - (*n1)[1] * (*n2)[0];
    const double dot = (*n1)[0] * (*n2)[0] + (*n1)[1] * (*n2)[1];
    return Degrees(std::atan2(std::fabs(cross), std::fabs(dot)));
}

template <typename Value>
std::string PairSection(const char* heading, const LineCoefficients& first, const LineCoefficients& second,
                        Value value) {
    return ResultSection(heading, {"a:" + value(first), "b:" + value(second)});
}

} // namespace

bool IsStraightLine(const LineCoefficients& line) {
    return line.a != 0 || line.b != 0;
}

std::string LineCalculationText(const LineCoefficients& first, const LineCoefficients& second) {
    const auto slope = [](const LineCoefficients& l) { return GeneralOrNone(NegatedQuotient(l, l.a, l.b)); };
    const auto yIntercept = [](const LineCoefficients& l) {
        return GeneralOrNone(NegatedQuotient(l, l.c, l.b));
    };
    const auto xIntercept = [](const LineCoefficients& l) {
        return GeneralOrNone(NegatedQuotient(l, l.c, l.a));
    };
    return PairSection(kSlopeHeading, first, second, slope) +
           PairSection(kInclinationHeading, first, second, InclinationText) +
           PairSection(kYInterceptHeading, first, second, yIntercept) +
           PairSection(kXInterceptHeading, first, second, xIntercept) +
           ResultSection(kAngleHeading, {TwoDecimalsOrNone(AngleBetween(first, second))});
}
