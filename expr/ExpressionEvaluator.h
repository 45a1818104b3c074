#pragma once

#include "expr/CallChain.h"
#include "expr/CallMemo.h"

#include <cstddef>
#include <string_view>

class ConstantScope;
class FunctionScope;

// Evaluates a normalized expression text by textual reduction: named constants are replaced,
// bracket groups reduced from the innermost outwards, and in a bracket-free text the names,
// then the powers, the products and the sum, each value written back into the text as its
// value text, until one number is left. Never throws: it yields a value and a success flag.
class ExpressionEvaluator {
public:
    virtual ~ExpressionEvaluator() = default;

    // Either may be null: no constants are replaced, or every unknown name counts 0.
    void Bind(const ConstantScope* constants, const FunctionScope* functions);
    // For the evaluation of a called function: its calls go further down the caller's chain and
    // draw on the caller's budget. Without it, every evaluation has a budget of its own.
    void SetCallChain(const CallChain& chain) {
        m_chain = chain;
        m_called = true;
    }

    // The text must be normalized with its variable already replaced. On failure the value is
    // what the reduction produced with failing parts counted 0, or 0 when the evaluation had to
    // stop (a text too long, too many pieces, an unmatched closing bracket).
    bool Evaluate(std::string_view text, double& value);

    // The value of user function `index` at `argument`, one call further down `chain`: its text
    // normalized, every x replaced by the argument's value text and evaluated with this
    // evaluator's scopes. False when the call or its evaluation fails; the value is then what the
    // evaluation produced, or 0 when it could not start.
    bool CallFunction(int index, double argument, const CallChain& chain, double& value) const;

private:
    enum class Step { Continue, Stop };

    Step ReplaceConstants(char* work);
    Step EvaluateFlat(char* work, double& value);
    Step ReduceNames(char* work);
    Step ReducePowers(char* work);
    Step ReduceProducts(char* work);
    double CallNamed(std::string_view name, double argument);
    double EvaluatePowerChain(std::string_view factor, Step& step);
    double EvaluateProduct(std::string_view term, Step& step);
    double EvaluateSum(std::string_view text, Step& step);
    Step WriteBack(char* work, std::string_view pattern, double value);

    const ConstantScope* m_constants = nullptr;
    const FunctionScope* m_functions = nullptr;
    CallChain m_chain;
    bool m_called = false;
    int m_callsLeft = 0;
    CallMemo m_memo;
    bool m_success = true;
};
