#include "win/GbkText.h"

#include <windows.h>

namespace {

constexpr UINT kGbkCodePage = 936;

} // namespace

// Both conversion calls fail on an empty input, so it returns early; any other failure gives an
// empty text, which is all a control or a record can do with it.
std::wstring MultiByteToWide(std::string_view text, unsigned int codePage) {
    if (text.empty())
        return {};
    const int size = static_cast<int>(text.size());
    const int length = MultiByteToWideChar(codePage, 0, text.data(), size, nullptr, 0);
    std::wstring wide(static_cast<std::size_t>(length), L'\0');
    if (length > 0)
        MultiByteToWideChar(codePage, 0, text.data(), size, wide.data(), length);
    return wide;
}

std::wstring GbkToWide(std::string_view text) {
    return MultiByteToWide(text, kGbkCodePage);
}

std::string WideToGbk(std::wstring_view text) {
    if (text.empty())
        return {};
    const int size = static_cast<int>(text.size());
    const int length = WideCharToMultiByte(kGbkCodePage, 0, text.data(), size, nullptr, 0, nullptr, nullptr);
    std::string gbk(static_cast<std::size_t>(length), '\0');
    if (length > 0)
        WideCharToMultiByte(kGbkCodePage, 0, text.data(), size, gbk.data(), length, nullptr, nullptr);
    return gbk;
}
