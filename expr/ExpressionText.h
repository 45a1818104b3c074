#pragma once

#include <cstddef>

// Texts of the expression language are NUL-terminated 8-bit strings, reduced in place in
// fixed working buffers: a text and everything substituted into it holds at most 255 characters.
constexpr std::size_t kWorkTextSize = 256;

// In a normalized text the operators + and - are these codes; a '+' or '-' character left in it
// belongs to a number written back by substitution (the sign of -2.5).
constexpr char kPlusCode = 0x02;
constexpr char kMinusCode = 0x01;

// Upper-cases the built-in names that contain a variable letter (exp, arcctg, arctg, ctg, tg),
// turns + and - into their operator codes and removes the blanks. Never lengthens the text.
void Normalize(char* text);

// Replaces the first occurrence of pattern; no change when it does not occur. Returns false
// (text unchanged) when the result would not fit in capacity bytes including the NUL.
bool ReplaceFirst(char* text, std::size_t capacity, const char* pattern, const char* replacement);

// Replaces `length` characters at `position` by the replacement; false (unchanged) if too long.
bool ReplaceAt(char* text, std::size_t capacity, std::size_t position, std::size_t length,
               const char* replacement);

// The same as calling ReplaceFirst until the pattern no longer occurs. False when the text
// would grow past capacity (the text is then partly replaced). The replacement must not
// contain the pattern.
bool ReplaceAll(char* text, std::size_t capacity, const char* pattern, const char* replacement);

// The pieces of a text cut in place at every occurrence of either of two separators.
struct SplitPieces {
    static constexpr int kMaxPieces = 30;
    int count = 0;
    char* piece[kMaxPieces];
    // flag[i] tells the separator in front of piece i + 1: 1 the first separator, 0 the second.
    char flag[kMaxPieces];
};

// Cuts text in place; false when it would make more than 30 pieces.
bool SplitAt(char* text, char first, char second, SplitPieces& pieces);
