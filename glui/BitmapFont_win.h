#pragma once

#include "glui/TextMeasure.h"

#include <windows.h>

#include <string_view>
#include <unordered_map>

// The plot view's small text, drawn by OpenGL: the plot font's glyphs as display lists of bitmaps
// (wglUseFontBitmaps), each made the first time a text needs it. Texts are 8-bit GBK, as in the
// graph records. Needs the OpenGL context current from Create to Release.
class BitmapFont : public TextMeasure {
public:
    BitmapFont() = default;
    BitmapFont(const BitmapFont&) = delete;
    BitmapFont& operator=(const BitmapFont&) = delete;

    // Makes the font; false when the system gives none, and texts then take no room and show
    // nothing.
    bool Create();
    // Deletes the display lists and the font.
    void Release();

    int Width(std::string_view text) const override;
    int Height() const override { return m_height; }
    // Writes a text in the current colour with the top-left corner of its box at (left, top), in
    // a projection where one unit is one pixel and y grows downwards.
    void Draw(std::string_view text, int left, int top) const;

private:
    struct Glyph {
        unsigned int list; // 0 when the glyph could not be made
        int advance;
    };
    const Glyph& GlyphOf(wchar_t character) const;

    HFONT m_font = nullptr;
    int m_height = 0;
    int m_ascent = 0;
    mutable std::unordered_map<wchar_t, Glyph> m_glyphs;
};
