#pragma once

#include "model/ViewState.h"
#include "panel/PanelPage.h"

// A page that edits values of the plot view in place, through its field list: shown as the view
// holds them when the page opens; confirm reads the boxes back into the view (a box left as it
// was shown stores the value it was filled from, though the view may have turned meanwhile),
// cancel stores nothing. The request's data field is the view.
class ViewStatePage : public PanelPage {
public:
    explicit ViewStatePage(const RecordFields<ViewState>& fields);

protected:
    INT_PTR OnInitDialog(LPARAM parameter) override;
    INT_PTR OnCommand(int id, int code, LPARAM lParam) override;

private:
    const RecordFields<ViewState>& m_fields;
    ViewState* m_view = nullptr;
    ViewState m_shown; // the view as the boxes were filled from it
};
