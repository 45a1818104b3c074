#pragma once

#include <span>

// Loads a BMP file (LoadDibImage) into a new OpenGL texture with linear filtering, left bound to
// GL_TEXTURE_2D, its rows bottom row first (t = 0 is the bottom of the picture). True when a
// texture was made and its name stored in texture; false otherwise, the slot left untouched.
// Needs the current OpenGL context.
bool LoadTexture(const char* fileName, unsigned int& texture);

// Deletes the textures and clears their names, so that a later release deletes nothing.
void ReleaseTextures(std::span<unsigned int> textures);
