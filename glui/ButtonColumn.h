#pragma once

#include "glui/GlControl.h"
#include "glui/ItemHover.h"

// A column of seven picture buttons over a backdrop that fades from red at the bottom to white
// at the top. The application reads HoverIndex when the left button goes down.
class ButtonColumn : public GlControl {
public:
    // Loads the pictures "Images\<prefix>1.dat" to "Images\<prefix>7.dat"; a button whose
    // picture fails to load is drawn untextured.
    virtual void LoadImages(PageRequest* owner, const char* prefix);
    // Takes a mouse move in client coordinates over the first count buttons; plays the hover
    // sound on coming onto another button. The buttons lie where the last Draw put the column.
    virtual void HitTest(int x, int y, int count);
    virtual void DrawItem(int index);
    virtual void DrawBackground();

    void Draw(int x, int y, int width, int height);
    void ReleaseTextures();
    // The button under the mouse (0 at the top), or -1.
    int HoverIndex() const { return m_hover.Index(); }

private:
    ItemHover m_hover;
    unsigned int m_textures[kColumnItemCount] = {};
};
