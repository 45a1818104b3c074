#pragma once

#include "panel/PanelPage.h"

// The program's picture, the Windows user's name and the makers' credits, with buttons that hand
// the makers' web and mail addresses to the system shell.
class AboutPage : public PanelPage {
public:
    AboutPage();

protected:
    INT_PTR OnInitDialog(LPARAM parameter) override;
    INT_PTR OnCommand(int id, int code, LPARAM lParam) override;
};
