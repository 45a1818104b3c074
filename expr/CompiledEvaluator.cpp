#include "expr/CompiledEvaluator.h"

#include "expr/BuiltinFunctions.h"
#include "expr/ExpressionCompiler.h"
#include "expr/ExpressionText.h"
#include "expr/FunctionScope.h"
#include "expr/NumberText.h"
#include "expr/ValueRounding.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace {

using Op = ExpressionProgram::Op;

// Whether a value's text, with a sign, stays within the program's bound on value texts.
bool FitsProgram(const ExpressionProgram& program, std::size_t length, double value) {
    return length + (std::signbit(value) ? 0 : 1) <= static_cast<std::size_t>(program.longestValueText);
}

// The number of the value text of v, written into a text of the program; false when that value
// text could make a text too long.
bool RoundForText(const ExpressionProgram& program, double v, double& rounded, std::uint8_t& guess) {
    if (RoundQuickly(v, program.lowestExponent, program.highestExponent, rounded, guess))
        return true;
    // The opposite of a number read back is written without rounding again: room for its sign.
    const std::size_t length = RoundThroughText(v, rounded);
    return length != 0 && FitsProgram(program, length, v);
}

// A division by 0 fails and is skipped: 1/0 leaves 1.
double Quotient(double dividend, double divisor, bool& success) {
    if (divisor != 0.0)
        return dividend / divisor;
    success = false;
    return dividend;
}

// A sum or product that is not finite fails and counts 0.
double Finite(double v, bool& success) {
    if (std::isfinite(v))
        return v;
    success = false;
    return 0.0;
}

// A power of a chain: one that is not finite fails and counts 0.
double Power(double base, double exponent, bool& success) {
    const double power = std::pow(base, exponent);
    if (std::isfinite(power))
        return power;
    success = false;
    return 0.0;
}

} // namespace

void CompiledEvaluator::Bind(const ConstantScope* constants, const FunctionScope* functions) {
    m_constants = constants;
    m_functions = functions;
    m_textual.Bind(constants, functions);
    m_functionPrograms.clear();
}

ExpressionProgram CompiledEvaluator::Compile(std::string_view text, std::string_view variables) const {
    return ExpressionCompiler(m_constants, m_functions).Compile(text, variables);
}

ExpressionProgram CompiledEvaluator::Compile(std::string_view text, std::string_view variables,
                                             std::string_view whole) const {
    return ExpressionCompiler(m_constants, m_functions).Compile(text, variables, whole);
}

CompiledEvaluator::Outcome CompiledEvaluator::Evaluate(ExpressionProgram& program, const double* values,
                                                       double& value) {
    bool replaced = false;
    const Run run = Replace(program, values, false, replaced);
    if (!replaced)
        return Outcome::kNotReplaced;
    if (program.compiled && run == Run::kDone) {
        m_callsLeft = CallChain::kCallBudget;
        m_chain.Restart(&m_callsLeft, nullptr);
        double result = 0.0;
        bool success = false;
        if (Execute(program, m_chain, result, success) == Run::kDone) {
            ++m_counts.compiled;
            value = result;
            return success ? Outcome::kSucceeded : Outcome::kFailed;
        }
    }
    ++m_counts.textual;
    return EvaluateTextually(program, values, value);
}

bool CompiledEvaluator::Evaluate(std::string_view text, double& value) {
    m_functionPrograms.clear();
    ExpressionProgram program = Compile(text, {});
    return Evaluate(program, nullptr, value) == Outcome::kSucceeded;
}

CompiledEvaluator::Run CompiledEvaluator::Replace(ExpressionProgram& program, const double* values,
                                                  bool rounded, bool& replaced) const {
    replaced = true;
    bool quick = true;
    for (std::size_t i = 0; i < program.occurrences.size(); ++i) {
        if (program.occurrences[i] == 0)
            continue;
        double& variable = program.registers[program.variableRegisters[i]];
        // A value that rounds to itself is used at once; rounding it again only tells its length.
        double again = 0.0;
        quick = RoundQuickly(values[i], program.lowestExponent, program.highestExponent,
                             rounded ? again : variable, program.guesses[i]) &&
                quick;
        if (rounded)
            variable = values[i];
    }
    // The quick values are short enough for the text; otherwise measure every value text, as
    // ReplaceVariable does.
    if (quick)
        return Run::kDone;
    std::size_t length = program.fixedLength;
    bool textual = false;
    for (std::size_t i = 0; i < program.occurrences.size(); ++i) {
        if (program.occurrences[i] == 0)
            continue;
        const std::size_t textLength =
            RoundThroughText(values[i], program.registers[program.variableRegisters[i]]);
        if (textLength == 0) {
            replaced = false;
            return Run::kDone;
        }
        length += program.occurrences[i] * textLength;
        textual = textual || !FitsProgram(program, textLength, values[i]);
    }
    replaced = length < kWorkTextSize;
    return replaced && textual ? Run::kTextual : Run::kDone;
}

CompiledEvaluator::Run CompiledEvaluator::Execute(ExpressionProgram& program, const CallChain& chain,
                                                  double& value, bool& succeeded) {
    double* const r = program.registers.data();
    bool success = !program.failsAlways;
    // Every program ends with kStop or kReturn.
    for (const ExpressionProgram::Instruction* next = program.instructions.data();; ++next) {
        const ExpressionProgram::Instruction& in = *next;
        switch (in.op) {
        case Op::kRound:
            if (!RoundForText(program, r[in.a], r[in.target], program.guesses[in.b]))
                return Run::kTextual;
            break;
        case Op::kAdd:
            r[in.target] = r[in.a] + r[in.b];
            break;
        case Op::kSubtract:
            r[in.target] = r[in.a] - r[in.b];
            break;
        case Op::kMultiply:
            r[in.target] = r[in.a] * r[in.b];
            break;
        case Op::kDivide:
            r[in.target] = Quotient(r[in.a], r[in.b], success);
            break;
        case Op::kFinite:
            r[in.target] = Finite(r[in.target], success);
            break;
        case Op::kAddFinite:
            r[in.target] = Finite(r[in.a] + r[in.b], success);
            break;
        case Op::kSubtractFinite:
            r[in.target] = Finite(r[in.a] - r[in.b], success);
            break;
        case Op::kMultiplyFinite:
            r[in.target] = Finite(r[in.a] * r[in.b], success);
            break;
        case Op::kDivideFinite:
            r[in.target] = Finite(Quotient(r[in.a], r[in.b], success), success);
            break;
        case Op::kPower:
            r[in.target] = Power(r[in.a], r[in.b], success);
            break;
        case Op::kPowerChain: {
            double operand[SplitPieces::kMaxPieces];
            for (int i = 0; i < in.b; ++i)
                operand[i] = r[program.chain[in.a + i]];
            for (int i = in.b - 1; i >= 1; --i) {
                bool finite = true;
                operand[i - 1] = Power(operand[i - 1], operand[i], finite);
                if (!finite) {
                    success = false;
                    break;
                }
            }
            r[in.target] = operand[0];
            break;
        }
        case Op::kFloor:
            r[in.target] = std::floor(r[in.a]);
            break;
        case Op::kFraction:
            r[in.target] = r[in.a] - std::floor(r[in.a]);
            break;
        case Op::kBuiltin:
            r[in.target] = ApplyBuiltin(in.b, r[in.a], success);
            break;
        case Op::kCall:
            r[in.target] = Call(in.b, r[in.a], false, chain, success);
            break;
        case Op::kCallRounded:
            r[in.target] = Call(in.b, r[in.a], true, chain, success);
            break;
        case Op::kStop:
            value = 0.0;
            succeeded = false;
            return Run::kDone;
        case Op::kReturn:
            value = r[in.a];
            succeeded = success;
            return Run::kDone;
        }
    }
}

// A call as ExpressionEvaluator::CallFunction makes it, spending the budget in the same order. A
// callee whose run hands its sample to the textual reduction gives the budget back first.
double CompiledEvaluator::Call(int function, double argument, bool rounded, const CallChain& chain,
                               bool& success) {
    const int callsBefore = m_callsLeft;
    ExpressionProgram* callee = FunctionProgram(function);
    bool textual = !callee->compiled;
    double v = 0.0;
    bool ok = false;
    CallChain inner = chain;
    if (!textual && inner.Enter(function)) {
        bool replaced = false;
        textual = Replace(*callee, &argument, rounded, replaced) == Run::kTextual ||
                  (replaced && Execute(*callee, inner, v, ok) == Run::kTextual);
    }
    if (textual) {
        m_callsLeft = callsBefore;
        ++m_counts.textualCalls;
        ok = m_textual.CallFunction(function, argument, chain, v);
    }
    if (!ok)
        success = false;
    if (!std::isfinite(v)) {
        success = false;
        return 0.0;
    }
    return v;
}

ExpressionProgram* CompiledEvaluator::FunctionProgram(int function) {
    const auto index = static_cast<std::size_t>(function);
    if (index >= m_functionPrograms.size())
        m_functionPrograms.resize(index + 1);
    std::unique_ptr<ExpressionProgram>& program = m_functionPrograms[index];
    if (program == nullptr) {
        program = std::make_unique<ExpressionProgram>();
        char text[kWorkTextSize];
        if (m_functions->NormalizedText(function, text))
            *program = Compile(text, "x");
    }
    return program.get();
}

CompiledEvaluator::Outcome CompiledEvaluator::EvaluateTextually(const ExpressionProgram& program,
                                                                const double* values, double& value) {
    // Room for the working length, and for a longer text, which then fails.
    std::string text = program.text;
    text.resize(std::max(text.size() + 1, kWorkTextSize));
    // Replace has found that the value texts fit.
    for (std::size_t i = 0; i < program.variables.size(); ++i)
        ReplaceVariable(text.data(), kWorkTextSize, program.variables[i], values[i]);
    double result = 0.0;
    const bool ok = m_textual.Evaluate(text.c_str(), result);
    value = result;
    return ok ? Outcome::kSucceeded : Outcome::kFailed;
}
