#pragma once

#include <string>
#include <string_view>

// A topic of the guide, as the string table holds it: a title, a full-width colon "：" and the
// text. Split in UTF-16, as the strings are loaded: in GBK the colon's bytes A3 BA can also
// straddle two characters ("模函" is C4 A3 BA AF).
struct GuideTopic {
    std::wstring title; // the list item
    std::wstring text;  // for the multi-line box, every line break as CRLF
};

// Splits at the first "："; a string without one is both the title and the text.
GuideTopic SplitGuideTopic(std::wstring_view topic);
