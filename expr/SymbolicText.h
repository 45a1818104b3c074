#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

// A text in the middle of its reduction while some of its values are still to come: characters,
// and slots where the value text of a register of the program will stand. A value text is made
// of digits, '.' and '-', begins with a digit or '-' and ends with a digit; every question this
// class answers holds for any such text in the slots, or is answered "undecided".
class SymbolicText {
public:
    static constexpr int kNoSlot = -1;

    // Positions [begin, end) of the text.
    struct Range {
        std::size_t begin;
        std::size_t end;
    };

    // What ReadNumber reads at a position: a number fixed by the characters, or the value of a
    // slot (kNoSlot for a number).
    struct Reading {
        double number;
        int slot;
    };

    enum class Match { kNone, kFound, kUndecided };

    SymbolicText() = default;
    // The text with every occurrence of variables[i] made a slot of register registers[i].
    SymbolicText(std::string_view text, std::string_view variables, const int* registers);

    std::size_t Size() const { return m_items.size(); }
    bool IsSlot(std::size_t position) const { return m_items[position].slot != kNoSlot; }
    int SlotAt(std::size_t position) const { return m_items[position].slot; }
    // The character at a position, 0 at a slot: no character of the language is 0.
    char CharacterAt(std::size_t position) const { return m_items[position].character; }

    std::size_t CharacterCount() const { return m_characterCount; }
    std::size_t SlotCount() const { return m_items.size() - m_characterCount; }

    bool Contains(char c) const { return Contains(c, {0, m_items.size()}); }
    bool Contains(char c, Range range) const;
    SymbolicText Part(Range range) const;

    void Replace(Range range, std::string_view characters);
    void Replace(Range range, int slot);

    // The pieces of a range between the occurrences of either separator, as SplitAt cuts them;
    // false when there would be more than 30.
    bool Split(Range range, char first, char second, std::vector<Range>& pieces) const;

    // What ReadNumber reads from a position on. False when the characters of a slot decide it:
    // a slot written next to a digit, a '.', a sign or another slot, where the reading would run
    // from one into the other (2x reads 23 at x = 3 and 2 at x = -3).
    bool ReadNumberAt(std::size_t position, Reading& reading) const;

    // The first occurrence of a pattern at or after `from`; undecided when one could begin before
    // any certain one, depending on the characters of a slot.
    Match Find(std::string_view pattern, std::size_t from, std::size_t& at) const;

private:
    struct Item {
        char character;
        int slot;
    };

    std::vector<Item> m_items;
    std::size_t m_characterCount = 0;
};
