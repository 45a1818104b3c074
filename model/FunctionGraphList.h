#pragma once

#include "expr/ExpressionEvaluator.h"
#include "model/GraphList.h"

#include <string>
#include <string_view>

class ConstantTable;

// The explicit functions; also the table of user functions that expressions call by name.
class FunctionGraphList : public GraphList<FunctionGraph, 'F'> {
public:
    // A new shown record named by NextFreeName, domain -10 to 10, a random colour and the given
    // form. False, with an all-zero record, when no name is free.
    bool CreateDefault(FunctionGraph& record, std::int32_t form) const;

    // "FA:y=cosx", with '&' appended when the graph is hidden.
    std::string FormatListText(std::size_t index) const;

    // Index of the first record named exactly so, or -1.
    int FindByName(std::string_view name) const;

    // The value of the function named `name` at `argument`: its text normalized, every x replaced
    // by the argument, evaluated with the constants and this list. A function already being
    // evaluated further up `chain`, a chain too deep and a failing evaluation give false.
    bool CallUserFunction(std::string_view name, double argument, const ConstantTable* constants,
                          double& value, const ExpressionEvaluator::CallChain& chain = {}) const;
};
