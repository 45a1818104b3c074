#pragma once

#include "model/PageRequest.h"
#include "panel/FunctionPage.h"
#include "panel/InequalityPage.h"
#include "panel/ParametricPage.h"

// The one way in to adding and modifying graphs. A request that names a kind goes straight to the
// graph page of that kind; one that leaves the kind to the user (-1) shows this page's choices:
// Y= function, X= function, parametric equation, and the inequality group, whose picture is
// hidden but whose place still answers the mouse.
class NewGraphPage : public PanelPage {
public:
    NewGraphPage();

    // Opens the page the request asks for, owned by `parent`; returns its window, or null when
    // the request asks for nothing.
    HWND Open(HWND parent, PageRequest* request);

protected:
    INT_PTR OnCommand(int id, int code, LPARAM lParam) override;

private:
    // Opens the graph page of the request's kind.
    HWND OpenGraphPage(HWND parent);

    InequalityPage m_inequalityPage;
    ParametricPage m_parametricPage;
    FunctionPage m_functionPage;
    PageRequest* m_request = nullptr;
};
