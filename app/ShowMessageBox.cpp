#include "app/ShowMessageBox.h"

#include <windows.h>

namespace {

int ShowRealMessageBox(const wchar_t* text, const wchar_t* caption, unsigned int type) {
    return MessageBoxW(nullptr, text, caption, type);
}

MessageBoxFunction g_messageBox = ShowRealMessageBox;

} // namespace

int ShowMessageBox(const wchar_t* text, const wchar_t* caption, unsigned int type) {
    return g_messageBox(text, caption, type);
}

MessageBoxFunction ReplaceMessageBox(MessageBoxFunction function) {
    const MessageBoxFunction previous = g_messageBox;
    g_messageBox = function;
    return previous;
}
