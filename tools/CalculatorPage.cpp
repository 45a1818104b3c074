#include "tools/CalculatorPage.h"

#include "res/resource.h"

CalculatorPage::CalculatorPage() {
    AddImageButton(IDC_CONFIRM);
    AddImageButton(IDC_RETURN);
}

INT_PTR CalculatorPage::OnCommand(int id, int code, LPARAM lParam) {
    if (IsClick(code) && id == IDC_CONFIRM)
        Calculate();
    if (IsClick(code) && id == IDC_RETURN)
        Close();
    return PanelPage::OnCommand(id, code, lParam);
}
