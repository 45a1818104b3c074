#pragma once

#include "glui/IconButton.h"

// Bottom-strip icon; a click steps to the next origin position, as F7 does.
class PositionButton : public IconButton {
public:
    PositionButton() : IconButton("Images\\observes.dat", kPositionIconRect, -0.16f, 0.37f) {}
};
