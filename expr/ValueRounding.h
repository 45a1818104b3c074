#pragma once

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>

// The number a value text reads back as: the value rounded to the six significant digits of its
// value text (ties to even, decided on the double's exact binary value) and read as the nearest
// double. Every value the textual reduction writes into a text and reads again goes through it.

// Decimal exponents (10^X <= |value| < 10^(X+1)) that RoundQuickly can take.
constexpr int kQuickLowestExponent = -17;
constexpr int kQuickHighestExponent = 27;

// The rounded value without the text, for values whose decimal exponent after rounding lies in
// lowest..highest (within the quick range) and zeros when that range is not empty. False, with
// `rounded` unchanged, for any other value and for the rare values within 2^-30 of a tie, whose
// tie the text decides. `guess` is the binary exponent (its place in the quick range) of the
// last value rounded at the same step: one sample's values mostly share it with the last
// sample's, and the scaling then need not wait for the value's own, which is checked and kept.
inline bool RoundQuickly(double value, int lowestExponent, int highestExponent, double& rounded,
                         std::uint8_t& guess);

// The rounded value through the value text itself. Returns the text's length, or 0 (rounded
// unchanged) when the value has no value text: not finite, or too long.
std::size_t RoundThroughText(double value, double& rounded);

// The longest value text of a value whose rounded decimal exponent is X, sign included.
int LongestValueText(int exponent);

// The quick rounding is on the path of every value a program writes back: inline.
namespace value_rounding {

// The powers of ten a double holds exactly.
inline constexpr double kExactPowers[] = {1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,
                                          1e8,  1e9,  1e10, 1e11, 1e12, 1e13, 1e14, 1e15,
                                          1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};

// The binary exponents E (2^E <= |value| < 2^(E+1)) whose decimal exponents lie in the quick
// range, and for each the decimal exponent it starts with: floor(E log10(2)), which is the
// value's decimal exponent or one less.
inline constexpr int kLowestBinaryExponent = -56;
inline constexpr int kHighestBinaryExponent = 89;
inline constexpr int kBinaryExponents = kHighestBinaryExponent - kLowestBinaryExponent + 1;

// Per binary exponent, the decimal exponent X it starts with and 10^|5 - X|, the power that
// scales its values to six digits before the point.
struct Scales {
    std::int8_t exponent[kBinaryExponents];
    double power[kBinaryExponents];
};

constexpr Scales MakeScales() {
    Scales scales{};
    for (int e = kLowestBinaryExponent; e <= kHighestBinaryExponent; ++e) {
        const int exponent = (e * 78913) >> 18;
        scales.exponent[e - kLowestBinaryExponent] = static_cast<std::int8_t>(exponent);
        scales.power[e - kLowestBinaryExponent] = kExactPowers[exponent <= 5 ? 5 - exponent : exponent - 5];
    }
    return scales;
}

inline constexpr Scales kScales = MakeScales();
static_assert(kScales.exponent[0] == kQuickLowestExponent &&
              kScales.exponent[kBinaryExponents - 1] + 1 == kQuickHighestExponent);

// 10^-k in two parts: its first 33 significant bits, whose product with six digits (20 bits) is
// exact, and the rest rounded. Six digits times the first plus six digits times the second is the
// correctly rounded quotient of the digits by 10^k for every six-digit number (the unit tests
// try them all), as a division gives it, in a third of a division's time.
struct Reciprocal {
    double first;
    double rest;
};
inline constexpr Reciprocal kReciprocals[] = {
    {0x1.0000000000000p+0, 0.0},
    {0x1.9999999a00000p-4, -0x1.999999999999ap-38},
    {0x1.47ae147b00000p-7, -0x1.eb851eb851eb8p-43},
    {0x1.0624dd2f00000p-10, 0x1.a9fbe76c8b439p-46},
    {0x1.a36e2eb200000p-14, -0x1.de69ad42c3c9fp-49},
    {0x1.4f8b588e00000p-17, 0x1.b4784230fcf81p-52},
    {0x1.0c6f7a0b00000p-20, 0x1.7b634dad31fcdp-54},
    {0x1.ad7f29ac00000p-24, -0x1.a85bd43c2cd70p-59},
    {0x1.5798ee2300000p-27, 0x1.1873bf3f70835p-64},
    {0x1.12e0be8200000p-30, 0x1.b5a52cb98b405p-64},
    {0x1.b7cdfd9d00000p-34, 0x1.ef6eadf5ab9a2p-68},
    {0x1.5fd7fe1800000p-37, -0x1.a6daa8084384bp-71},
    {0x1.1979981300000p-40, -0x1.0af773406c078p-75},
    {0x1.c25c268500000p-44, -0x1.a25f8f66bcd2dp-78},
    {0x1.6849b86a00000p-47, 0x1.2b9b01ea7090ap-83},
    {0x1.203af9ee00000p-50, 0x1.d58566c87ce9cp-84},
    {0x1.cd2b297e00000p-54, -0x1.dd90f5259e8a1p-88},
    {0x1.70ef546400000p-57, 0x1.b525a2484df7fp-91},
    {0x1.2725dd1d00000p-60, 0x1.21d5d073aff32p-95},
    {0x1.d83c94fb00000p-64, 0x1.b4ab0d29598f5p-98},
    {0x1.79ca10c900000p-67, 0x1.2111aea88f4bbp-102},
    {0x1.2e3b40a100000p-70, -0x1.64b0822581208p-106},
    {0x1.e392010100000p-74, 0x1.d7b9658a99263p-108},
};

// Adding and subtracting 1.5 * 2^52 rounds a double below 2^51 to a whole number.
inline constexpr double kRounder = 0x1.8p52;

// Scaled to six digits, an exact value and its computed double differ by at most half an ulp of
// 10^6, 2^-34: a fraction this far from a half rounds like the exact value.
inline constexpr double kTieMargin = 0x1p-30;

} // namespace value_rounding

inline bool RoundQuickly(double value, int lowestExponent, int highestExponent, double& rounded,
                         std::uint8_t& guess) {
    using namespace value_rounding;
    int exponent = kScales.exponent[guess];
    double power = kScales.power[guess];
    // Signed throughout: the digits take the value's sign, and so does their quotient.
    double scaled = exponent <= 5 ? value * power : value / power;
    std::uint64_t bits;
    std::memcpy(&bits, &value, sizeof bits);
    const unsigned index = static_cast<unsigned>((bits >> 52) & 0x7FF) - (1023 + kLowestBinaryExponent);
    if (index != guess) {
        if (index >= static_cast<unsigned>(kBinaryExponents)) {
            if (value != 0.0)
                return false;
            rounded = value; // "0" or "-0"
            return lowestExponent <= highestExponent;
        }
        guess = static_cast<std::uint8_t>(index);
        exponent = kScales.exponent[index];
        power = kScales.power[index];
        scaled = exponent <= 5 ? value * power : value / power;
    }
    if (std::fabs(scaled) >= 1e6) {
        ++exponent;
        power = kExactPowers[exponent <= 5 ? 5 - exponent : exponent - 5];
        scaled = exponent <= 5 ? value * power : value / power;
    }
    if (exponent < lowestExponent || exponent > highestExponent)
        return false;
    double digits = (scaled + kRounder) - kRounder;
    if (0.5 - std::fabs(scaled - digits) < kTieMargin)
        return false;
    if (std::fabs(digits) >= 1e6) { // 999999.5 and up carry into the next power
        if (++exponent > highestExponent)
            return false;
        digits = std::copysign(1e5, digits);
        power = kExactPowers[exponent <= 5 ? 5 - exponent : exponent - 5];
    }
    // The double nearest to the six digits times 10^(exponent - 5).
    if (exponent > 5) {
        rounded = digits * power;
    } else {
        const Reciprocal& reciprocal = kReciprocals[5 - exponent];
        rounded = digits * reciprocal.first + digits * reciprocal.rest;
    }
    return true;
}
