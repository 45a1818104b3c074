#include "glui/ColumnDrawing.h"

#include "glui/GlQuad.h"

#include <windows.h>

#include <GL/gl.h>

namespace {
constexpr float kBackdropDepth = -1.8f;
constexpr float kItemDepth = -0.8f;
constexpr float kFirstItemY = 0.29f;
constexpr float kItemPitch = 0.095f;
constexpr float kItemHalfWidth = 0.4f;
constexpr float kItemHalfHeight = 0.032f;
} // namespace

void DrawColumnBackdrop(float red, float green, float blue) {
    glTranslatef(0.0f, 0.0f, kBackdropDepth);
    glBegin(GL_QUADS);
    glColor3f(red, green, blue);
    glVertex3f(-1.0f, -1.0f, 0.0f);
    glVertex3f(1.0f, -1.0f, 0.0f);
    glColor3f(1.0f, 1.0f, 1.0f);
    glVertex3f(1.0f, 1.0f, 0.0f);
    glVertex3f(-1.0f, 1.0f, 0.0f);
    glEnd();
    glTranslatef(0.0f, 0.0f, -kBackdropDepth);
    glColor3f(1.0f, 1.0f, 1.0f);
}

void DrawColumnItem(int index, unsigned int texture, bool hovered) {
    const float y = kFirstItemY - kItemPitch * static_cast<float>(index);
    glTranslatef(0.0f, y, kItemDepth);
    glBindTexture(GL_TEXTURE_2D, texture);
    if (hovered)
        glColor3f(1.0f, 0.8f, 0.5f);
    else
        glColor3f(1.0f, 1.0f, 1.0f);
    DrawTexturedQuad(-kItemHalfWidth, -kItemHalfHeight, kItemHalfWidth, kItemHalfHeight, 0.0f);
    glColor3f(1.0f, 1.0f, 1.0f);
    glBindTexture(GL_TEXTURE_2D, 0);
    glTranslatef(0.0f, -y, -kItemDepth);
}
