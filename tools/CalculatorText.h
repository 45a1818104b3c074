#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

// The pieces the calculators build their result texts from. The texts are GBK bytes, shown in
// multi-line edit boxes, so their lines end with CRLF.

// "没有" (none) in GBK.
inline constexpr char kNoValueText[] = "\xC3\xBB\xD3\xD0";

// "%g" of a finite value, otherwise "没有" (none): a value that does not exist, or that
// overflowed, is never shown as a number.
std::string GeneralOrNone(double value);
// "%.2f" of a finite value, otherwise "没有".
std::string TwoDecimalsOrNone(double value);

double Degrees(double radians);

// One section: the heading and a full-width colon, each line indented by two spaces, then an
// empty line.
std::string ResultSection(std::string_view heading, std::initializer_list<std::string_view> lines);
