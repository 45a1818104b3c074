#pragma once

#include "glui/ScreenLayout.h"

#include <span>

// The hover index of a row of buttons (the two columns, the guide and exit buttons): the first
// item under the mouse, or -1.
class ItemHover {
public:
    // Takes a mouse move in client coordinates. Returns true when the hover sound is due: the
    // mouse came onto an item other than the stored one, so resting on one item sounds once
    // and moving straight onto its neighbour sounds again.
    bool MouseMove(std::span<const ClientRect> items, int x, int y);
    // The same over the first count buttons of a column whose viewport spans left to right.
    bool MouseMoveOverColumn(int left, int right, int count, int x, int y);
    int Index() const { return m_index; }

private:
    int m_index = -1;
};
