#pragma once

#include "model/ConstantTable.h"
#include "model/PageRequest.h"
#include "panel/ListView.h"
#include "panel/PanelPage.h"

// The named constants of the graph store, listed as name=value: one is added from the two boxes,
// the selected one deleted. The request's second field is the graph store.
class ConstantsPage : public PanelPage {
public:
    ConstantsPage();

protected:
    INT_PTR OnInitDialog(LPARAM parameter) override;
    INT_PTR OnCommand(int id, int code, LPARAM lParam) override;

private:
    // Brings the list in line with the table.
    void RefreshConstantList() const;

    ConstantTable* m_table = nullptr;
    ListView m_list;
};
