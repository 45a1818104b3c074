#pragma once

#include "glui/ButtonColumn.h"

// The column of tools beside the plot: pictures "Images\control1.dat" to "Images\control7.dat"
// over a backdrop that fades from blue at the bottom to white at the top.
class ControlColumn : public ButtonColumn {
public:
    using ButtonColumn::LoadImages;
    void LoadImages(PageRequest* owner) { ButtonColumn::LoadImages(owner, "control"); }
    void DrawBackground() override;
};
