#include "panel/SplashPage.h"

namespace {

constexpr DWORD kShowMilliseconds = 2000;

} // namespace

INT_PTR SplashPage::OnInitDialog(LPARAM parameter) {
    // Shown and painted by hand, since no message is handled during the wait.
    Show(SW_SHOW);
    Update();
    Sleep(kShowMilliseconds);
    ClosePage(0);
    return PanelPage::OnInitDialog(parameter);
}
