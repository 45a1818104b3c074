#pragma once

#include "tools/CalculatorPage.h"

// Two vectors of three components: their lengths, their dot product and the angle between them.
class VectorCalculatorPage : public CalculatorPage {
protected:
    INT_PTR OnInitDialog(LPARAM parameter) override;
    void Calculate() override;
};
