#pragma once

#include <string>
#include <string_view>

// What the pages do with the text of a box on its way into a record, and back.

// A number as a box shows it: "%g", with a two-digit exponent on every C library ("1e+06").
std::string FormatBoxNumber(double value);

// The whole box read as a number, as atof reads it: 0 when it starts with no number. False, with
// value untouched, when the number is not finite ("inf", "nan", "1e999"): such a value must not
// reach the view or the file.
bool ReadBoxNumber(std::string_view text, double& value);
