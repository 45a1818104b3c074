#pragma once

#include "model/GraphList.h"

#include <string>

// The parametric equations x(t), y(t), z(t).
class ParametricGraphList : public GraphList<ParametricGraph, 'E'> {
public:
    // A new shown record named by NextFreeName, t from -10 to 10, a random colour; creatorKind
    // is kept in the record. False, with an all-zero record, when no name is free.
    bool CreateDefault(ParametricGraph& record, std::int32_t creatorKind) const;

    // "EA:x=cost&&y=sint&&z=0", with '&' appended when the graph is hidden.
    std::string FormatListText(std::size_t index) const;
};
