#pragma once

#include <array>
#include <string>

// The texts of the main window's value labels and its help line.

// Three lines, x to z: "angle / speed" with two decimals ("30.00 / 0.50"), from the six rotation
// values (angles about x, y, z, then speeds).
std::array<std::string, 3> RotationLabelTexts(const double* rotation);

// Three lines, x to z: "from-to" with three decimals ("-10.000-10.000"), from the six ranges.
std::array<std::string, 3> RangeLabelTexts(const double* ranges);

// Three lines: the origin's x, y and z with three decimals.
std::array<std::string, 3> PositionLabelTexts(const double* position);

// The help string for the client point under the cursor: the first area containing it in the
// layout's order, numbered from 1, or 10 (the graph list's) when no area does.
int HelpStringId(int x, int y);
