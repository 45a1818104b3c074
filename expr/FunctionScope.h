#pragma once

#include <string_view>

class CallChain;
class ConstantScope;

// The user functions an expression calls by name: "FA(x)", FAx or FA2.
class FunctionScope {
public:
    // The index of the function named exactly so, or -1: any other name counts 0.
    virtual int FindFunction(std::string_view name) const = 0;

    // The value of function `index` at `argument`, evaluated with the constants and this scope,
    // one call further down `chain`. False when the call or its evaluation fails.
    virtual bool CallFunction(int index, double argument, const ConstantScope* constants,
                              const CallChain& chain, double& value) const = 0;

protected:
    ~FunctionScope() = default;
};
