#pragma once

#include <string_view>

// The user functions an expression calls by name: "FA(x)", FAx or FA2.
class FunctionScope {
public:
    // The index of the function named exactly so, or -1: any other name counts 0.
    virtual int FindFunction(std::string_view name) const = 0;

    // The text of function `index` as stored. A call evaluates it normalized, with every x
    // replaced by the value text of the argument, whatever the variable of the function.
    virtual std::string_view FunctionText(int index) const = 0;

    // The text of function `index` normalized, in `text` (kWorkTextSize bytes); false for a text
    // that does not fit.
    bool NormalizedText(int index, char* text) const;

protected:
    ~FunctionScope() = default;
};
