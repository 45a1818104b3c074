#pragma once

#include "panel/WindowBase.h"

// An edit control of a page, or one the program creates itself.
class EditBox : public WindowBase {
public:
    using WindowBase::WindowBase;

    // Caps what the user can type or paste, in UTF-16 characters; SetText is not capped.
    void LimitText(int maximum) const;
};
