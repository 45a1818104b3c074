#include "panel/ColorChooser.h"

#include <commdlg.h>

ColorChooser::ColorChooser() {
    for (std::size_t i = 0; i < m_customColours.size(); ++i) {
        const auto grey = static_cast<BYTE>(255 * i / (m_customColours.size() - 1));
        m_customColours[i] = RGB(grey, grey, grey);
    }
}

bool ColorChooser::Choose(HWND owner, COLORREF& colour) {
    CHOOSECOLORW dialog = {};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = owner;
    dialog.hInstance = reinterpret_cast<HWND>(GetModuleHandleW(nullptr));
    dialog.rgbResult = colour;
    dialog.lpCustColors = m_customColours.data();
    dialog.Flags = CC_RGBINIT | CC_ANYCOLOR;
    if (!ChooseColorW(&dialog))
        return false;
    colour = dialog.rgbResult;
    return true;
}
