#pragma once

#include <string_view>

// How a page paints a static control, told by its text.
enum class StaticTextKind {
    Plain,       // green on black
    Title,       // page titles such as "〖旋转控制〗": green on blue
    SectionRule, // "〖" followed by dashes or equals signs, never closed: yellow on black
};

StaticTextKind ClassifyStaticText(std::wstring_view text);
