#include "glui/IconButton.h"

#include "glui/GlQuad.h"
#include "glui/Sound.h"
#include "glui/Texture.h"

#include <GL/gl.h>

namespace {
constexpr float kIconX = -0.67f;
constexpr float kIconDepth = -2.0f;
constexpr float kQuadZ = 0.5f;
constexpr float kHalfHeight = 0.62f;
} // namespace

IconButton::IconButton(const char* fileName, const ClientRect& hoverRect, float left, float right)
    : m_fileName(fileName), m_hover(hoverRect), m_left(left), m_right(right) {}

void IconButton::LoadImages(PageRequest* owner) {
    m_owner = owner;
    LoadTexture(m_fileName, m_texture);
}

void IconButton::Draw(int x, int y, int width, int height) {
    Begin(x, y, width, height);
    glBindTexture(GL_TEXTURE_2D, m_texture);
    glTranslatef(kIconX, 0.0f, kIconDepth);
    if (m_hover.IsSet())
        glColor3f(0.5f, 0.75f, 1.0f);
    DrawTexturedQuad(m_left, -kHalfHeight, m_right, kHalfHeight, kQuadZ);
    glColor3f(1.0f, 1.0f, 1.0f);
    glBindTexture(GL_TEXTURE_2D, 0);
    End();
}

void IconButton::HitTest(int x, int y) {
    if (m_hover.MouseMove(x, y))
        PlaySoundFile(kHoverSound);
}

void IconButton::ReleaseTextures() {
    ::ReleaseTextures({&m_texture, 1});
}
