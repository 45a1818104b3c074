#include "expr/ExpressionText.h"

#include <cstring>

namespace {

// Upper-cases every occurrence of a lower-case name in place. Replacing one occurrence can
// never create another, so one pass from the left is the same as repeating until none is left.
void UpperCaseName(char* text, const char* name, const char* upper) {
    const std::size_t length = std::strlen(name);
    for (char* at = std::strstr(text, name); at != nullptr; at = std::strstr(at + length, name))
        std::memcpy(at, upper, length);
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
               const char* replacement) {
    const std::size_t textLength = std::strlen(text);
    const std::size_t replacementLength = std::strlen(replacement);
    if (textLength - length + replacementLength + 1 > capacity)
        return false;
    char* at = text + position;
    std::memmove(at + replacementLength, at + length, textLength - position - length + 1);
    std::memcpy(at, replacement, replacementLength);
    return true;
}

bool ReplaceFirst(char* text, std::size_t capacity, const char* pattern, const char* replacement) {
    const char* at = std::strstr(text, pattern);
    if (at == nullptr)
        return true;
    return ReplaceAt(text, capacity, at - text, std::strlen(pattern), replacement);
}

bool ReplaceAll(char* text, std::size_t capacity, const char* pattern, const char* replacement) {
    const std::size_t patternLength = std::strlen(pattern);
    if (patternLength == 0)
        return true;
    std::size_t from = 0;
    for (const char* at = std::strstr(text, pattern); at != nullptr; at = std::strstr(text + from, pattern)) {
        const std::size_t position = at - text;
        if (!ReplaceAt(text, capacity, position, patternLength, replacement))
            return false;
        // The text before the replacement holds no occurrence; a new one could only begin in
        // the last patternLength - 1 characters before it and run into the replacement.
        from = position + 1 >= patternLength ? position + 1 - patternLength : 0;
    }
    return true;
}

bool SplitAt(char* text, char first, char second, SplitPieces& pieces) {
    pieces.count = 1;
    pieces.piece[0] = text;
    for (char* c = text; *c != '\0'; ++c) {
        if (*c != first && *c != second)
            continue;
        if (pieces.count == SplitPieces::kMaxPieces)
            return false;
        pieces.flag[pieces.count - 1] = *c == first ? 1 : 0;
        *c = '\0';
        pieces.piece[pieces.count++] = c + 1;
    }
    return true;
}
