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
    // Three labels and the texts they show. The plot reports every frame; a label is only
    // touched when its text changes, so that it neither flickers nor costs a repaint per frame.
    struct Column {
        std::array<Label, 3> labels;
        std::array<std::string, 3> shown;
    };
    static void Show(Column& column, const std::array<std::string, 3>& texts);

    Column m_ranges;
    Column m_rotation;
    Column m_position;
    Label m_help;
};
