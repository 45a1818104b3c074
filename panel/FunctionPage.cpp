#include "panel/FunctionPage.h"

#include "panel/GraphPageFields.h"

FunctionGraph FunctionPage::NewRecord(const GraphStore& store, std::int32_t kind) const {
    FunctionGraph record;
    store.functions.CreateDefault(record, kind);
    // A full list gives an empty record; it still takes the form asked for.
    record.form = kind;
    return record;
}

const RecordFields<FunctionGraph>& FunctionPage::Fields() const {
    return FunctionPageFields();
}

void FunctionPage::ShowExtras() {
    ShowFormLabels(m_working.form);
}

bool FunctionPage::OnPageClick(int id) {
    if (id != IDC_FORM_Y && id != IDC_FORM_X)
        return false;
    // The texts typed so far stay; only the variables' labels follow the form.
    ShowFormLabels(id == IDC_FORM_X ? kFormX : kFormY);
    return true;
}

void FunctionPage::ShowFormLabels(std::int32_t form) {
    const bool xForm = form == kFormX;
    SetItemText(IDC_EXPRESSION_LABEL, xForm ? L"x=" : L"y=");
    SetItemText(IDC_DOMAIN_LABEL, xForm ? L"y" : L"x");
}
