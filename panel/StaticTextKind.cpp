#include "panel/StaticTextKind.h"

namespace {

constexpr wchar_t kOpeningBracket = L'\u3016'; // 〖
constexpr wchar_t kClosingBracket = L'\u3017'; // 〗

} // namespace

StaticTextKind ClassifyStaticText(std::wstring_view text) {
    // A closing bracket anywhere makes a title, even when the text does not open with one.
    if (text.find(kClosingBracket) != std::wstring_view::npos)
        return StaticTextKind::Title;
    if (text.starts_with(kOpeningBracket))
        return StaticTextKind::SectionRule;
    return StaticTextKind::Plain;
}
