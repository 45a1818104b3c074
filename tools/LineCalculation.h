#pragma once

#include <string>

// A straight line a·x + b·y + c = 0, as typed into the two-line calculator.
struct LineCoefficients {
    double a;
    double b;
    double c;
};

// False when a and b are both 0: such coefficients make no line, and the page refuses them with
// its message (keeping its old result) instead of calculating.
bool IsStraightLine(const LineCoefficients& line);

// The whole result text of two lines, in GBK with CRLF line ends: their slopes, inclinations in
// [0, 180), y- and x-intercepts, and the acute angle between them. "没有" (none) stands for a
// value that does not exist (the slope of a vertical line) or is not finite, and for every value
// of a line whose coefficients are not all finite.
std::string LineCalculationText(const LineCoefficients& first, const LineCoefficients& second);
