#pragma once

#include "model/GraphList.h"

#include <string>

// The groups of inequalities in x and y, drawn as the regions where they hold.
class InequalityGroupList : public GraphList<InequalityGroup, 'I'> {
public:
    // A new shown record named by NextFreeName, both ranges -10 to 10, medium precision and a
    // random colour. False, with an all-zero record, when no name is free.
    bool CreateDefault(InequalityGroup& record) const;

    // "IA:x>y", every '&' of the text doubled ("IA:x>0&&y>0"), with '&' appended when the group
    // is hidden.
    std::string FormatListText(std::size_t index) const;
};
