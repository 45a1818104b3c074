#pragma once

#include <cstddef>
#include <string_view>

// Texts of the expression language are NUL-terminated 8-bit strings, reduced in place in
// fixed working buffers: a text and everything substituted into it holds at most 255 characters.
constexpr std::size_t kWorkTextSize = 256;

// In a normalized text the operators + and - are these codes; a '+' or '-' character left in it
// belongs to a number written back by substitution (the sign of -2.5).
constexpr char kPlusCode = 0x02;
constexpr char kMinusCode = 0x01;

// The characters of names, and those that a name's argument takes with it when the name is
// replaced: digits, '.' and the '-' of a substituted negative value (sin-2).
inline bool IsNameLetter(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}
inline bool IsArgumentChar(char c) {
    return (c >= '0' && c <= '9') || c == '-' || c == '.';
}

// Upper-cases the built-in names that contain a variable letter (exp, arcctg, arctg, ctg, tg),
// turns + and - into their operator codes and removes the blanks. Never lengthens the text.
void Normalize(char* text);

// Replaces `length` characters at `position` by the replacement. Returns false (text unchanged)
// when the result would not fit in capacity bytes including the NUL.
bool ReplaceAt(char* text, std::size_t capacity, std::size_t position, std::size_t length,
               std::string_view replacement);

// Replaces the first occurrence of pattern; no change when it does not occur. False (text
// unchanged) when the result would not fit.
bool ReplaceFirst(char* text, std::size_t capacity, std::string_view pattern, std::string_view replacement);

// The same as calling ReplaceFirst until the pattern no longer occurs. False when the text would
// grow past capacity (it is then partly replaced). The replacement must not contain the pattern.
bool ReplaceAll(char* text, std::size_t capacity, std::string_view pattern, std::string_view replacement);

// The pieces of a text between the occurrences of either of two separators (one piece more
// than separators). The pieces view the text; it is not changed.
struct SplitPieces {
    static constexpr int kMaxPieces = 30;
    // Plain pointers and lengths: the evaluator splits several times per evaluation and a fresh
    // array of views would be zeroed every time.
    struct Piece {
        const char* data;
        std::size_t size;
        operator std::string_view() const { return {data, size}; }
    };
    int count = 0;
    Piece piece[kMaxPieces];
    // flag[i] tells the separator in front of piece i + 1: 1 the first separator, 0 the second.
    char flag[kMaxPieces];
};

// False when the text would make more than 30 pieces.
bool SplitAt(std::string_view text, char first, char second, SplitPieces& pieces);

enum class Group { kNone, kFound, kUnmatched };

// The bracket group to reduce next: for the kinds (), [] and {} in that order, the first closing
// bracket of the kind and the last opening bracket of the same kind before it. kUnmatched when
// that closing bracket has none. The text is met through `brackets`: its Next(from) is the
// position of the first bracket at or after `from` (kNoBracket for none), its At(position) the
// character there.
constexpr std::size_t kNoBracket = ~std::size_t{0};
template <typename Brackets>
Group FindGroup(const Brackets& brackets, std::size_t& open, std::size_t& close) {
    std::size_t firstClose[3] = {kNoBracket, kNoBracket, kNoBracket};
    std::size_t openBefore[3] = {kNoBracket, kNoBracket, kNoBracket};
    std::size_t lastOpen[3] = {kNoBracket, kNoBracket, kNoBracket};
    for (std::size_t i = brackets.Next(0); i != kNoBracket; i = brackets.Next(i + 1)) {
        const char c = brackets.At(i);
        const int kind = c == '(' || c == ')' ? 0 : (c == '[' || c == ']' ? 1 : 2);
        if (firstClose[kind] != kNoBracket)
            continue;
        if (c == '(' || c == '[' || c == '{') {
            lastOpen[kind] = i;
            continue;
        }
        firstClose[kind] = i;
        openBefore[kind] = lastOpen[kind];
        if (kind == 0)
            break; // round groups come first
    }
    for (int kind = 0; kind < 3; ++kind) {
        if (firstClose[kind] == kNoBracket)
            continue;
        if (openBefore[kind] == kNoBracket)
            return Group::kUnmatched;
        open = openBefore[kind];
        close = firstClose[kind];
        return Group::kFound;
    }
    return Group::kNone;
}
