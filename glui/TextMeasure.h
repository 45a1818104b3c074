#pragma once

#include <string_view>

// The size of a line of text in the font the plot view writes with, in pixels.
class TextMeasure {
public:
    virtual ~TextMeasure() = default;
    virtual int Width(std::string_view text) const = 0;
    virtual int Height() const = 0;
};
