#include "glui/BitmapFont_win.h"

#include "glui/PlotFont.h"
#include "win/GbkText.h"
#include "win/GdiSelection.h"

#include <GL/gl.h>

bool BitmapFont::Create() {
    m_font = CreateFontW(-kPlotFontPixels, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                         OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, NONANTIALIASED_QUALITY,
                         DEFAULT_PITCH | FF_DONTCARE, kPlotFontFace);
    if (m_font == nullptr)
        return false;
    const HDC dc = wglGetCurrentDC();
    const GdiSelection selection(dc, m_font);
    TEXTMETRICW metrics;
    if (!selection || !GetTextMetricsW(dc, &metrics)) {
        Release();
        return false;
    }
    m_height = metrics.tmHeight;
    m_ascent = metrics.tmAscent;
    return true;
}

void BitmapFont::Release() {
    for (const auto& [character, glyph] : m_glyphs)
        if (glyph.list != 0)
            glDeleteLists(glyph.list, 1);
    m_glyphs.clear();
    if (m_font != nullptr)
        DeleteObject(m_font);
    m_font = nullptr;
    m_height = m_ascent = 0;
}

const BitmapFont::Glyph& BitmapFont::GlyphOf(wchar_t character) const {
    if (const auto found = m_glyphs.find(character); found != m_glyphs.end())
        return found->second;
    Glyph glyph{0, 0};
    const HDC dc = wglGetCurrentDC();
    const GdiSelection selection(dc, m_font);
    GLYPHMETRICS metrics;
    const MAT2 identity = {{0, 1}, {0, 0}, {0, 0}, {0, 1}};
    const DWORD bitmapSize =
        m_font != nullptr && selection
            ? GetGlyphOutlineW(dc, character, GGO_BITMAP, &metrics, 0, nullptr, &identity)
            : GDI_ERROR;
    if (bitmapSize != GDI_ERROR)
        glyph.list = glGenLists(1);
    if (glyph.list == 0)
        return m_glyphs.emplace(character, glyph).first->second;
    // The bitmap moves the raster position on by the glyph's cell advance: the text's width adds up
    // the same advances.
    glyph.advance = metrics.gmCellIncX;
    if (bitmapSize == 0) {
        // Wine: a display list keeps no bitmap call made without bitmap data, which is how the
        // bitmap-font call makes a blank glyph (a space): its list would not move the raster
        // position. This one moves it, with an empty bitmap of its own.
        static constexpr GLubyte kNoBits[4] = {};
        glNewList(glyph.list, GL_COMPILE);
        glBitmap(0, 0, 0.0f, 0.0f, static_cast<float>(glyph.advance), 0.0f, kNoBits);
        glEndList();
    } else if (!wglUseFontBitmapsW(dc, character, 1, glyph.list)) {
        glDeleteLists(glyph.list, 1);
        glyph = {0, 0};
    }
    return m_glyphs.emplace(character, glyph).first->second;
}

int BitmapFont::Width(std::string_view text) const {
    int width = 0;
    for (const wchar_t character : GbkToWide(text))
        width += GlyphOf(character).advance;
    return width;
}

void BitmapFont::Draw(std::string_view text, int left, int top) const {
    if (m_font == nullptr)
        return;
    // The raster position is the start of the text's base line; each glyph's bitmap moves it on.
    glRasterPos2i(left, top + m_ascent);
    for (const wchar_t character : GbkToWide(text))
        if (const Glyph& glyph = GlyphOf(character); glyph.list != 0)
            glCallList(glyph.list);
}
