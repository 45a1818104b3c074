#pragma once

#include "panel/PanelPage.h"

// The picture shown for two seconds before the main window opens, run modally on the splash
// template. It closes itself from its initialisation: the user cannot dismiss it early.
class SplashPage : public PanelPage {
protected:
    INT_PTR OnInitDialog(LPARAM parameter) override;
};
