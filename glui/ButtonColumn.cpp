#include "glui/ButtonColumn.h"

#include "glui/ColumnDrawing.h"
#include "glui/Sound.h"
#include "glui/Texture.h"

#include <GL/gl.h>

#include <cstdio>

void ButtonColumn::LoadImages(PageRequest* owner, const char* prefix) {
    m_owner = owner;
    for (int i = 0; i < kColumnItemCount; ++i) {
        char fileName[100];
        std::snprintf(fileName, sizeof fileName, "Images\\%s%d.dat", prefix, i + 1);
        LoadTexture(fileName, m_textures[i]);
    }
}

void ButtonColumn::HitTest(int x, int y, int count) {
    if (m_hover.MouseMoveOverColumn(m_x, m_x + m_width, count, x, y))
        PlaySoundFile(kHoverSound);
}

void ButtonColumn::DrawItem(int index) {
    DrawColumnItem(index, m_textures[index], index == m_hover.Index());
}

void ButtonColumn::DrawBackground() {
    DrawColumnBackdrop(1.0f, 0.0f, 0.0f);
}

void ButtonColumn::Draw(int x, int y, int width, int height) {
    Begin(x, y, width, height);
    DrawBackground();
    for (int i = 0; i < kColumnItemCount; ++i)
        DrawItem(i);
    End();
}

void ButtonColumn::ReleaseTextures() {
    ::ReleaseTextures(m_textures);
}
