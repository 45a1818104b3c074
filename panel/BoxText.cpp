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

void ReadNumberBox(std::string_view text, std::string_view shownText, double shown, double& value,
                   NumberCheck check) {
    double typed = 0.0;
    if (text == shownText)
        value = shown;
    else if (ReadBoxNumber(text, typed) && check(typed))
        value = typed;
}
