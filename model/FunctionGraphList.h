#pragma once

#include "expr/FunctionScope.h"
#include "model/GraphList.h"

#include <string>
#include <string_view>

// The explicit functions; also the table of user functions that expressions call by name.
class FunctionGraphList : public GraphList<FunctionGraph, 'F'>, public FunctionScope {
public:
    // A new shown record named by NextFreeName, domain -10 to 10, a random colour and the given
    // form. False, with an all-zero record, when no name is free.
    bool CreateDefault(FunctionGraph& record, std::int32_t form) const;

    // "FA:y=cosx", with '&' appended when the graph is hidden.
    std::string FormatListText(std::size_t index) const;

    // Index of the first record named exactly so, or -1.
    int FindByName(std::string_view name) const;

    int FindFunction(std::string_view name) const override { return FindByName(name); }
    std::string_view FunctionText(int index) const override { return FieldText(m_records[index].text); }
};
