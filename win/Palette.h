#pragma once

#include <cstdint>

// The colours of the Win32 parts of the window, 0x00BBGGRR as COLORREF holds them: the value
// labels, the graph list and the side-panel pages share one look, green on black and dark grey.
inline constexpr std::uint32_t kPanelText = 0x00FF00;       // green
inline constexpr std::uint32_t kPanelBackground = 0x000000; // black
inline constexpr std::uint32_t kPanelBoxBackground =
    0x404040; // dark grey: edit boxes, the graph list, labels
inline constexpr std::uint32_t kPanelTitleBackground = 0xFF0000; // blue, behind page titles
inline constexpr std::uint32_t kPanelSectionText = 0x00FFFF;     // yellow section rules

// The graph list's rows.
inline constexpr std::uint32_t kRowEven = 0xFFFFFF;      // white
inline constexpr std::uint32_t kRowOdd = 0xFFF0E0;       // pale blue
inline constexpr std::uint32_t kRowSelected = 0xFF8000;  // azure
inline constexpr std::uint32_t kRowSeparator = 0xD1A570; // light steel blue
inline constexpr std::uint32_t kRowHatching = 0x460000;  // dark blue
inline constexpr std::uint32_t kListIconMask = 0xFF8000; // the icon strip's transparent colour
