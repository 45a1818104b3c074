#pragma once

#include <windows.h>

// The window code reports its failures in message boxes with fixed texts. They all go through
// here, so that tests can answer the boxes themselves instead of waiting on a dialog.
using MessageBoxFunction = int (*)(HWND owner, const wchar_t* text, const wchar_t* caption, UINT type);

// MessageBoxW, unless a test has put its own function in its place.
int ShowMessageBox(HWND owner, const wchar_t* text, const wchar_t* caption, UINT type);

// Puts a function in place of the real box; returns the one it replaces.
MessageBoxFunction ReplaceMessageBox(MessageBoxFunction function);
