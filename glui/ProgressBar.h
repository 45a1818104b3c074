#pragma once

#include "glui/GlControl.h"
#include "glui/ProgressBarState.h"

// The progress of the plot computation: an icon, then a framed bar filled to the value.
class ProgressBar : public GlControl {
public:
    // Pictures that fail to load leave the icon and the bar untextured.
    void LoadImages(PageRequest* owner);
    void Draw(int x, int y, int width, int height);
    void ReleaseTextures();
    // Percent; a value above 100 is drawn, and kept, as 100.
    void SetValue(int percent) { m_state.SetValue(percent); }
    int Value() const { return m_state.Value(); }

private:
    ProgressBarState m_state;
    unsigned int m_iconTexture = 0;
    unsigned int m_barTexture = 0;
};
