#pragma once

#include "model/GraphRecords.h"

#include <string>
#include <string_view>

// The three expressions of a parametric equation's text "x&y&z". A text with fewer than two '&'
// (only a hand-made file has one) leaves the missing expressions empty; text after a third '&'
// belongs to no expression.
struct ParametricText {
    std::string_view x;
    std::string_view y;
    std::string_view z;
};

inline ParametricText SplitParametricText(std::string_view text) {
    std::string_view part[3];
    for (int i = 0; i < 3 && !text.empty(); ++i) {
        const std::size_t cut = text.find('&');
        part[i] = text.substr(0, cut);
        text = cut == std::string_view::npos ? std::string_view() : text.substr(cut + 1);
    }
    return {part[0], part[1], part[2]};
}

// The record's text made of the three expressions: "x&y&z", cut to what the text field holds at
// a whole character.
inline std::string JoinParametricText(std::string_view x, std::string_view y, std::string_view z) {
    std::string text;
    text.append(x).append("&").append(y).append("&").append(z);
    return std::string(CutAtWholeCharacter(text, kTextSize - 1));
}
