#include "expr/SymbolicText.h"

#include "expr/ExpressionText.h"
#include "expr/NumberText.h"

#include <string>

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// Characters that reading a number never takes and never looks past: no number, exponent, hex
// prefix, inf or nan(...) has them, and white space only leads a number. A reading that meets
// one before a slot is decided by the characters before it.
bool EndsEveryReading(char c) {
    const bool blank = c == ' ' || (c >= '\t' && c <= '\r');
    return !(blank || IsDigit(c) || IsNameLetter(c) || c == '.' || c == '+' || c == '-' || c == '_' ||
             c == '(' || c == ')');
}

// Characters after a value text that a reading could take as part of the number: more digits, a
// point after an integer, an exponent, or the x of a hexadecimal 0x.
bool ContinuesAValue(char c) {
    return IsDigit(c) || c == '.' || c == 'e' || c == 'E' || c == 'x' || c == 'X';
}

} // namespace

SymbolicText::SymbolicText(std::string_view text, std::string_view variables, const int* registers) {
    m_items.reserve(text.size());
    for (const char c : text) {
        const std::size_t variable = variables.find(c);
        if (variable == std::string_view::npos) {
            m_items.push_back({c, kNoSlot});
            ++m_characterCount;
        } else {
            m_items.push_back({0, registers[variable]});
        }
    }
}

bool SymbolicText::Contains(char c, Range range) const {
    for (std::size_t i = range.begin; i < range.end; ++i)
        if (m_items[i].slot == kNoSlot && m_items[i].character == c)
            return true;
    return false;
}

SymbolicText SymbolicText::Part(Range range) const {
    SymbolicText part;
    part.m_items.assign(m_items.begin() + range.begin, m_items.begin() + range.end);
    for (const Item& item : part.m_items)
        part.m_characterCount += item.slot == kNoSlot;
    return part;
}

void SymbolicText::Replace(Range range, std::string_view characters) {
    for (std::size_t i = range.begin; i < range.end; ++i)
        m_characterCount -= m_items[i].slot == kNoSlot;
    std::vector<Item> items;
    items.reserve(characters.size());
    for (const char c : characters)
        items.push_back({c, kNoSlot});
    m_characterCount += characters.size();
    m_items.erase(m_items.begin() + range.begin, m_items.begin() + range.end);
    m_items.insert(m_items.begin() + range.begin, items.begin(), items.end());
}

void SymbolicText::Replace(Range range, int slot) {
    for (std::size_t i = range.begin; i < range.end; ++i)
        m_characterCount -= m_items[i].slot == kNoSlot;
    m_items.erase(m_items.begin() + range.begin + 1, m_items.begin() + range.end);
    m_items[range.begin] = {0, slot};
}

bool SymbolicText::Split(Range range, char first, char second, std::vector<Range>& pieces) const {
    pieces.clear();
    std::size_t start = range.begin;
    for (std::size_t i = range.begin; i < range.end; ++i) {
        if (m_items[i].slot != kNoSlot || (m_items[i].character != first && m_items[i].character != second))
            continue;
        pieces.push_back({start, i});
        start = i + 1;
    }
    pieces.push_back({start, range.end});
    return pieces.size() <= static_cast<std::size_t>(SplitPieces::kMaxPieces);
}

bool SymbolicText::ReadNumberAt(std::size_t position, Reading& reading) const {
    std::size_t first = position;
    while (first < m_items.size() && m_items[first].slot == kNoSlot &&
           (m_items[first].character == ' ' ||
            (m_items[first].character >= '\t' && m_items[first].character <= '\r')))
        ++first;
    if (first < m_items.size() && m_items[first].slot != kNoSlot) {
        const std::size_t next = first + 1;
        if (next < m_items.size() &&
            (m_items[next].slot != kNoSlot || ContinuesAValue(m_items[next].character)))
            return false;
        reading = {0.0, m_items[first].slot};
        return true;
    }
    // Characters up to the next slot; a reading that could run into the slot is left undecided.
    std::string characters;
    std::size_t end = position;
    bool ended = false;
    for (; end < m_items.size() && m_items[end].slot == kNoSlot; ++end) {
        characters += m_items[end].character;
        ended = ended || EndsEveryReading(m_items[end].character);
    }
    if (end < m_items.size() && !ended)
        return false;
    reading = {ReadNumber(characters.c_str()), kNoSlot};
    return true;
}

SymbolicText::Match SymbolicText::Find(std::string_view pattern, std::size_t from, std::size_t& at) const {
    for (std::size_t start = from; start < m_items.size(); ++start) {
        std::size_t i = start;
        std::size_t j = 0;
        for (; j < pattern.size() && i < m_items.size(); ++i, ++j) {
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
