#pragma once

#include "panel/Label.h"

#include <windows.h>

#include <array>
#include <string>

// The ten text labels over the main window: the axis ranges beside the coordinate icon, the origin
// beside the position icon, the rotation beside the rotation icon (three lines each), and the
// help line in the top strip. They are child windows, made before the OpenGL pixel format.
class StatusLabels {
public:
    // Makes the labels, empty, on the parent window.
    void Create(HWND parent);
    // Destroys the help label, then the range, position and rotation labels.
    void Destroy();

    void ShowRanges(const double* ranges);
    void ShowPosition(const double* position);
    void ShowRotation(const double* rotation);
    void ShowHelp(const wchar_t* text);

    bool IsHelpLabel(HWND window) const { return window != nullptr && window == m_help.Window(); }

private:
    // The plot reports every frame; a label is only touched when its text changes, so that it
    // neither flickers nor costs a repaint per frame.
    void Show(Label& label, std::string& shown, const std::string& text);

    std::array<Label, 3> m_ranges;
    std::array<Label, 3> m_rotation;
    std::array<Label, 3> m_position;
    Label m_help;
    std::array<std::string, 9> m_shown; // ranges, rotation, position
};
