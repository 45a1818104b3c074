#pragma once

#include "model/PageRequest.h"
#include "model/ViewState.h"
#include "panel/PanelPage.h"

// The coordinate system, chosen by its picture and applied at once through the application, and
// the axes' ranges, stored on confirm axis by axis. The request's second field is the view.
class CoordinatePage : public PanelPage {
public:
    CoordinatePage();

protected:
    INT_PTR OnInitDialog(LPARAM parameter) override;
    INT_PTR OnCommand(int id, int code, LPARAM lParam) override;

private:
    ViewState& View() const { return *static_cast<ViewState*>(m_request->second); }
    void Confirm();

    PageRequest* m_request = nullptr;
    ViewState m_shown; // the view as the boxes were filled from it
};
