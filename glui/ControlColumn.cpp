#include "glui/ControlColumn.h"

#include "glui/ColumnDrawing.h"
#include "glui/Sound.h"
#include "glui/Texture.h"

#include <GL/gl.h>

#include <cstdio>

void ControlColumn::LoadImages(PageRequest* owner) {
    m_owner = owner;
    for (int i = 0; i < kColumnItemCount; ++i) {
        char fileName[100];
        std::snprintf(fileName, sizeof fileName, "Images\\control%d.dat", i + 1);
        LoadTexture(fileName, m_textures[i]);
    }
}

void ControlColumn::HitTest(int x, int y, int count) {
    if (m_hover.MouseMoveOverColumn(m_x, m_x + m_width, count, x, y))
        PlaySoundFile(kHoverSound);
}

void ControlColumn::DrawItem(int index) {
    DrawColumnItem(index, m_textures[index], index == m_hover.Index());
}

void ControlColumn::DrawBackground() {
    DrawColumnBackdrop(0.0f, 0.0f, 1.0f);
}

void ControlColumn::Draw(int x, int y, int width, int height) {
    Begin(x, y, width, height);
    DrawBackground();
    for (int i = 0; i < kColumnItemCount; ++i)
        DrawItem(i);
    End();
}

void ControlColumn::ReleaseTextures() {
    glDeleteTextures(kColumnItemCount, m_textures);
    for (unsigned int& texture : m_textures)
        texture = 0;
}
