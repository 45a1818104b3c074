#include "panel/GuideTopic.h"

namespace {

constexpr wchar_t kFullWidthColon = L'\uFF1A';

// A multi-line edit box breaks lines at CRLF only; the strings may hold LF, CR or CRLF.
std::wstring WithCrLf(std::wstring_view text) {
    std::wstring result;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == L'\r' || text[i] == L'\n') {
            result += L"\r\n";
            if (text[i] == L'\r' && i + 1 < text.size() && text[i + 1] == L'\n')
                ++i;
        } else {
            result += text[i];
        }
    }
    return result;
}

} // namespace

GuideTopic SplitGuideTopic(std::wstring_view topic) {
    const std::size_t colon = topic.find(kFullWidthColon);
    if (colon == std::wstring_view::npos)
        return {std::wstring(topic), WithCrLf(topic)};
    return {std::wstring(topic.substr(0, colon)), WithCrLf(topic.substr(colon + 1))};
}
