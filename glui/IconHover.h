#pragma once

#include "glui/ScreenLayout.h"

// The hover flag of a bottom icon: set while the mouse is over the icon.
class IconHover {
public:
    explicit IconHover(const ClientRect& rect) : m_rect(rect) {}

    // Takes a mouse move in client coordinates. Returns true when the hover sound is due: only
    // on entering the icon, never while the mouse moves on it.
    bool MouseMove(int x, int y);
    bool IsSet() const { return m_set; }

private:
    ClientRect m_rect;
    bool m_set = false;
};
