#pragma once

#include "expr/CompiledEvaluator.h"
#include "panel/ListView.h"
#include "tools/CalculatorPage.h"

// Evaluates typed expressions, with the user's constants and functions, into a list of results:
// the text as typed, "=" and its value, or "错误" (error) when it cannot be evaluated.
class ExpressionPage : public CalculatorPage {
public:
    ExpressionPage();

protected:
    INT_PTR OnInitDialog(LPARAM parameter) override;
    void Calculate() override;

private:
    CompiledEvaluator m_evaluator;
    ListView m_results;
};
