#pragma once

#include "panel/PanelPage.h"

// What the three calculators share: a confirm button that calculates from what the boxes hold,
// and a return button that closes the page.
class CalculatorPage : public PanelPage {
public:
    CalculatorPage();

protected:
    INT_PTR OnCommand(int id, int code, LPARAM lParam) override;
    virtual void Calculate() = 0;
};
