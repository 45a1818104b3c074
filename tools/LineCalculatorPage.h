#pragma once

#include "panel/PanelPage.h"

// Two straight lines in general form, a·x + b·y + c = 0: their slopes, inclinations, intercepts
// and the angle between them.
class LineCalculatorPage : public PanelPage {
public:
    LineCalculatorPage();

protected:
    INT_PTR OnInitDialog(LPARAM parameter) override;
    INT_PTR OnCommand(int id, int code, LPARAM lParam) override;

private:
    void Calculate() const;
};
