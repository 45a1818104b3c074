#pragma once

#include "expr/ExpressionProgram.h"
#include "expr/SymbolicText.h"

#include <string_view>
#include <vector>

class ConstantScope;
class FunctionScope;

// Turns a normalized text, its variables still letters, into an ExpressionProgram by running the
// textual reduction on a SymbolicText whose slots stand for the values to come. A step whose
// values are all known is done at once, exactly as the reduction does it (constants, literal
// numbers, built-ins of them); any other step becomes instructions, in the order the reduction
// takes the steps. A text whose reduction would depend on the characters of a value text rather
// than on its number is not compiled.
class ExpressionCompiler {
public:
    // Either scope may be null, as for ExpressionEvaluator. Their names, texts and values are
    // built into the programs: a program is good while they stay as they are.
    ExpressionCompiler(const ConstantScope* constants, const FunctionScope* functions)
        : m_constants(constants), m_functions(functions) {}

    // The program of a text whose variables are replaced in the order given.
    ExpressionProgram Compile(std::string_view text, std::string_view variables);
    // The same for a part of a longer text in which the variables are replaced before it is cut
    // (an expression of a parametric equation): the replacement fails when the whole one would.
    ExpressionProgram Compile(std::string_view text, std::string_view variables, std::string_view whole);

private:
    enum class Flow { kGo, kStopped, kRefused };
    using Op = ExpressionProgram::Op;
    using Range = SymbolicText::Range;

    // A value of the reduction: known now (reg < 0), or held by a register.
    struct Value {
        int reg;
        double number;
    };

    // The numbers read from the pieces of a text cut at two separators, and whether the one in
    // front of each piece is the first separator (true for the first piece).
    struct Readings {
        int count = 0;
        Value value[SplitPieces::kMaxPieces];
        bool first[SplitPieces::kMaxPieces];
    };

    Flow Evaluate(SymbolicText text, Value& result);
    Flow ReplaceConstants(SymbolicText& text);
    Flow EvaluateFlat(SymbolicText& text, Value& result);
    Flow ReduceNames(SymbolicText& text);
    Flow ReducePowers(SymbolicText& text);
    Flow ReduceProducts(SymbolicText& text);
    Flow EvaluateSum(const SymbolicText& text, Value& result);
    Flow ReadPieces(const SymbolicText& text, Range range, char first, char second, Readings& readings);
    Flow CallNamed(std::string_view name, Value argument, Value& result);
    Value PowerChain(Readings& operands);
    Value Product(const Readings& factors);
    Value Sum(const Readings& terms);
    Value Finite(Value v, bool mayBeInfinite);
    Value Gauss(Value v, bool integerPart);
    Flow WriteBack(SymbolicText& text, Range range, Value v);
    void CheckLength(const SymbolicText& text);
    Flow Stop();

    int NewRegister(bool rounded);
    int RegisterOf(Value v);
    Value Emit(Op op, Value a, Value b, bool rounded = false);

    const ConstantScope* m_constants;
    const FunctionScope* m_functions;
    ExpressionProgram m_program;
    // Per register: whether it holds a number read back from a value text, which rounds to itself.
    std::vector<bool> m_rounded;
};
