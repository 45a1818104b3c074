#include "tools/VectorCalculatorPage.h"

#include "res/resource.h"
#include "tools/VectorCalculation.h"
#include "win/GbkText.h"

namespace {

constexpr int kNumberLimit = 5; // characters the user may type into a component's box

// The six components as the boxes hold them.
struct TwoVectors {
    double a1, a2, a3, b1, b2, b3;
};

const RecordFields<TwoVectors>& VectorFields() {
    static const RecordFields<TwoVectors> fields = {
        NumberField(IDC_VECTOR_A1, kNumberLimit, &TwoVectors::a1),
        NumberField(IDC_VECTOR_A2, kNumberLimit, &TwoVectors::a2),
        NumberField(IDC_VECTOR_A3, kNumberLimit, &TwoVectors::a3),
        NumberField(IDC_VECTOR_B1, kNumberLimit, &TwoVectors::b1),
        NumberField(IDC_VECTOR_B2, kNumberLimit, &TwoVectors::b2),
        NumberField(IDC_VECTOR_B3, kNumberLimit, &TwoVectors::b3),
    };
    return fields;
}

} // namespace

INT_PTR VectorCalculatorPage::OnInitDialog(LPARAM parameter) {
    ShowFields(VectorFields(), TwoVectors{1, 1, 1, 1, 1, 1});
    return PanelPage::OnInitDialog(parameter);
}

void VectorCalculatorPage::Calculate() {
    // Unreadable boxes, and numbers that are not finite, count 0.
    TwoVectors typed{};
    ReadFields(VectorFields(), typed);
    const std::string text =
        VectorCalculationText({typed.a1, typed.a2, typed.a3}, {typed.b1, typed.b2, typed.b3});
    SetItemText(IDC_CALCULATION_RESULT, GbkToWide(text).c_str());
}
