#pragma once

#include "glui/GlControl.h"
#include "glui/ItemHover.h"

// The column of tools beside the plot: seven picture buttons "Images\control1.dat" to
// "Images\control7.dat" over a backdrop that fades from blue at the bottom to white at the top.
// It hovers and draws its buttons like ButtonColumn, without being one.
class ControlColumn : public GlControl {
public:
    // A button whose picture fails to load is drawn untextured.
    void LoadImages(PageRequest* owner);
    // Takes a mouse move in client coordinates over the first count buttons; plays the hover
    // sound on coming onto another button. The buttons lie where the last Draw put the column.
    void HitTest(int x, int y, int count);
    void DrawItem(int index);
    void DrawBackground();
    void Draw(int x, int y, int width, int height);
    void ReleaseTextures();
    // The button under the mouse (0 at the top), or -1.
    int HoverIndex() const { return m_hover.Index(); }

private:
    ItemHover m_hover;
    unsigned int m_textures[kColumnItemCount] = {};
};
