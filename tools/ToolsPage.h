#pragma once

#include "model/PageRequest.h"
#include "tools/ExpressionPage.h"
#include "tools/LineCalculatorPage.h"
#include "tools/VectorCalculatorPage.h"

// The chooser of the calculators. Each opens in this page's place, owned by its window, with the
// request this page was opened with (it carries the graph store in `second`).
class ToolsPage : public PanelPage {
public:
    ToolsPage();

protected:
    INT_PTR OnInitDialog(LPARAM parameter) override;
    INT_PTR OnCommand(int id, int code, LPARAM lParam) override;

private:
    VectorCalculatorPage m_vectorPage;
    LineCalculatorPage m_linePage;
    ExpressionPage m_expressionPage;
    PageRequest* m_request = nullptr;
};
