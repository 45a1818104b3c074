#pragma once

#include "glui/GlControl.h"
#include "glui/IconHover.h"

// An icon of the bottom strip: one picture at the left of its viewport, tinted light blue while
// the mouse is over it. The rest of the viewport is left to the value labels that the
// application places beside the icon. The application reads IsHovered on a left click.
class IconButton : public GlControl {
public:
    // A picture that fails to load leaves the icon untextured.
    void LoadImages(PageRequest* owner);
    void Draw(int x, int y, int width, int height);
    // Takes a mouse move in client coordinates; plays the hover sound on entering the icon.
    void HitTest(int x, int y);
    void ReleaseTextures();
    bool IsHovered() const { return m_hover.IsSet(); }

protected:
    // left and right: the picture's horizontal extent in eye coordinates.
    IconButton(const char* fileName, const ClientRect& hoverRect, float left, float right);

private:
    const char* m_fileName;
    IconHover m_hover;
    float m_left;
    float m_right;
    unsigned int m_texture = 0;
};
