#pragma once

#include "expr/ExpressionText.h"

#include <cstddef>
#include <cstdint>
#include <string_view>

// A text in the middle of its reduction while some of its values are still to come: characters,
// and slots where the value text of a register of the program will stand. A value text is made
// of digits, '.' and '-', begins with a digit or '-' and ends with a digit; every question this
// class answers holds for any such text in the slots, or is answered "undecided". Like the
// texts it stands for, it holds at most 255 characters, a slot counting one.
class SymbolicText {
public:
    static constexpr int kNoSlot = -1;
    static constexpr std::size_t kCapacity = kWorkTextSize - 1;

    // Positions [begin, end) of the text.
    struct Range {
        std::size_t begin;
        std::size_t end;
    };

    // The pieces of a range between separators.
    struct Pieces {
        int count = 0;
        Range piece[SplitPieces::kMaxPieces];
    };

    // What ReadNumber reads at a position: a number fixed by the characters, or the value of a
    // slot (kNoSlot for a number).
    struct Reading {
        double number;
        int slot;
    };

    enum class Match { kNone, kFound, kUndecided };

    SymbolicText() = default;
    // The text (at most kCapacity characters) with every occurrence of variables[i] made a slot
    // of register registers[i].
    SymbolicText(std::string_view text, std::string_view variables, const int* registers);

    std::size_t Size() const { return m_size; }
    bool IsSlot(std::size_t position) const { return m_items[position].slot != kNoSlot; }
    // The character at a position, 0 at a slot: no character of the language is 0.
    char CharacterAt(std::size_t position) const { return m_items[position].character; }

    // Its brackets, for FindGroup: the first at or after `from`, and the character at a position.
    std::size_t Next(std::size_t from) const;
    char At(std::size_t position) const { return CharacterAt(position); }

    std::size_t CharacterCount() const { return m_characterCount; }
    std::size_t SlotCount() const { return m_size - m_characterCount; }

    bool Contains(char c) const { return Contains(c, {0, m_size}); }
    bool Contains(char c, Range range) const;
    SymbolicText Part(Range range) const;

    // False, with the text unchanged, when the text would hold more than 255 characters even
    // with one character in every slot.
    bool Replace(Range range, std::string_view characters);
    bool Replace(Range range, int slot);

    // The pieces of a range between the occurrences of either separator, as SplitAt cuts them;
    // false when there would be more than 30.
    bool Split(Range range, char first, char second, Pieces& pieces) const;

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
        std::int16_t slot;
    };

    bool Make(Range range, std::size_t length);

    std::size_t m_size = 0;
    std::size_t m_characterCount = 0;
    Item m_items[kCapacity];
};
