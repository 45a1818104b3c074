#include "expr/AngleReduction.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstring>

namespace {

// pi/2 cut into pieces of 33 bits, each followed by the rounded rest: n times a piece is exact
// for n below 2^20, so up to that many quarter turns the subtraction loses nothing.
constexpr double kHalfPi1 = 0x1.921fb54400000p+0;
constexpr double kHalfPi1Rest = 0x1.0b4611a626331p-34;
constexpr double kHalfPi2 = 0x1.0b4611a600000p-34;
constexpr double kHalfPi2Rest = 0x1.3198a2e037073p-69;
constexpr double kHalfPi3 = 0x1.3198a2e000000p-69;
constexpr double kHalfPi3Rest = 0x1.b839a252049c1p-104;
constexpr double kTwoOverPi = 0x1.45f306dc9c883p-1;
constexpr double kHalfPi = 0x1.921fb54442d18p+0;
constexpr double kHalfPiRest = 0x1.1a62633145c07p-54;
constexpr double kQuarterPi = 0x1.921fb54442d18p-1;
constexpr double kMediumLimit = 0x1.921fb54442d18p+19; // 2^19 quarter turns

// The bits of 2/pi after the point, enough for the largest double: bit i (from 1) has the
// weight 2^-i and is bit 32 - (i - 1) % 32 of word (i - 1) / 32.
constexpr std::uint32_t kTwoOverPiBits[] = {
    0xA2F9836E, 0x4E441529, 0xFC2757D1, 0xF534DDC0, 0xDB629599, 0x3C439041, 0xFE5163AB, 0xDEBBC561,
    0xB7246E3A, 0x424DD2E0, 0x06492EEA, 0x09D1921C, 0xFE1DEB1C, 0xB129A73E, 0xE88235F5, 0x2EBB4484,
    0xE99C7026, 0xB45F7E41, 0x3991D639, 0x835339F4, 0x9C845F8B, 0xBDF9283B, 0x1FF897FF, 0xDE05980F,
    0xEF2F118B, 0x5A0A6D1F, 0x6D367ECF, 0x27CB09B7, 0x4F463F66, 0x9E5FEA2D, 0x7527BAC7, 0xEBE5F17B,
    0x3D0739F7, 0x8A5292EA, 0x6BFB5FB1, 0x1F8D5D08, 0x56033046, 0xFC7B6BAB,
};
constexpr int kTwoOverPiWords = sizeof kTwoOverPiBits / sizeof kTwoOverPiBits[0];

std::uint32_t TwoOverPiWord(int index) {
    return index >= 0 && index < kTwoOverPiWords ? kTwoOverPiBits[index] : 0;
}

// The 32 bits of 2/pi from bit `first` on (bits before the point, first < 1, are 0).
std::uint32_t TwoOverPiBits(int first) {
    const int offset = first - 1;
    const int word = offset >= 0 ? offset / 32 : -((31 - offset) / 32);
    const int shift = offset - 32 * word;
    if (shift == 0)
        return TwoOverPiWord(word);
    return (TwoOverPiWord(word) << shift) | (TwoOverPiWord(word + 1) >> (32 - shift));
}

// The biased binary exponent of a finite double; the library's ilogb is a call per use, and the
// reduction is on the path of every sine the plots take.
int Exponent(double v) {
    std::uint64_t bits;
    std::memcpy(&bits, &v, sizeof bits);
    return static_cast<int>((bits >> 52) & 0x7FF);
}

// Up to 2^19 quarter turns: n = the nearest whole number of quarter turns, and pi/2 taken in one
// to three pieces, as many as the cancellation needs.
ReducedAngle ReduceMedium(double t) {
    // Adding 1.5 * 2^52 rounds to a whole number, which then stands in the low bits.
    constexpr double kRounder = 0x1.8p52;
    const double shifted = t * kTwoOverPi + kRounder;
    const double n = shifted - kRounder;
    const int exponent = Exponent(t);
    double r = t - n * kHalfPi1;
    double w = n * kHalfPi1Rest;
    double y = r - w;
    if (exponent - Exponent(y) > 16) {
        double before = r;
        w = n * kHalfPi2;
        r = before - w;
        w = n * kHalfPi2Rest - ((before - r) - w);
        y = r - w;
        if (exponent - Exponent(y) > 49) {
            before = r;
            w = n * kHalfPi3;
            r = before - w;
            w = n * kHalfPi3Rest - ((before - r) - w);
            y = r - w;
        }
    }
    std::uint64_t quarterTurns;
    std::memcpy(&quarterTurns, &shifted, sizeof quarterTurns);
    return {static_cast<int>(quarterTurns & 3), y, (r - y) - w};
}

// A rounded value with the exact error of its rounding.
struct Sum {
    double value;
    double error;
};

// a b exactly, as the rounded product and its error, by Dekker's splitting of each factor into
// halves whose products need no rounding.
Sum ExactProduct(double a, double b) {
    constexpr double kSplit = 0x1p27 + 1;
    const double aSplit = kSplit * a;
    const double aHigh = aSplit - (aSplit - a);
    const double aLow = a - aHigh;
    const double bSplit = kSplit * b;
    const double bHigh = bSplit - (bSplit - b);
    const double bLow = b - bHigh;
    const double product = a * b;
    const double error = ((aHigh * bHigh - product) + aHigh * bLow + aLow * bHigh) + aLow * bLow;
    return {product, error};
}

// Any larger angle: t = m 2^k with m a 53-bit integer, and t 2/pi taken modulo 4 from the 192
// bits of 2/pi that matter (the earlier ones give multiples of 4, the later ones less than
// 2^-137 of a quarter turn).
ReducedAngle ReduceLarge(double t) {
    std::uint64_t bits;
    std::memcpy(&bits, &t, sizeof bits);
    const std::uint64_t m = (bits & ((std::uint64_t{1} << 52) - 1)) | (std::uint64_t{1} << 52);
    const int k = static_cast<int>(bits >> 52) - 1075;

    // W: bits k - 1 to k + 190 of 2/pi, most significant word first. m W 2^-190 is t 2/pi mod 4.
    std::uint32_t w[6];
    for (int i = 0; i < 6; ++i)
        w[i] = TwoOverPiBits(k - 1 + 32 * i);
    // The low 192 bits of m W, as six words from the least significant one.
    const std::uint64_t mLow = m & 0xFFFFFFFF;
    const std::uint64_t mHigh = m >> 32;
    std::uint32_t f[6] = {};
    std::uint64_t carry = 0;
    for (int i = 0; i < 6; ++i) {
        // Column i takes m's low word times W's word 5 - i and m's high word times the one after.
        const std::uint64_t low = mLow * w[5 - i];
        const std::uint64_t high = i > 0 ? mHigh * w[6 - i] : 0;
        const std::uint64_t sum = carry + (low & 0xFFFFFFFF) + (high & 0xFFFFFFFF);
        f[i] = static_cast<std::uint32_t>(sum);
        carry = (sum >> 32) + (low >> 32) + (high >> 32);
    }
    // The top two bits are the quadrant; the 190 below them the fraction of a quarter turn.
    int quadrant = static_cast<int>(f[5] >> 30);
    std::uint64_t upper =
        (std::uint64_t{f[5] & 0x3FFFFFFF} << 34) | (std::uint64_t{f[4]} << 2) | (f[3] >> 30);
    std::uint64_t lower = (std::uint64_t{f[3]} << 34) | (std::uint64_t{f[2]} << 2) | (f[1] >> 30);
    // The fraction as 128 bits after the point; from a half on it counts from the next quarter.
    bool negative = false;
    if (upper >> 63) {
        negative = true;
        ++quadrant;
        upper = ~upper;
        lower = ~lower + 1;
        if (lower == 0)
            ++upper;
    }
    // Shifted up to its first bit, its top 53 bits and the next 53 are two exact doubles. upper
    // is never 0: the double nearest to a multiple of pi/2 is still 2^-62 quarter turns from it.
    const int shift = std::countl_zero(upper);
    if (shift > 0) {
        upper = (upper << shift) | (lower >> (64 - shift));
        lower <<= shift;
    }
    const double high = std::ldexp(static_cast<double>(upper >> 11), -53 - shift);
    const double low = std::ldexp(static_cast<double>(((upper & 0x7FF) << 42) | (lower >> 22)), -106 - shift);
    // (high + low) (kHalfPi + kHalfPiRest), the product of the leading parts taken exactly.
    const Sum product = ExactProduct(high, kHalfPi);
    const double rest = product.error + (high * kHalfPiRest + low * kHalfPi);
    const double r = product.value + rest;
    const double tail = rest - (r - product.value);
    return {quadrant & 3, negative ? -r : r, negative ? -tail : tail};
}

} // namespace

ReducedAngle ReduceAngle(double v) {
    const double t = std::fabs(v);
    if (t <= kQuarterPi)
        return {0, v, 0.0};
    ReducedAngle reduced = t < kMediumLimit ? ReduceMedium(t) : ReduceLarge(t);
    if (v < 0) {
        // -v is -r in the opposite quadrant.
        reduced.quadrant = (4 - reduced.quadrant) & 3;
        reduced.r = -reduced.r;
        reduced.tail = -reduced.tail;
    }
    return reduced;
}
