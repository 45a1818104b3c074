#include "expr/ExpressionText.h"

#include <bit>
#include <cstdint>
#include <cstring>

namespace {

// Upper-cases every occurrence of a lower-case name in place. Replacing one occurrence can
// never create another, so one pass from the left is the same as repeating until none is left.
void UpperCaseName(char* text, const char* name, const char* upper) {
    const std::size_t length = std::strlen(name);
    for (char* at = std::strstr(text, name); at != nullptr; at = std::strstr(at + length, name))
        std::memcpy(at, upper, length);
}

// Position of the first occurrence of pattern in text at or after `from`, or npos.
std::size_t Find(const char* text, std::size_t textLength, std::string_view pattern, std::size_t from) {
    return std::string_view(text, textLength).find(pattern, from);
}

} // namespace

void Normalize(char* text) {
    for (char* c = text; *c != '\0'; ++c) {
        if (*c == '-')
            *c = kMinusCode;
        else if (*c == '+')
            *c = kPlusCode;
    }
    // tg is part of the three longer names, so the longest go first.
    UpperCaseName(text, "exp", "EXP");
    UpperCaseName(text, "arcctg", "ARCCTG");
    UpperCaseName(text, "arctg", "ARCTG");
    UpperCaseName(text, "ctg", "CTG");
    UpperCaseName(text, "tg", "TG");
    char* out = text;
    for (const char* in = text; *in != '\0'; ++in)
        if (*in != ' ')
            *out++ = *in;
    *out = '\0';
}

bool ReplaceAt(char* text, std::size_t capacity, std::size_t position, std::size_t length,
               std::string_view replacement) {
    const std::size_t textLength = std::strlen(text);
    if (textLength - length + replacement.size() + 1 > capacity)
        return false;
    char* at = text + position;
    std::memmove(at + replacement.size(), at + length, textLength - position - length + 1);
    std::memcpy(at, replacement.data(), replacement.size());
    return true;
}

bool ReplaceFirst(char* text, std::size_t capacity, std::string_view pattern, std::string_view replacement) {
    const std::size_t at = Find(text, std::strlen(text), pattern, 0);
    return at == std::string_view::npos || ReplaceAt(text, capacity, at, pattern.size(), replacement);
}

bool ReplaceAll(char* text, std::size_t capacity, std::string_view pattern, std::string_view replacement) {
    if (pattern.empty())
        return true;
    for (std::size_t at = Find(text, std::strlen(text), pattern, 0); at != std::string_view::npos;) {
        if (!ReplaceAt(text, capacity, at, pattern.size(), replacement))
            return false;
        // The text before the replacement holds no occurrence; a new one could only begin in
        // the last pattern.size() - 1 characters before it and run into the replacement.
        const std::size_t from = at + 1 >= pattern.size() ? at + 1 - pattern.size() : 0;
        at = Find(text, std::strlen(text), pattern, from);
    }
    return true;
}

namespace {

// Bit 7 of every byte of `word` that equals one of the separators is set, no other bit is
// (eight characters compared at once; exact, unlike the usual "has zero byte" estimate).
std::uint64_t SeparatorBytes(std::uint64_t word, std::uint64_t first, std::uint64_t second) {
    constexpr std::uint64_t kLow7 = 0x7F7F7F7F7F7F7F7FULL;
    auto zeroBytes = [](std::uint64_t x) { return ~(((x & kLow7) + kLow7) | x | kLow7); };
    return zeroBytes(word ^ first) | zeroBytes(word ^ second);
}

} // namespace

bool SplitAt(std::string_view text, char first, char second, SplitPieces& pieces) {
    constexpr std::uint64_t kEveryByte = 0x0101010101010101ULL;
    const std::uint64_t firstBytes = kEveryByte * static_cast<unsigned char>(first);
    const std::uint64_t secondBytes = kEveryByte * static_cast<unsigned char>(second);
    int count = 0;
    const char* const begin = text.data();
    const char* start = begin;
    auto cut = [&](const char* at) {
        if (count == SplitPieces::kMaxPieces - 1)
            return false;
        pieces.flag[count] = *at == first ? 1 : 0;
        pieces.piece[count++] = {start, static_cast<std::size_t>(at - start)};
        start = at + 1;
        return true;
    };
    std::size_t i = 0;
    for (; i + 8 <= text.size(); i += 8) {
        std::uint64_t word;
        std::memcpy(&word, begin + i, sizeof word);
        for (std::uint64_t hits = SeparatorBytes(word, firstBytes, secondBytes); hits != 0; hits &= hits - 1) {
            // Both targets are little-endian: the lowest set bit is the earliest character.
            if (!cut(begin + i + static_cast<std::size_t>(std::countr_zero(hits)) / 8))
                return false;
        }
    }
    for (; i < text.size(); ++i)
        if ((begin[i] == first || begin[i] == second) && !cut(begin + i))
            return false;
    pieces.piece[count++] = {start, static_cast<std::size_t>(begin + text.size() - start)};
    pieces.count = count;
    return true;
}
