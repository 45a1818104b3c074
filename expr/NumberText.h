#pragma once

#include <cstddef>
#include <string>

// Writes the value text of a number: "%g" (six significant digits) when that has no exponent,
// otherwise the same six-digit value in plain decimal notation (1e+06 is written 1000000,
// 1.5e-05 is written 0.000015), because the evaluator would read an 'e' as a name. Returns the
// length, or 0 when the value is not finite or its text would not fit in kWorkTextSize - 1
// characters (out must hold kWorkTextSize bytes).
std::size_t WriteValueText(double value, char* out);

// The result texts of the pages: "%g" (six significant digits, an exponent of at least two
// digits where "%g" has one) and "%.*f" with the given decimals, written as the C library does
// in the "C" locale but identically on every target. A zero is never written with a minus sign
// ("-0", "-0.00"). Not-finite values give "inf", "-inf" or "nan".
std::string GeneralNumberText(double value);
std::string FixedNumberText(double value, int decimals);

// Reads a number the way the C library's atof does in the "C" locale (leading white space, sign,
// decimal digits with an optional exponent, hexadecimal, inf and nan), identically on every
// target. Yields 0 when nothing can be read. If end is given it receives the first unread
// character (text itself when nothing was read).
double ReadNumber(const char* text, const char** end = nullptr);

// Replaces every occurrence of a variable letter by the value text of value. False when the
// letter occurs and the value is not finite or the text would grow past capacity.
bool ReplaceVariable(char* text, std::size_t capacity, char letter, double value);
