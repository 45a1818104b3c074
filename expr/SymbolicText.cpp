#include "expr/SymbolicText.h"

#include "expr/ExpressionText.h"
#include "expr/NumberText.h"

#include <cstring>

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// White space, which reading a number skips before the number and stops at after it.
bool IsBlank(char c) {
    return c == ' ' || (c >= '\t' && c <= '\r');
}

// Characters that reading a number never takes and never looks past: no number, exponent, hex
// prefix, inf or nan(...) has them. A reading that meets one before a slot is decided by the
// characters before it.
bool EndsEveryReading(char c) {
    return !(IsBlank(c) || IsDigit(c) || IsNameLetter(c) || c == '.' || c == '+' || c == '-' || c == '_' ||
             c == '(' || c == ')');
}

// Characters after a value text that a reading could take as part of the number: more digits, a
// point after an integer, an exponent, or the x of a hexadecimal 0x.
bool ContinuesAValue(char c) {
    return IsDigit(c) || c == '.' || c == 'e' || c == 'E' || c == 'x' || c == 'X';
}

} // namespace

SymbolicText::SymbolicText(std::string_view text, std::string_view variables, const int* registers) {
    for (const char c : text.substr(0, kCapacity)) {
        const std::size_t variable = variables.find(c);
        if (variable == std::string_view::npos) {
            m_items[m_size++] = {c, kNoSlot};
            ++m_characterCount;
        } else {
            m_items[m_size++] = {0, static_cast<std::int16_t>(registers[variable])};
        }
    }
}

std::size_t SymbolicText::Next(std::size_t from) const {
    for (std::size_t i = from; i < m_size; ++i) {
        const char c = m_items[i].character; // 0 at a slot
        if (c == '(' || c == ')' || c == '[' || c == ']' || c == '{' || c == '}')
            return i;
    }
    return kNoBracket;
}

bool SymbolicText::Contains(char c, Range range) const {
    for (std::size_t i = range.begin; i < range.end; ++i)
        if (m_items[i].slot == kNoSlot && m_items[i].character == c)
            return true;
    return false;
}

SymbolicText SymbolicText::Part(Range range) const {
    SymbolicText part;
    for (std::size_t i = range.begin; i < range.end; ++i) {
        part.m_items[part.m_size++] = m_items[i];
        part.m_characterCount += m_items[i].slot == kNoSlot;
    }
    return part;
}

// Makes the range `length` items long, moving what follows it.
bool SymbolicText::Make(Range range, std::size_t length) {
    const std::size_t size = m_size - (range.end - range.begin) + length;
    if (size > kCapacity)
        return false;
    for (std::size_t i = range.begin; i < range.end; ++i)
        m_characterCount -= m_items[i].slot == kNoSlot;
    std::memmove(m_items + range.begin + length, m_items + range.end, (m_size - range.end) * sizeof(Item));
    m_size = size;
    return true;
}

bool SymbolicText::Replace(Range range, std::string_view characters) {
    if (!Make(range, characters.size()))
        return false;
    for (std::size_t i = 0; i < characters.size(); ++i)
        m_items[range.begin + i] = {characters[i], kNoSlot};
    m_characterCount += characters.size();
    return true;
}

bool SymbolicText::Replace(Range range, int slot) {
    if (!Make(range, 1))
        return false;
    m_items[range.begin] = {0, static_cast<std::int16_t>(slot)};
    return true;
}

bool SymbolicText::Split(Range range, char first, char second, Pieces& pieces) const {
    pieces.count = 0;
    std::size_t start = range.begin;
    for (std::size_t i = range.begin; i <= range.end; ++i) {
        if (i < range.end &&
            (m_items[i].slot != kNoSlot || (m_items[i].character != first && m_items[i].character != second)))
            continue;
        if (pieces.count == SplitPieces::kMaxPieces)
            return false;
        pieces.piece[pieces.count++] = {start, i};
        start = i + 1;
    }
    return true;
}

bool SymbolicText::ReadNumberAt(std::size_t position, Reading& reading) const {
    std::size_t first = position;
    while (first < m_size && m_items[first].slot == kNoSlot && IsBlank(m_items[first].character))
        ++first;
    if (first < m_size && m_items[first].slot != kNoSlot) {
        const std::size_t next = first + 1;
        if (next < m_size && (m_items[next].slot != kNoSlot || ContinuesAValue(m_items[next].character)))
            return false;
        reading = {0.0, m_items[first].slot};
        return true;
    }
    // Characters up to the next slot; a reading that could run into the slot is left undecided.
    char characters[kCapacity + 1];
    std::size_t length = 0;
    bool ended = false;
    for (std::size_t i = position; i < m_size && m_items[i].slot == kNoSlot; ++i) {
        characters[length++] = m_items[i].character;
        ended = ended || EndsEveryReading(m_items[i].character);
    }
    characters[length] = '\0';
    if (position + length < m_size && !ended)
        return false;
    reading = {ReadNumber(characters), kNoSlot};
    return true;
}

SymbolicText::Match SymbolicText::Find(std::string_view pattern, std::size_t from, std::size_t& at) const {
    for (std::size_t start = from; start < m_size; ++start) {
        std::size_t i = start;
        std::size_t j = 0;
        for (; j < pattern.size() && i < m_size; ++i, ++j) {
            if (m_items[i].slot != kNoSlot) {
                // A value text begins with a digit or '-'.
                if (IsDigit(pattern[j]) || pattern[j] == '-')
                    return Match::kUndecided;
                break;
            }
            if (m_items[i].character != pattern[j])
                break;
        }
        if (j == pattern.size()) {
            at = start;
            return Match::kFound;
        }
    }
    return Match::kNone;
}
