#pragma once

#include "glui/GlControl.h"
#include "glui/TitleBoxState.h"

// A box in the top-left corner that turns about its horizontal axis, one picture on each of its
// four long faces: "images\title.dat", "images\name.dat", "images\company.dat" and
// "images\author.dat".
class TitleBox : public GlControl {
public:
    // Pictures that fail to load leave their faces untextured.
    void LoadImages(PageRequest* owner);
    // Draws the box and turns it on by one frame.
    void Draw(int x, int y, int width, int height);
    void ReleaseTextures();

private:
    static constexpr int kFaceCount = 4;

    TitleBoxState m_state;
    unsigned int m_textures[kFaceCount] = {};
};
