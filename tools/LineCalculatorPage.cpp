#include "tools/LineCalculatorPage.h"

#include "res/resource.h"
#include "tools/LineCalculation.h"
#include "win/GbkText.h"
#include "win/ShowMessageBox.h"

namespace {

constexpr int kNumberLimit = 5; // characters the user may type into a coefficient's box

// The six coefficients as the boxes hold them.
struct TwoLines {
    double a1, b1, c1, a2, b2, c2;
};

const RecordFields<TwoLines>& LineFields() {
    static const RecordFields<TwoLines> fields = {
        NumberField(IDC_LINE1_A, kNumberLimit, &TwoLines::a1),
        NumberField(IDC_LINE1_B, kNumberLimit, &TwoLines::b1),
        NumberField(IDC_LINE1_C, kNumberLimit, &TwoLines::c1),
        NumberField(IDC_LINE2_A, kNumberLimit, &TwoLines::a2),
        NumberField(IDC_LINE2_B, kNumberLimit, &TwoLines::b2),
        NumberField(IDC_LINE2_C, kNumberLimit, &TwoLines::c2),
    };
    return fields;
}

} // namespace

INT_PTR LineCalculatorPage::OnInitDialog(LPARAM parameter) {
    ShowFields(LineFields(), TwoLines{1, 1, 1, 1, 1, 1});
    return PanelPage::OnInitDialog(parameter);
}

void LineCalculatorPage::Calculate() {
    // Unreadable boxes, and numbers that are not finite, count 0.
    TwoLines typed{};
    ReadFields(LineFields(), typed);
    const LineCoefficients first = {typed.a1, typed.b1, typed.c1};
    const LineCoefficients second = {typed.a2, typed.b2, typed.c2};
    if (!IsStraightLine(first) || !IsStraightLine(second)) {
        // The old result stays.
        ShowMessageBox(m_hWnd, L"x和y的系数不能同时为0！", L"错误", MB_ICONERROR);
        return;
    }
    SetItemText(IDC_CALCULATION_RESULT, GbkToWide(LineCalculationText(first, second)).c_str());
}
