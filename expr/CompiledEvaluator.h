#pragma once

#include "expr/CallChain.h"
#include "expr/ExpressionEvaluator.h"
#include "expr/ExpressionProgram.h"

#include <memory>
#include <string_view>
#include <vector>

class ConstantScope;
class FunctionScope;

// Evaluates texts through their compiled programs (ExpressionCompiler), with the very results of
// the textual reduction: every value's bits and every success flag. Called user functions are
// compiled once, on their first call. A text the compiler does not take, and a sample whose
// value texts could make a text too long, are reduced textually.
class CompiledEvaluator {
public:
    // What came of replacing the variables and evaluating the text.
    enum class Outcome {
        kNotReplaced, // a variable's value text does not fit in the text (or there is none)
        kFailed,
        kSucceeded,
    };

    // Evaluations that ran their program, and those reduced textually: whole texts, and called
    // functions within an evaluation that ran its program.
    struct Counts {
        long compiled = 0;
        long textual = 0;
        long textualCalls = 0;
    };

    virtual ~CompiledEvaluator() = default;

    // Either may be null, as for ExpressionEvaluator. Forgets the programs of called functions.
    void Bind(const ConstantScope* constants, const FunctionScope* functions);

    // The program of a normalized text, or of a part of one (ExpressionCompiler), good as long as
    // the bound constants and functions stay as they are.
    ExpressionProgram Compile(std::string_view text, std::string_view variables) const;
    ExpressionProgram Compile(std::string_view text, std::string_view variables,
                              std::string_view whole) const;

    // As ReplaceVariable for each variable in order, then ExpressionEvaluator::Evaluate on the
    // text; values holds one value per variable. The value is left alone when not replaced.
    Outcome Evaluate(ExpressionProgram& program, const double* values, double& value);

    // A normalized text without variables (the expression page's), compiled with the functions
    // it calls afresh, since the constants and functions may have changed since the last one.
    bool Evaluate(std::string_view text, double& value);

    const Counts& EvaluationCounts() const { return m_counts; }

private:
    enum class Run { kDone, kTextual };

    // Replaces the variables (values already read back from value texts when rounded): their
    // numbers go to their registers, and replaced tells whether their value texts fit.
    Run Replace(ExpressionProgram& program, const double* values, bool rounded, bool& replaced) const;
    Run Execute(ExpressionProgram& program, const CallChain& chain, double& value, bool& success);
    double Call(int function, double argument, bool rounded, const CallChain& chain, bool& success);
    ExpressionProgram* FunctionProgram(int function);
    Outcome EvaluateTextually(const ExpressionProgram& program, const double* values, double& value);

    const ConstantScope* m_constants = nullptr;
    const FunctionScope* m_functions = nullptr;
    ExpressionEvaluator m_textual;
    // The programs of the called functions by index; empty until first called.
    std::vector<std::unique_ptr<ExpressionProgram>> m_functionPrograms;
    int m_callsLeft = 0;
    CallChain m_chain;
    Counts m_counts;
};
