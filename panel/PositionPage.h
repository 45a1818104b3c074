#pragma once

#include "panel/ViewStatePage.h"

// The origin of the plot's coordinate system, typed.
class PositionPage : public ViewStatePage {
public:
    PositionPage();
};
