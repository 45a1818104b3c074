#pragma once

#include "panel/PanelPage.h"

// Two vectors of three components: their lengths, their dot product and the angle between them.
class VectorCalculatorPage : public PanelPage {
public:
    VectorCalculatorPage();

protected:
    INT_PTR OnInitDialog(LPARAM parameter) override;
    INT_PTR OnCommand(int id, int code, LPARAM lParam) override;

private:
    void Calculate() const;
};
