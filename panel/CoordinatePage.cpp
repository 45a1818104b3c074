#include "panel/CoordinatePage.h"

#include "panel/SettingsPageFields.h"
#include "res/resource.h"
#include "win/ShowMessageBox.h"

namespace {

constexpr struct {
    int button;
    CoordinateMode mode;
} kSystems[] = {
    {IDC_RIGHT_HANDED_SYSTEM, kRightHanded},
    {IDC_PLANE_SYSTEM, kPlane},
    {IDC_LEFT_HANDED_SYSTEM, kLeftHanded},
};

constexpr const wchar_t* kInvalidAxisText = L"坐标轴起始坐标非法！";

} // namespace

CoordinatePage::CoordinatePage() {
    AddImageButton(IDC_RIGHT_HANDED_SYSTEM);
    AddImageButton(IDC_LEFT_HANDED_SYSTEM);
    AddImageButton(IDC_PLANE_SYSTEM);
    AddImageButton(IDC_CONFIRM);
    AddImageButton(IDC_CANCEL);
}

INT_PTR CoordinatePage::OnInitDialog(LPARAM parameter) {
    m_request = reinterpret_cast<PageRequest*>(parameter);
    m_shown = View();
    ShowFields(CoordinatePageFields(), m_shown);
    return PanelPage::OnInitDialog(parameter);
}

INT_PTR CoordinatePage::OnCommand(int id, int code, LPARAM lParam) {
    // The choice means something only while its notification is on its way.
    m_request->coordinateChoice = -1;
    if (IsClick(code)) {
        for (const auto& system : kSystems)
            if (id == system.button) {
                m_request->coordinateChoice = system.mode;
                m_request->Notify(kRangeReport, &m_request->coordinateChoice);
            }
        if (id == IDC_CONFIRM)
            Confirm();
        if (id == IDC_CANCEL)
            Close();
    }
    return PanelPage::OnCommand(id, code, lParam);
}

void CoordinatePage::Confirm() {
    const unsigned opening = Opening();
    const int refused = StoreTypedAxisRanges(ReadForm(CoordinatePageFields()), m_shown, View());
    for (int i = 0; i < refused; ++i)
        ShowMessageBox(m_hWnd, kInvalidAxisText, L"错误", MB_OK | MB_ICONERROR);
    // The boxes run their own loops: the user may have opened another page meanwhile.
    if (IsOpenSince(opening))
        Close();
}
