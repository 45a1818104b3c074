#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>
#include <type_traits>

// The graph records are plain fixed-size byte layouts: they are copied whole into pages and plot
// buffers and written unchanged to the workspace file, so their layout is a file format.
// Texts are NUL-terminated 8-bit strings; a hand-made file may fill a field without a NUL.

constexpr std::size_t kNameSize = 10;         // at most 9 characters
constexpr std::size_t kTextSize = 206;        // at most 205 characters
constexpr std::size_t kConstantNameSize = 16; // at most 15 characters

enum FunctionForm : std::int32_t {
    kFormY = 0, // y=f(x), variable x
    kFormX = 1, // x=f(y), variable y
};

enum Precision : std::int32_t { kPrecisionHigh = 0, kPrecisionMedium = 1, kPrecisionLow = 2 };

// Colours are 0x00BBGGRR: red in the low byte.
struct FunctionGraph {
    char name[kNameSize];
    char text[kTextSize];
    double lower;
    double upper;
    std::uint32_t colour;
    std::int32_t form;
    std::int32_t hidden; // 1 hidden, 0 shown
    std::int32_t reserved;
};

struct ParametricGraph {
    char name[kNameSize];
    char text[kTextSize]; // x(t), y(t) and z(t) joined by '&'
    double lower;
    double upper;
    std::int32_t reserved;
    std::int32_t hidden;
    std::uint32_t colour;
    std::int32_t creatorKind; // the request kind of the page that made it; kept, read by nothing
};

struct InequalityGroup {
    char name[kNameSize];
    char text[kTextSize];
    double xLower;
    double xUpper;
    double yLower;
    double yUpper;
    std::int32_t precision;
    std::uint32_t colour;
    std::int32_t hidden;
    std::int32_t reserved;
};

struct NamedConstant {
    char name[kConstantNameSize];
    double value;
    std::uint8_t reserved[8];
};

static_assert(sizeof(double) == 8 && sizeof(float) == 4);
static_assert(sizeof(FunctionGraph) == 248 && offsetof(FunctionGraph, text) == 10 &&
              offsetof(FunctionGraph, lower) == 216 && offsetof(FunctionGraph, upper) == 224 &&
              offsetof(FunctionGraph, colour) == 232 && offsetof(FunctionGraph, form) == 236 &&
              offsetof(FunctionGraph, hidden) == 240 && offsetof(FunctionGraph, reserved) == 244);
static_assert(sizeof(ParametricGraph) == 248 && offsetof(ParametricGraph, lower) == 216 &&
              offsetof(ParametricGraph, upper) == 224 && offsetof(ParametricGraph, reserved) == 232 &&
              offsetof(ParametricGraph, hidden) == 236 && offsetof(ParametricGraph, colour) == 240 &&
              offsetof(ParametricGraph, creatorKind) == 244);
static_assert(sizeof(InequalityGroup) == 264 && offsetof(InequalityGroup, xLower) == 216 &&
              offsetof(InequalityGroup, xUpper) == 224 && offsetof(InequalityGroup, yLower) == 232 &&
              offsetof(InequalityGroup, yUpper) == 240 && offsetof(InequalityGroup, precision) == 248 &&
              offsetof(InequalityGroup, colour) == 252 && offsetof(InequalityGroup, hidden) == 256 &&
              offsetof(InequalityGroup, reserved) == 260);
static_assert(sizeof(NamedConstant) == 32 && offsetof(NamedConstant, value) == 16 &&
              offsetof(NamedConstant, reserved) == 24);
static_assert(std::is_trivially_copyable_v<FunctionGraph> && std::is_trivially_copyable_v<ParametricGraph> &&
              std::is_trivially_copyable_v<InequalityGroup> && std::is_trivially_copyable_v<NamedConstant>);

// The text of a field: up to its first NUL, or the whole field when it has none.
template <std::size_t N>
std::string_view FieldText(const char (&field)[N]) {
    const void* nul = std::memchr(field, '\0', N);
    return {field, nul != nullptr ? static_cast<std::size_t>(static_cast<const char*>(nul) - field) : N};
}

// Sets a field to a text cut to N - 1 characters; the rest of the field becomes 0.
template <std::size_t N>
void SetFieldText(char (&field)[N], std::string_view text) {
    const std::size_t length = text.size() < N - 1 ? text.size() : N - 1;
    std::memcpy(field, text.data(), length);
    std::memset(field + length, 0, N - length);
}

// The longest start of a GBK text that fits in maxBytes without splitting a character: a lead byte
// 0x81 to 0xFE always takes the byte after it along, whatever that byte is.
std::string_view CutAtWholeCharacter(std::string_view gbk, std::size_t maxBytes);

// A random colour from the C library's generator (seeded from the clock at start-up):
// three values r1, r2, r3 modulo 256 make r1 * 65536 + r2 * 256 + r3.
std::uint32_t RandomColour();

// Whether a record's hidden flag hides it; only the value 1 does.
inline bool IsHidden(std::int32_t hiddenFlag) {
    return hiddenFlag == 1;
}
