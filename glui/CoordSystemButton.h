#pragma once

#include "glui/IconButton.h"

// Bottom-left icon; a click steps to the next coordinate system, as F6 does.
class CoordSystemButton : public IconButton {
public:
    CoordSystemButton() : IconButton("Images\\coords.dat", kCoordSystemIconRect, -0.22f, 0.24f) {}
};
