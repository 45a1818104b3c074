#include "expr/NumberText.h"

#include "expr/ExpressionText.h"

#include <charconv>
#include <cmath>
#include <cstring>
#include <limits>

namespace {

bool IsSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsHexDigit(char c) { return IsDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }

// Whether a number that the converter reported as out of range is too large (rather than too
// small): its leading digit's power of the base, plus the exponent, is positive.
bool Overflows(const char* digits, bool hex) {
    auto isDigit = hex ? IsHexDigit : IsDigit;
    long order = 0;
    const char* c = digits;
    while (*c == '0')
        ++c;
    bool leading = true;
    for (; isDigit(*c); ++c)
        ++order;
    if (order > 0)
        leading = false;
    if (*c == '.') {
        for (++c; isDigit(*c); ++c) {
            if (leading && *c == '0')
                --order;
            else
                leading = false;
        }
    }
    const char mark = hex ? 'p' : 'e';
    if ((*c | 0x20) == mark) {
        const char* e = c + 1;
        const bool negative = *e == '-';
        if (*e == '-' || *e == '+')
            ++e;
        long exponent = 0;
        for (; IsDigit(*e); ++e)
            exponent = exponent < 100000000 ? exponent * 10 + (*e - '0') : exponent;
        order += negative ? -exponent : exponent;
    }
    return order > 0;
}

} // namespace

double ReadNumber(const char* text, const char** end) {
    const char* c = text;
    while (IsSpace(*c))
        ++c;
    bool negative = false;
    if (*c == '+' || *c == '-')
        negative = *c++ == '-';
    if (end != nullptr)
        *end = text;
    // from_chars takes no sign of its own after ours.
    if (*c == '+' || *c == '-')
        return 0.0;

    double value = 0.0;
    const char* last = c + std::strlen(c);
    const bool hex = c[0] == '0' && (c[1] | 0x20) == 'x' &&
                     (IsHexDigit(c[2]) || (c[2] == '.' && IsHexDigit(c[3])));
    const char* digits = hex ? c + 2 : c;
    const auto result =
        std::from_chars(digits, last, value, hex ? std::chars_format::hex : std::chars_format::general);
    if (result.ec == std::errc::invalid_argument)
        return 0.0;
    if (result.ec == std::errc::result_out_of_range)
        value = Overflows(digits, hex) ? std::numeric_limits<double>::infinity() : 0.0;
    if (end != nullptr)
        *end = result.ptr;
    return negative ? -value : value;
}

std::size_t WriteValueText(double value, char* out) {
    if (!std::isfinite(value))
        return 0;
    char general[32];
    const auto written =
        std::to_chars(general, general + sizeof general - 1, value, std::chars_format::general, 6);
    const std::size_t generalLength = written.ptr - general;
    *written.ptr = '\0';
    const char* exponentMark = static_cast<const char*>(std::memchr(general, 'e', generalLength));
    if (exponentMark == nullptr) {
        std::memcpy(out, general, generalLength);
        out[generalLength] = '\0';
        return generalLength;
    }

    // Rewrite d.ddddde±XX in plain notation: the significant digits, and where the point goes.
    const char* c = general;
    const bool negative = *c == '-';
    if (negative)
        ++c;
    char digits[8];
    int digitCount = 0;
    for (; c < exponentMark; ++c)
        if (IsDigit(*c))
            digits[digitCount++] = *c;
    const int exponent = static_cast<int>(ReadNumber(exponentMark + 1));
    const int point = exponent + 1; // digits before the decimal point

    const long length = negative + (point <= 0 ? 2 - point + digitCount
                                               : (point >= digitCount ? point : digitCount + 1));
    if (length > static_cast<long>(kWorkTextSize - 1))
        return 0;
    char* o = out;
    if (negative)
        *o++ = '-';
    if (point <= 0) {
        *o++ = '0';
        *o++ = '.';
        for (int i = 0; i < -point; ++i)
            *o++ = '0';
        for (int i = 0; i < digitCount; ++i)
            *o++ = digits[i];
    } else {
        for (int i = 0; i < point; ++i)
            *o++ = i < digitCount ? digits[i] : '0';
        if (point < digitCount) {
            *o++ = '.';
            for (int i = point; i < digitCount; ++i)
                *o++ = digits[i];
        }
    }
    *o = '\0';
    return o - out;
}

bool ReplaceVariable(char* text, std::size_t capacity, char letter, double value) {
    char valueText[kWorkTextSize];
    const char pattern[2] = {letter, '\0'};
    return WriteValueText(value, valueText) != 0 && ReplaceAll(text, capacity, pattern, valueText);
}
