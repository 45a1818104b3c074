#pragma once

#include <string>
#include <string_view>

// How the pages read their boxes on the way into a record.

// The whole box read as a number, as atof reads it: 0 when it starts with no number. False, with
// value untouched, when the number is not finite ("inf", "nan", "1e999"): such a value must not
// reach the view or the file.
bool ReadBoxNumber(std::string_view text, double& value);

// Whether a finite number read from a box may be stored.
using NumberCheck = bool (*)(double);
inline bool AnyNumber(double) {
    return true;
}

// A number box on its way back into a record: a box still showing `shownText`, the text it was
// filled with, keeps `shown` exactly (not the six digits it shows); any other text is stored when
// it reads as a finite number that `check` takes, else the value stays as it was.
void ReadNumberBox(std::string_view text, std::string_view shownText, double shown, double& value,
                   NumberCheck check = AnyNumber);

// Takes every `removed` character out of a box's text, the caret (a character position) moving
// left by those that stood before it. False, with nothing changed, when there was none.
bool RemoveCharacter(std::wstring& text, wchar_t removed, std::size_t& caret);
