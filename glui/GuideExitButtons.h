#pragma once

#include "glui/GlControl.h"
#include "glui/GuideExitButtonsState.h"

// The guide button ("images\helper.dat") and the exit button ("images\exit.dat") of the top
// strip. The hovered one comes forward and spins. The application reads HoverIndex on a left
// click.
class GuideExitButtons : public GlControl {
public:
    // Pictures that fail to load leave their buttons untextured.
    void LoadImages(PageRequest* owner);
    // Draws both buttons and moves the hovered one's spin on by one frame.
    void Draw(int x, int y, int width, int height);
    // Takes a mouse move in client coordinates; plays the hover sound on coming onto a button.
    void HitTest(int x, int y);
    void ReleaseTextures();
    // 0 guide, 1 exit, -1 neither.
    int HoverIndex() const { return m_state.HoverIndex(); }

private:
    void DrawButton(int index);

    GuideExitButtonsState m_state;
    unsigned int m_textures[GuideExitButtonsState::kButtonCount] = {};
};
