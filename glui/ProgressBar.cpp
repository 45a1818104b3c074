#include "glui/ProgressBar.h"

#include "glui/GlQuad.h"
#include "glui/Texture.h"

#include <GL/gl.h>

namespace {
constexpr float kQuadZ = 0.5f;
} // namespace

void ProgressBar::LoadImages(PageRequest* owner) {
    m_owner = owner;
    LoadTexture("images\\progress.dat", m_iconTexture);
    LoadTexture("images\\progressbar.dat", m_barTexture);
}

void ProgressBar::Draw(int x, int y, int width, int height) {
    const float barRight = m_state.BarRight();
    Begin(x, y, width, height);
    glTranslatef(-0.7f, 0.0f, -2.0f);
    glBindTexture(GL_TEXTURE_2D, m_iconTexture);
    DrawTexturedQuad(-0.14f, -0.62f, 0.14f, 0.62f, kQuadZ);

    // The frame and the inner box keep the icon bound and its last texture coordinate (1, 0):
    // the frame takes the colour of that texel, the inner box is black.
    glTranslatef(0.7f, 0.0f, 0.0f);
    glColor3f(1.0f, 1.0f, 1.0f);
    DrawPlainQuad(-0.56f, -0.62f, 0.82f, 0.62f, kQuadZ);
    glColor3f(0.0f, 0.0f, 0.0f);
    DrawPlainQuad(-0.55f, -0.6f, 0.81f, 0.6f, kQuadZ);

    // The whole bar picture is stretched over the filled part.
    glColor3f(1.0f, 1.0f, 1.0f);
    glBindTexture(GL_TEXTURE_2D, m_barTexture);
    DrawTexturedQuad(ProgressBarState::kBarLeft, -0.6f, barRight, 0.6f, kQuadZ);
    glBindTexture(GL_TEXTURE_2D, 0);
    End();
}

void ProgressBar::ReleaseTextures() {
    ::ReleaseTextures({&m_iconTexture, 1});
    ::ReleaseTextures({&m_barTexture, 1});
}
