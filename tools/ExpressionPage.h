#pragma once

#include "expr/ExpressionEvaluator.h"
#include "panel/ListView.h"
#include "panel/PanelPage.h"

// Evaluates typed expressions, with the user's constants and functions, into a list of results:
// the text as typed, "=" and its value, or "错误" (error) when it cannot be evaluated.
class ExpressionPage : public PanelPage {
public:
    ExpressionPage();

protected:
    INT_PTR OnInitDialog(LPARAM parameter) override;
    INT_PTR OnCommand(int id, int code, LPARAM lParam) override;

private:
    void Evaluate();

    ExpressionEvaluator m_evaluator;
    ListView m_results;
};
