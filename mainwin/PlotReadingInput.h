#pragma once

#include <windows.h>

class PlotViewControl;

// What the user does to read the plot: F9 and a checked item of the control column's "Other" menu
// show and hide the ticks, numbers and grid; the pointer resting over the plot with no button
// held traces the curve under it. It looks at the main loop's messages before they are
// dispatched, so that F9 works in the main window, its graph list and its pages alike, and the
// pointer is followed onto the windows over the main one.
class PlotReadingInput {
public:
    // The menu is the menu resource that holds the item.
    PlotReadingInput(PlotViewControl& plot, HMENU menu) : m_plot(plot), m_menu(menu) {}

    // True for F9 pressed in one of the program's windows, which is taken here; every other
    // message goes on to its window.
    bool PreTranslate(const MSG& message, HWND mainWindow);
    // Hides the ticks, numbers and grid when they are shown, shows them otherwise.
    void ToggleScale();

private:
    void FollowPointer(const MSG& message, HWND mainWindow);

    PlotViewControl& m_plot;
    HMENU m_menu;
    bool m_leaveAsked = false; // the main window will hear when the pointer leaves it
};
