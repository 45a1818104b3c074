#pragma once

#include "glui/IconButton.h"

// Bottom-strip icon; a click steps to the next rotation preset, as F8 does.
class RotationButton : public IconButton {
public:
    RotationButton() : IconButton("Images\\rotates.dat", kRotationIconRect, -0.16f, 0.37f) {}
};
