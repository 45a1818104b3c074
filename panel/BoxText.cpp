#include "panel/BoxText.h"

#include "expr/NumberText.h"

#include <cmath>

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
