#include "glui/GlControl.h"

#include <GL/gl.h>

void GlControl::End() {
    glPopMatrix();
}

void GlControl::Begin(int x, int y, int width, int height) {
    m_x = x;
    m_y = y;
    m_width = width;
    m_height = height;
    glPushMatrix();
    glViewport(x, y, width, height);
}
