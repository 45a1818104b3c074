#pragma once

// The font of the plot's numbers and readout: a face every Windows has, at a small size in
// pixels. The end-to-end tests render their expected texts with it.
inline constexpr wchar_t kPlotFontFace[] = L"MS Shell Dlg";
inline constexpr int kPlotFontPixels = 12; // the height of the characters, without the leading
