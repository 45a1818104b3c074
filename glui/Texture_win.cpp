#include "glui/Texture.h"

#include "glui/DibLoader.h"

#include <windows.h>

#include <GL/gl.h>

#include <type_traits>

static_assert(std::is_same_v<GLuint, unsigned int>, "texture slots hold OpenGL names");

bool LoadTexture(const char* fileName, unsigned int& texture) {
    const DibImageHolder image = LoadDibImage(fileName);
    if (!image)
        return false;
    glGenTextures(1, &texture);
    glBindTexture(GL_TEXTURE_2D, texture);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    // The rows are packed without padding. With the default alignment of 4 a picture whose
    // width × 3 is not a multiple of 4 would be read skewed and past the end of its pixels.
    GLint alignment = 4;
    glGetIntegerv(GL_UNPACK_ALIGNMENT, &alignment);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 1);
    glTexImage2D(GL_TEXTURE_2D, 0, 3, image->width, image->height, 0, GL_RGB, GL_UNSIGNED_BYTE,
                 image->pixels);
    glPixelStorei(GL_UNPACK_ALIGNMENT, alignment);
    return true;
}

void ReleaseTextures(std::span<unsigned int> textures) {
    glDeleteTextures(static_cast<GLsizei>(textures.size()), textures.data());
    for (unsigned int& texture : textures)
        texture = 0;
}
