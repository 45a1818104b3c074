#pragma once

#include <windows.h>

#include <array>

// The system colour dialog with sixteen custom colours of its own. Each graph page has one, and
// the pages live as long as the program, so the colours a user defines stay while it runs.
class ColorChooser {
public:
    // The custom colours start as sixteen greys from black to white.
    ColorChooser();

    // Runs the dialog owned by `owner`, starting from `colour`. True, with the chosen colour in
    // `colour`, when the user confirms; false, with `colour` untouched, when the user cancels.
    bool Choose(HWND owner, COLORREF& colour);

private:
    std::array<COLORREF, 16> m_customColours;
};
