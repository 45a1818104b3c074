#pragma once

#include "panel/WindowBase.h"

// A text label: the application creates its value labels with Create on "STATIC", no title, as
// visible children, and sets their texts with SetText. The base operations are all it needs.
class Label : public WindowBase {
public:
    using WindowBase::WindowBase;
};
