#pragma once

#include "panel/GraphPage.h"

// Adds a function y=f(x) or x=f(y), or changes one; the form is chosen by two radio buttons, and
// the labels before the expression and the domain name the variables of the form.
class FunctionPage : public GraphPage<FunctionGraph> {
protected:
    RecordList<FunctionGraph>& List(GraphStore& store) const override { return store.functions; }
    FunctionGraph NewRecord(const GraphStore& store, std::int32_t kind) const override;
    const RecordFields<FunctionGraph>& Fields() const override;
    void ShowExtras() override;
    bool OnPageClick(int id) override;

private:
    void ShowFormLabels(std::int32_t form);
};
