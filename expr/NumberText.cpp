#include "expr/NumberText.h"

#include "expr/ExpressionText.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

namespace {

bool IsSpace(char c) { return c == ' ' || (c >= '\t' && c <= '\r'); }
bool IsDigit(char c) { return static_cast<unsigned char>(c - '0') < 10; }
bool IsHexDigit(char c) { return IsDigit(c) || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F'); }

// Whether a number that the converter reported as out of range is too large (rather than too
// small): its leading digit's power of the base, plus the exponent, is positive.
bool Overflows(const char* digits, bool hex) {
    auto isDigit = hex ? IsHexDigit : IsDigit;
    long order = 0;
    const char* c = digits;
    while (*c == '0')
        ++c;
    for (; isDigit(*c); ++c)
        ++order;
    bool leading = order == 0; // still among the zeros before the first significant digit
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


// Plain decimals such as 2.37 or -0.000015 (no exponent, at most 15 digits) are read without the
// general converter: their digits make an exact integer and the power of ten is exact too, so
// one division gives the correctly rounded value, the same the converter gives. Returns false
// for anything else.
bool ReadPlainDecimal(const char* c, double& value, const char*& end) {
    static constexpr double kPowersOfTen[] = {1e0, 1e1, 1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                       1e8, 1e9, 1e10, 1e11, 1e12, 1e13, 1e14, 1e15};
    constexpr long kMaxDigits = 15;
    if (c[0] == '0' && (c[1] | 0x20) == 'x')
        return false;
    std::uint64_t mantissa = 0; // wraps harmlessly past 19 digits: those are refused below
    const char* start = c;
    for (; IsDigit(*c); ++c)
        mantissa = mantissa * 10 + static_cast<unsigned>(*c - '0');
    long digits = c - start;
    long fraction = 0;
    if (*c == '.') {
        const char* point = ++c;
        for (; IsDigit(*c); ++c)
            mantissa = mantissa * 10 + static_cast<unsigned>(*c - '0');
        fraction = c - point;
        digits += fraction;
    }
    if (digits == 0 || digits > kMaxDigits || (*c | 0x20) == 'e')
        return false;
    value = static_cast<double>(mantissa) / kPowersOfTen[fraction];
    end = c;
    return true;
}

} // namespace

double ReadNumber(const char* text, const char** end) {
    double value = 0.0;
    const char* plainEnd = nullptr;
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

    // Most numbers in a reduced text are plain decimals, read exactly without from_chars.
    if (ReadPlainDecimal(c, value, plainEnd)) {
        if (end != nullptr)
            *end = plainEnd;
        return negative ? -value : value;
    }
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

namespace {

// An unsigned 128-bit number, enough for a 53-bit mantissa times a power of ten up to 10^9.
struct Wide {
    std::uint64_t high;
    std::uint64_t low;

    static Wide Product(std::uint64_t a, std::uint32_t b) {
        const std::uint64_t lowPart = (a & 0xFFFFFFFFu) * b;
        const std::uint64_t highPart = (a >> 32) * b;
        const std::uint64_t low = lowPart + (highPart << 32);
        return {(highPart >> 32) + (low < lowPart ? 1 : 0), low};
    }
    // Bits shift and up (shift from 1 to 127), as a 64-bit number: the caller knows they fit.
    std::uint64_t ShiftedRight(int shift) const {
        return shift >= 64 ? high >> (shift - 64) : (high << (64 - shift)) | (low >> shift);
    }
    bool Bit(int index) const { return ((index >= 64 ? high >> (index - 64) : low >> index) & 1) != 0; }
    // Whether any bit below index is set.
    bool AnyBelow(int index) const {
        if (index >= 64)
            return low != 0 || (index > 64 && (high & ((std::uint64_t{1} << (index - 64)) - 1)) != 0);
        return (low & ((std::uint64_t{1} << index) - 1)) != 0;
    }
};

// "%g" of values from 1e-4 up to 1e6, the ones written without an exponent, computed exactly
// from the double's binary value: its 53-bit mantissa times a power of ten is a wide integer
// whose rounding (half to even, like printf) gives the six digits. Returns 0 outside that range
// or when the rounded value reaches 1e6 (which "%g" writes with an exponent).
std::size_t WriteFixedValueText(double value, char* out) {
    const double magnitude = std::fabs(value);
    if (!(magnitude >= 1e-4 && magnitude < 1e6))
        return 0;
    // magnitude = mantissa / 2^shift exactly; a normal double in this range has shift 34..67.
    std::uint64_t bits;
    std::memcpy(&bits, &magnitude, sizeof bits);
    const std::uint64_t mantissa = (bits & ((std::uint64_t{1} << 52) - 1)) | (std::uint64_t{1} << 52);
    const int shift = 1075 - static_cast<int>(bits >> 52);
    static constexpr std::uint32_t kPowersOfTen[] = {1,      10,      100,      1000,      10000,
                                                     100000, 1000000, 10000000, 100000000, 1000000000};
    // The decimal exponent X (10^X <= magnitude < 10^(X+1)) is floor(log10(2) * binary exponent)
    // or one more; the loop below settles which.
    const int binaryExponent = static_cast<int>(bits >> 52) - 1023;
    int exponent = (binaryExponent * 1233) >> 12;
    Wide scaled{0, 0};
    std::uint64_t digits = 0;
    for (int attempt = 0; attempt < 3; ++attempt) {
        const int scale = 5 - exponent; // in 0..9 for X in -4..5
        if (scale < 0 || scale > 9)
            return 0;
        scaled = Wide::Product(mantissa, kPowersOfTen[scale]);
        digits = scaled.ShiftedRight(shift);
        if (digits < 100000)
            --exponent;
        else if (digits >= 1000000)
            ++exponent;
        else
            break;
    }
    if (digits < 100000 || digits >= 1000000)
        return 0;
    // The part shifted out is more than a half when its top bit and any other is set, a half
    // when only its top bit is; a half rounds to the even neighbour.
    const bool halfOrMore = scaled.Bit(shift - 1);
    const bool moreThanHalf = halfOrMore && scaled.AnyBelow(shift - 1);
    if (moreThanHalf || (halfOrMore && (digits & 1) != 0))
        ++digits;
    if (digits == 1000000) {
        digits = 100000;
        ++exponent;
    }
    if (exponent > 5 || exponent < -4)
        return 0;

    static constexpr char kPairs[] = "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
                                     "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
                                     "8081828384858687888990919293949596979899";
    char six[12] = {}; // six digits, and room for the block copies below
    const auto high = static_cast<unsigned>(digits / 10000);
    const auto low = static_cast<unsigned>(digits % 10000);
    std::memcpy(six, kPairs + 2 * high, 2);
    std::memcpy(six + 2, kPairs + 2 * (low / 100), 2);
    std::memcpy(six + 4, kPairs + 2 * (low % 100), 2);
    int significant = 6;
    while (significant > 1 && six[significant - 1] == '0')
        --significant;
    // Whole blocks are copied and the pointer advanced by what counts: out has room to spare.
    char* o = out;
    if (value < 0)
        *o++ = '-';
    if (exponent >= 0) {
        const int integerDigits = exponent + 1;
        std::memcpy(o, six, 6);
        o += integerDigits;
        if (significant > integerDigits) {
            *o++ = '.';
            std::memcpy(o, six + integerDigits, 6);
            o += significant - integerDigits;
        }
    } else {
        std::memcpy(o, "0.000", 5);
        o += 1 - exponent; // "0." and -X - 1 zeros
        std::memcpy(o, six, 6);
        o += significant;
    }
    *o = '\0';
    return o - out;
}

} // namespace

std::size_t WriteValueText(double value, char* out) {
    if (!std::isfinite(value))
        return 0;
    if (const std::size_t length = WriteFixedValueText(value, out))
        return length;
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

namespace {

// A value that rounds to zero keeps its sign in the C library's texts ("-0", "-0.00").
std::string WithoutNegativeZero(const char* text, const char* end) {
    if (*text == '-' && std::all_of(text + 1, end, [](char c) { return c == '0' || c == '.'; }))
        ++text;
    return {text, end};
}

} // namespace

std::string GeneralNumberText(double value) {
    char text[32];
    const auto written = std::to_chars(text, text + sizeof text, value, std::chars_format::general, 6);
    return WithoutNegativeZero(text, written.ptr);
}

std::string FixedNumberText(double value, int decimals) {
    // The largest double has 309 integer digits.
    std::string text(320 + static_cast<std::size_t>(decimals), '\0');
    const auto written =
        std::to_chars(text.data(), text.data() + text.size(), value, std::chars_format::fixed, decimals);
    return WithoutNegativeZero(text.data(), written.ptr);
}

bool ReplaceVariable(char* text, std::size_t capacity, char letter, double value) {
    // Without the letter nothing is written, so a value whose text is too long cannot fail it.
    if (std::strchr(text, letter) == nullptr)
        return true;
    char valueText[kWorkTextSize];
    const char pattern[2] = {letter, '\0'};
    return WriteValueText(value, valueText) != 0 && ReplaceAll(text, capacity, pattern, valueText);
}
