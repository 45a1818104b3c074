#include "panel/AboutPage.h"

#include "res/resource.h"

#include <lmcons.h>
#include <shellapi.h>

namespace {

constexpr const wchar_t* kWebAddress = L"http://www.orvane.example/";
constexpr const wchar_t* kMailAddress = L"mailto:orvane@example.org";

} // namespace

AboutPage::AboutPage() {
    AddImageButton(IDC_VISIT_WEB);
    AddImageButton(IDC_SEND_MAIL);
    AddImageButton(IDC_RETURN);
}

INT_PTR AboutPage::OnInitDialog(LPARAM parameter) {
    // The wide call, so that a Chinese user name shows as it is; the box stays empty without one.
    wchar_t name[UNLEN + 1] = {};
    DWORD size = UNLEN + 1;
    if (GetUserNameW(name, &size))
        SetItemText(IDC_USER_NAME, name);
    return PanelPage::OnInitDialog(parameter);
}

INT_PTR AboutPage::OnCommand(int id, int code, LPARAM lParam) {
    if (IsClick(code)) {
        switch (id) {
        case IDC_RETURN:
            Close();
            break;
        case IDC_SEND_MAIL:
            ShellExecuteW(m_hWnd, L"open", kMailAddress, nullptr, nullptr, SW_SHOWNORMAL);
            break;
        case IDC_VISIT_WEB:
            ShellExecuteW(m_hWnd, L"open", kWebAddress, nullptr, nullptr, SW_SHOWMAXIMIZED);
            break;
        }
    }
    return PanelPage::OnCommand(id, code, lParam);
}
