#include "glui/GuideExitButtons.h"

#include "glui/GlQuad.h"
#include "glui/Sound.h"
#include "glui/Texture.h"

#include <GL/gl.h>

#include <cstdio>

namespace {
constexpr const char* kButtonNames[GuideExitButtonsState::kButtonCount] = {"helper", "exit"};
constexpr float kHalfWidth = 0.07f;
constexpr float kHalfHeight = 0.4f;
} // namespace

void GuideExitButtons::LoadImages(PageRequest* owner) {
    m_owner = owner;
    for (int i = 0; i < GuideExitButtonsState::kButtonCount; ++i) {
        char fileName[100];
        std::snprintf(fileName, sizeof fileName, "images\\%s.dat", kButtonNames[i]);
        LoadTexture(fileName, m_textures[i]);
    }
}

void GuideExitButtons::Draw(int x, int y, int width, int height) {
    Begin(x, y, width, height);
    for (int i = 0; i < GuideExitButtonsState::kButtonCount; ++i)
        DrawButton(i);
    End();
}

void GuideExitButtons::DrawButton(int index) {
    const CornerButtonPose pose = m_state.NextPose(index);
    glPushMatrix();
    glTranslatef(pose.x, 0.0f, pose.z);
    glRotatef(pose.angle, 0.0f, 1.0f, 0.0f);
    glBindTexture(GL_TEXTURE_2D, m_textures[index]);
    DrawTexturedQuad(-kHalfWidth, -kHalfHeight, kHalfWidth, kHalfHeight, 0.0f);
    glBindTexture(GL_TEXTURE_2D, 0);
    glPopMatrix();
}

void GuideExitButtons::HitTest(int x, int y) {
    if (m_state.MouseMove(x, y))
        PlaySoundFile(kHoverSound);
}

void GuideExitButtons::ReleaseTextures() {
    ::ReleaseTextures(m_textures);
}
