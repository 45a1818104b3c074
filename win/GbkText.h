#pragma once

#include <string>
#include <string_view>

// The texts inside graph records and the workspace file are 8-bit GBK (code page 936) so that the
// files stay byte-compatible; the controls hold UTF-16. Every text crossing between the two goes
// through these. ASCII is the same in both. A character GBK cannot hold becomes "?".
std::wstring GbkToWide(std::string_view text);
// The same from any 8-bit code page (CP_UTF8 for our own sources, CP_ACP for file names).
std::wstring MultiByteToWide(std::string_view text, unsigned int codePage);
std::string WideToGbk(std::wstring_view text);
