#pragma once

#include "panel/GuideTopic.h"
#include "panel/ListView.h"
#include "panel/PanelPage.h"

// A small user guide: the topics' titles listed, the selected topic's text in the box below.
class GuidePage : public PanelPage {
public:
    GuidePage();

protected:
    INT_PTR OnInitDialog(LPARAM parameter) override;
    INT_PTR OnNotify(NMHDR* header) override;
    INT_PTR OnCommand(int id, int code, LPARAM lParam) override;

private:
    GuideTopic LoadTopic(int index) const;

    ListView m_topics;
};
