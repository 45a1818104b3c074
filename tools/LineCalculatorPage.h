#pragma once

#include "tools/CalculatorPage.h"

// Two straight lines in general form, a·x + b·y + c = 0: their slopes, inclinations, intercepts
// and the angle between them.
class LineCalculatorPage : public CalculatorPage {
protected:
    INT_PTR OnInitDialog(LPARAM parameter) override;
    void Calculate() override;
};
