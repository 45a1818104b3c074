#pragma once

#include <string>
#include <string_view>

// How the pages read a number box on its way into a record.

// The whole box read as a number, as atof reads it: 0 when it starts with no number. False, with
// value untouched, when the number is not finite ("inf", "nan", "1e999"): such a value must not
// reach the view or the file.
bool ReadBoxNumber(std::string_view text, double& value);
