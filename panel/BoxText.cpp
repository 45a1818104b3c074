#include "panel/BoxText.h"

#include "expr/NumberText.h"

#include <cmath>
#include <cstdio>

std::string FormatBoxNumber(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%g", value);
    std::string shown = text;
    // The Microsoft C library writes three exponent digits ("1e+006"); the box shows two.
    const std::size_t exponent = shown.find_first_of("eE");
    if (exponent != std::string::npos) {
        std::size_t digits = exponent + 2;
        while (shown.size() - digits > 2 && shown[digits] == '0')
            shown.erase(digits, 1);
    }
    return shown;
}

bool ReadBoxNumber(std::string_view text, double& value) {
    // ReadNumber stops at the first character that is not part of the number, so the box's text
    // needs its terminator.
    const std::string whole(text);
    const double read = ReadNumber(whole.c_str());
    if (!std::isfinite(read))
        return false;
    value = read;
    return true;
}
