#include "glui/GlQuad.h"

#include <windows.h>

#include <GL/gl.h>

void DrawTexturedQuad(float left, float bottom, float right, float top, float z) {
    glBegin(GL_QUADS);
    glTexCoord2f(0.0f, 0.0f);
    glVertex3f(left, bottom, z);
    glTexCoord2f(0.0f, 1.0f);
    glVertex3f(left, top, z);
    glTexCoord2f(1.0f, 1.0f);
    glVertex3f(right, top, z);
    glTexCoord2f(1.0f, 0.0f);
    glVertex3f(right, bottom, z);
    glEnd();
}

void DrawPlainQuad(float left, float bottom, float right, float top, float z) {
    glBegin(GL_QUADS);
    glVertex3f(left, bottom, z);
    glVertex3f(left, top, z);
    glVertex3f(right, top, z);
    glVertex3f(right, bottom, z);
    glEnd();
}
