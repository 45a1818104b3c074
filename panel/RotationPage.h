#pragma once

#include "panel/ViewStatePage.h"

// The rotation angles of the plot about the three axes and the speeds it turns at, typed.
class RotationPage : public ViewStatePage {
public:
    RotationPage();
};
