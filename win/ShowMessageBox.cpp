#include "win/ShowMessageBox.h"

#include <utility>

namespace {

MessageBoxFunction g_messageBox = &MessageBoxW;

} // namespace

int ShowMessageBox(HWND owner, const wchar_t* text, const wchar_t* caption, UINT type) {
    return g_messageBox(owner, text, caption, type);
}

MessageBoxFunction ReplaceMessageBox(MessageBoxFunction function) {
    return std::exchange(g_messageBox, function);
}
