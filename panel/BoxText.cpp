#include "panel/BoxText.h"

#include "expr/NumberText.h"

#include <algorithm>
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

bool RemoveCharacter(std::wstring& text, wchar_t removed, std::size_t& caret) {
    const std::size_t before = std::count(text.begin(), text.begin() + std::min(caret, text.size()), removed);
    const auto kept = std::remove(text.begin(), text.end(), removed);
    if (kept == text.end())
        return false;
    text.erase(kept, text.end());
    caret -= before;
    return true;
}
