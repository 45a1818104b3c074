#include "glui/TitleBox.h"

#include "glui/Texture.h"

#include <GL/gl.h>

#include <cstdio>

namespace {

constexpr const char* kFaceNames[] = {"title", "name", "company", "author"};

struct Vertex {
    float x;
    float y;
    float z;
};

// Front, back, top and bottom face, each listed from the corner that takes texture (0, 0).
constexpr Vertex kFaces[][4] = {
    {{-0.75f, -0.5f, 0.5f}, {-0.75f, 0.5f, 0.5f}, {0.75f, 0.5f, 0.5f}, {0.75f, -0.5f, 0.5f}},
    {{-0.75f, 0.5f, -0.5f}, {-0.75f, -0.5f, -0.5f}, {0.75f, -0.5f, -0.5f}, {0.75f, 0.5f, -0.5f}},
    {{-0.75f, 0.5f, 0.5f}, {-0.75f, 0.5f, -0.5f}, {0.75f, 0.5f, -0.5f}, {0.75f, 0.5f, 0.5f}},
    {{-0.75f, -0.5f, -0.5f}, {-0.75f, -0.5f, 0.5f}, {0.75f, -0.5f, 0.5f}, {0.75f, -0.5f, -0.5f}},
};
constexpr float kTexCoords[4][2] = {{0.0f, 0.0f}, {0.0f, 1.0f}, {1.0f, 1.0f}, {1.0f, 0.0f}};

} // namespace

void TitleBox::LoadImages(PageRequest* owner) {
    m_owner = owner;
    for (int i = 0; i < kFaceCount; ++i) {
        char fileName[100];
        std::snprintf(fileName, sizeof fileName, "images\\%s.dat", kFaceNames[i]);
        LoadTexture(fileName, m_textures[i]);
    }
}

void TitleBox::Draw(int x, int y, int width, int height) {
    Begin(x, y, width, height);
    glTranslatef(0.0f, 0.0f, -2.0f);
    glRotatef(m_state.NextAngle(), 1.0f, 0.0f, 0.0f);
    for (int face = 0; face < kFaceCount; ++face) {
        glBindTexture(GL_TEXTURE_2D, m_textures[face]);
        glBegin(GL_QUADS);
        for (int corner = 0; corner < 4; ++corner) {
            const Vertex& v = kFaces[face][corner];
            glTexCoord2f(kTexCoords[corner][0], kTexCoords[corner][1]);
            glVertex3f(v.x, v.y, v.z);
        }
        glEnd();
    }
    glBindTexture(GL_TEXTURE_2D, 0);
    End();
}

void TitleBox::ReleaseTextures() {
    ::ReleaseTextures(m_textures);
}
