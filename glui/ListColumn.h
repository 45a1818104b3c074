#pragma once

#include "glui/ButtonColumn.h"

// The column of graph-list operations at the right edge, pictures "Images\list1.dat" to
// "Images\list7.dat" over the red backdrop.
class ListColumn : public ButtonColumn {
public:
    using ButtonColumn::LoadImages;
    void LoadImages(PageRequest* owner) { ButtonColumn::LoadImages(owner, "list"); }
};
