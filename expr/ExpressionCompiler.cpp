#include "expr/ExpressionCompiler.h"

#include "expr/BuiltinFunctions.h"
#include "expr/ConstantScope.h"
#include "expr/ExpressionText.h"
#include "expr/FunctionScope.h"
#include "expr/NumberText.h"
#include "expr/ValueRounding.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>

namespace {

constexpr std::size_t kLongestText = kWorkTextSize - 1;

// A power of two whose reciprocal is a double: dividing by it and multiplying by its reciprocal
// round the same exact quotient, and the multiplication is the quicker (x^2/2).
bool IsExactReciprocal(double divisor) {
    int exponent = 0;
    return std::fabs(std::frexp(divisor, &exponent)) == 0.5 && std::isfinite(1.0 / divisor);
}

} // namespace

ExpressionProgram ExpressionCompiler::Compile(std::string_view text, std::string_view variables) {
    return Compile(text, variables, text);
}

ExpressionProgram ExpressionCompiler::Compile(std::string_view text, std::string_view variables,
                                              std::string_view whole) {
    m_program = ExpressionProgram{};
    m_rounded.clear();
    m_program.text = text;
    m_program.variables = variables;
    std::vector<int> registers;
    m_program.fixedLength = whole.size();
    std::size_t replaced = 0;
    for (const char letter : variables) {
        const int count = static_cast<int>(std::count(whole.begin(), whole.end(), letter));
        registers.push_back(NewRegister(true));
        m_program.occurrences.push_back(count);
        m_program.variableRegisters.push_back(static_cast<std::uint16_t>(registers.back()));
        m_program.guesses.push_back(0);
        m_program.fixedLength -= count;
        replaced += count;
    }
    // Value texts short enough for the whole text to take them all need no measuring.
    if (replaced > 0)
        m_program.longestValueText = m_program.fixedLength < kLongestText
                                         ? static_cast<int>((kLongestText - m_program.fixedLength) / replaced)
                                         : 0;
    Value result{};
    // A text too long to work on ends its evaluation at once.
    const Flow flow = text.size() > SymbolicText::kCapacity
                          ? Stop()
                          : Evaluate(SymbolicText(text, variables, registers.data()), result);
    // A text left to the textual reduction keeps what replacing its variables takes.
    m_program.compiled = flow != Flow::kRefused;
    if (flow == Flow::kRefused)
        m_program.instructions.clear();
    else if (flow == Flow::kGo)
        m_program.instructions.push_back({Op::kReturn, 0, static_cast<std::uint16_t>(RegisterOf(result)), 0});
    // The decimal exponents whose value texts are short enough, one range since the longest
    // text falls and then rises with the exponent; none at all when the texts must be shorter.
    m_program.lowestExponent = kQuickHighestExponent + 1;
    m_program.highestExponent = kQuickLowestExponent - 1;
    for (int exponent = kQuickLowestExponent; exponent <= kQuickHighestExponent; ++exponent) {
        if (LongestValueText(exponent) <= m_program.longestValueText) {
            m_program.lowestExponent = std::min(m_program.lowestExponent, exponent);
            m_program.highestExponent = std::max(m_program.highestExponent, exponent);
        }
    }
    return std::move(m_program);
}

ExpressionCompiler::Flow ExpressionCompiler::Evaluate(SymbolicText text, Value& result) {
    if (const Flow flow = ReplaceConstants(text); flow != Flow::kGo)
        return flow;
    std::size_t open = 0;
    std::size_t close = 0;
    for (Group group; (group = FindGroup(text, open, close)) != Group::kNone;) {
        if (group == Group::kUnmatched)
            return Stop();
        // The group's text after its opening bracket, the closing one included.
        SymbolicText inner = text.Part({open + 1, close + 1});
        Value v{};
        if (const Flow flow = EvaluateFlat(inner, v); flow != Flow::kGo)
            return flow;
        if (text.Contains('[', {open, close + 1}))
            v = Gauss(v, true);
        else if (text.Contains('{', {open, close + 1}))
            v = Gauss(v, false);
        if (const Flow flow = WriteBack(text, {open, close + 1}, v); flow != Flow::kGo)
            return flow;
    }
    return EvaluateFlat(text, result);
}

ExpressionCompiler::Flow ExpressionCompiler::ReplaceConstants(SymbolicText& text) {
    if (m_constants == nullptr || !text.Contains('$'))
        return Flow::kGo;
    for (std::size_t i = 0; i < m_constants->ConstantCount(); ++i) {
        const std::string_view name = m_constants->ConstantName(i);
        if (name.size() + 2 > kWorkTextSize)
            continue;
        // The pattern is a C string: a name ends at a NUL.
        std::string pattern = "$" + std::string(name);
        pattern.resize(std::strlen(pattern.c_str()));
        std::size_t at = 0;
        SymbolicText::Match match = text.Find(pattern, 0, at);
        if (match == SymbolicText::Match::kNone)
            continue;
        if (match == SymbolicText::Match::kUndecided)
            return Flow::kRefused;
        char valueText[kWorkTextSize];
        if (WriteValueText(m_constants->ConstantValue(i), valueText) == 0)
            return Stop();
        for (; match == SymbolicText::Match::kFound; match = text.Find(pattern, 0, at)) {
            if (!text.Replace({at, at + pattern.size()}, valueText))
                return Stop();
            CheckLength(text);
        }
        if (match == SymbolicText::Match::kUndecided)
            return Flow::kRefused;
    }
    return Flow::kGo;
}

ExpressionCompiler::Flow ExpressionCompiler::EvaluateFlat(SymbolicText& text, Value& result) {
    if (const Flow flow = ReduceNames(text); flow != Flow::kGo)
        return flow;
    if (const Flow flow = ReducePowers(text); flow != Flow::kGo)
        return flow;
    if (const Flow flow = ReduceProducts(text); flow != Flow::kGo)
        return flow;
    return EvaluateSum(text, result);
}

ExpressionCompiler::Flow ExpressionCompiler::ReduceNames(SymbolicText& text) {
    for (;;) {
        std::size_t start = 0;
        while (start < text.Size() && !IsNameLetter(text.CharacterAt(start)))
            ++start;
        if (start == text.Size())
            return Flow::kGo;
        char name[SymbolicText::kCapacity];
        std::size_t nameEnd = start;
        for (; nameEnd < text.Size() && IsNameLetter(text.CharacterAt(nameEnd)); ++nameEnd)
            name[nameEnd - start] = text.CharacterAt(nameEnd);
        std::size_t tokenEnd = nameEnd;
        Value argument{-1, 0.0};
        if (nameEnd < text.Size()) {
            SymbolicText::Reading reading{};
            if (!text.ReadNumberAt(nameEnd, reading))
                return Flow::kRefused;
            argument = {reading.slot, reading.number};
            while (tokenEnd < text.Size() &&
                   (text.IsSlot(tokenEnd) || IsArgumentChar(text.CharacterAt(tokenEnd))))
                ++tokenEnd;
        }
        Value v{};
        if (const Flow flow = CallNamed({name, nameEnd - start}, argument, v); flow != Flow::kGo)
            return flow;
        if (const Flow flow = WriteBack(text, {start, tokenEnd}, v); flow != Flow::kGo)
            return flow;
    }
}

ExpressionCompiler::Flow ExpressionCompiler::CallNamed(std::string_view name, Value argument, Value& result) {
    const int builtin = FindBuiltin(name.data(), name.size());
    if (builtin >= 0) {
        if (argument.reg >= 0) {
            result = Emit(Op::kBuiltin, argument, {-1, static_cast<double>(builtin)});
            return Flow::kGo;
        }
        bool ok = true;
        result = {-1, ApplyBuiltin(builtin, argument.number, ok)};
        m_program.failsAlways = m_program.failsAlways || !ok;
        return Flow::kGo;
    }
    const int function = m_functions != nullptr ? m_functions->FindFunction(name) : -1;
    if (function > UINT16_MAX)
        return Flow::kRefused; // beyond what an instruction names
    if (function < 0) {
        result = {-1, 0.0}; // an unknown name counts 0
        return Flow::kGo;
    }
    // The callee's x is the argument's value text: a number read back from one is its own.
    bool rounded = argument.reg >= 0 && m_rounded[argument.reg];
    if (argument.reg < 0)
        rounded = RoundThroughText(argument.number, argument.number) != 0;
    result = Emit(rounded ? Op::kCallRounded : Op::kCall, argument, {-1, static_cast<double>(function)});
    return Flow::kGo;
}

// The powers and the products are pieces of the text as it stood before their step; each is
// written back where it stands, which is where ReplaceFirst finds it: every earlier piece with a
// '^' (or a '*' or '/') has been replaced by then, so any occurrence before it would have to
// take in the separator in front of it.
ExpressionCompiler::Flow ExpressionCompiler::ReducePowers(SymbolicText& text) {
    if (!text.Contains('^'))
        return Flow::kGo;
    const SymbolicText before = text;
    SymbolicText::Pieces terms;
    SymbolicText::Pieces factors;
    Readings operands;
    if (!before.Split({0, before.Size()}, kPlusCode, kMinusCode, terms))
        return Stop();
    std::ptrdiff_t shift = 0; // how far the text after the last piece replaced has moved
    for (int t = 0; t < terms.count; ++t) {
        if (!before.Contains('^', terms.piece[t]))
            continue;
        if (!before.Split(terms.piece[t], '*', '/', factors))
            return Stop();
        for (int f = 0; f < factors.count; ++f) {
            const Range factor = factors.piece[f];
            if (!before.Contains('^', factor))
                continue;
            if (const Flow flow = ReadPieces(before, factor, '^', '^', operands); flow != Flow::kGo)
                return flow;
            const std::size_t size = text.Size();
            const Range at{factor.begin + shift, factor.end + shift};
            if (const Flow flow = WriteBack(text, at, PowerChain(operands)); flow != Flow::kGo)
                return flow;
            shift += static_cast<std::ptrdiff_t>(text.Size()) - static_cast<std::ptrdiff_t>(size);
        }
    }
    return Flow::kGo;
}

ExpressionCompiler::Flow ExpressionCompiler::ReduceProducts(SymbolicText& text) {
    if (!text.Contains('*') && !text.Contains('/'))
        return Flow::kGo;
    const SymbolicText before = text;
    SymbolicText::Pieces terms;
    Readings factors;
    if (!before.Split({0, before.Size()}, kPlusCode, kMinusCode, terms))
        return Stop();
    std::ptrdiff_t shift = 0;
    for (int t = 0; t < terms.count; ++t) {
        const Range term = terms.piece[t];
        if (!before.Contains('*', term) && !before.Contains('/', term))
            continue;
        if (const Flow flow = ReadPieces(before, term, '*', '/', factors); flow != Flow::kGo)
            return flow;
        const std::size_t size = text.Size();
        const Range at{term.begin + shift, term.end + shift};
        if (const Flow flow = WriteBack(text, at, Product(factors)); flow != Flow::kGo)
            return flow;
        shift += static_cast<std::ptrdiff_t>(text.Size()) - static_cast<std::ptrdiff_t>(size);
    }
    return Flow::kGo;
}

ExpressionCompiler::Flow ExpressionCompiler::EvaluateSum(const SymbolicText& text, Value& result) {
    Readings terms;
    if (const Flow flow = ReadPieces(text, {0, text.Size()}, kPlusCode, kMinusCode, terms); flow != Flow::kGo)
        return flow;
    result = Sum(terms);
    return Flow::kGo;
}

ExpressionCompiler::Flow ExpressionCompiler::ReadPieces(const SymbolicText& text, Range range, char first,
                                                        char second, Readings& readings) {
    SymbolicText::Pieces pieces;
    if (!text.Split(range, first, second, pieces))
        return Stop();
    readings.count = pieces.count;
    for (int i = 0; i < pieces.count; ++i) {
        const Range piece = pieces.piece[i];
        SymbolicText::Reading reading{};
        if (!text.ReadNumberAt(piece.begin, reading))
            return Flow::kRefused;
        readings.value[i] = {reading.slot, reading.number};
        // The separator in front of the piece; the first piece counts as after the first one.
        readings.first[i] = piece.begin == range.begin || text.CharacterAt(piece.begin - 1) == first;
    }
    return Flow::kGo;
}

ExpressionCompiler::Value ExpressionCompiler::PowerChain(Readings& operands) {
    // Right to left, as far as the operands are known; a power that is not finite fails, counts
    // 0 and ends the chain, whose value is then its first operand.
    Value* const operand = operands.value;
    int last = operands.count - 1;
    for (; last >= 1 && operand[last].reg < 0 && operand[last - 1].reg < 0; --last) {
        const double power = std::pow(operand[last - 1].number, operand[last].number);
        if (!std::isfinite(power)) {
            m_program.failsAlways = true;
            operand[last - 1].number = 0.0;
            return operand[0];
        }
        operand[last - 1].number = power;
    }
    if (last == 0)
        return operand[0];
    if (last == 1)
        return Emit(Op::kPower, operand[0], operand[1]);
    const std::size_t first = m_program.chain.size();
    for (int i = 0; i <= last; ++i)
        m_program.chain.push_back(static_cast<std::uint16_t>(RegisterOf(operand[i])));
    const int target = NewRegister(false);
    m_program.instructions.push_back({Op::kPowerChain, static_cast<std::uint16_t>(target),
                                      static_cast<std::uint16_t>(first),
                                      static_cast<std::uint16_t>(last + 1)});
    return {target, 0.0};
}

ExpressionCompiler::Value ExpressionCompiler::Product(const Readings& factors) {
    const bool* const multiply = factors.first;
    Value product = factors.value[0];
    for (int i = 1; i < factors.count; ++i) {
        const Value factor = factors.value[i];
        if (!multiply[i] && factor.reg < 0 && factor.number == 0.0) {
            m_program.failsAlways = true; // a division by 0 is skipped
            continue;
        }
        if (product.reg < 0 && factor.reg < 0)
            product.number = multiply[i] ? product.number * factor.number : product.number / factor.number;
        else if (!multiply[i] && factor.reg < 0 && IsExactReciprocal(factor.number))
            product = Emit(Op::kMultiply, product, {-1, 1.0 / factor.number});
        else
            product = Emit(multiply[i] ? Op::kMultiply : Op::kDivide, product, factor);
        // Once not finite, a product stays so: the whole product fails.
        if (product.reg < 0 && !std::isfinite(product.number))
            break;
    }
    return Finite(product, true);
}

ExpressionCompiler::Value ExpressionCompiler::Sum(const Readings& terms) {
    const bool* const add = terms.first;
    Value sum = terms.value[0];
    bool finite = true; // a sum of numbers read from the text, finite until something is added
    for (int i = 1; i < terms.count; ++i) {
        const Value term = terms.value[i];
        if (sum.reg < 0 && term.reg < 0) {
            sum.number = add[i] ? sum.number + term.number : sum.number - term.number;
        } else {
            // 0 minus a number read back from a value text is the number of the opposite text.
            const bool negated =
                !add[i] && sum.reg < 0 && sum.number == 0.0 && term.reg >= 0 && m_rounded[term.reg];
            sum = Emit(add[i] ? Op::kAdd : Op::kSubtract, sum, term, negated);
            finite = finite && negated;
        }
        if (sum.reg < 0 && !std::isfinite(sum.number))
            break;
    }
    return Finite(sum, !finite);
}

// A product or sum that is not finite fails and counts 0: known, at once; held by a register,
// by an instruction, unless it cannot be infinite.
ExpressionCompiler::Value ExpressionCompiler::Finite(Value v, bool mayBeInfinite) {
    if (v.reg >= 0 && !mayBeInfinite)
        return v;
    if (v.reg >= 0) {
        // The step that made v checks its own result: one instruction less to run.
        std::vector<ExpressionProgram::Instruction>& instructions = m_program.instructions;
        if (!instructions.empty() && instructions.back().target == v.reg) {
            Op& last = instructions.back().op;
            if (last >= Op::kAdd && last <= Op::kDivide) {
                last = static_cast<Op>(static_cast<int>(last) - static_cast<int>(Op::kAdd) +
                                       static_cast<int>(Op::kAddFinite));
                return v;
            }
        }
        return Emit(Op::kFinite, v, {-1, 0.0});
    }
    if (std::isfinite(v.number))
        return v;
    m_program.failsAlways = true;
    return {-1, 0.0};
}

ExpressionCompiler::Value ExpressionCompiler::Gauss(Value v, bool integerPart) {
    // The integer part of a number read back from a value text is one too, and no longer.
    if (v.reg >= 0)
        return Emit(integerPart ? Op::kFloor : Op::kFraction, v, {-1, 0.0}, integerPart && m_rounded[v.reg]);
    const double floor = std::floor(v.number);
    return {-1, integerPart ? floor : v.number - floor};
}

// The value text of v in place of the range. A text that would grow past 255 characters ends the
// reduction: here, when it must whatever stands in its slots.
ExpressionCompiler::Flow ExpressionCompiler::WriteBack(SymbolicText& text, Range range, Value v) {
    if (v.reg < 0) {
        char valueText[kWorkTextSize];
        if (WriteValueText(v.number, valueText) == 0 || !text.Replace(range, valueText))
            return Stop();
        CheckLength(text);
        return Flow::kGo;
    }
    if (!text.Replace(range, v.reg))
        return Stop();
    CheckLength(text);
    if (!m_rounded[v.reg]) {
        const int rounded = NewRegister(true);
        m_program.instructions.push_back({Op::kRound, static_cast<std::uint16_t>(rounded),
                                          static_cast<std::uint16_t>(v.reg),
                                          static_cast<std::uint16_t>(m_program.guesses.size())});
        m_program.guesses.push_back(0);
        text.Replace({range.begin, range.begin + 1}, rounded);
    }
    return Flow::kGo;
}

// Lowers the program's bound on value texts to what keeps the text within 255 characters when
// every slot holds as long a text.
void ExpressionCompiler::CheckLength(const SymbolicText& text) {
    const std::size_t characters = text.CharacterCount();
    const std::size_t slots = text.SlotCount();
    if (slots > 0)
        m_program.longestValueText =
            std::min(m_program.longestValueText, static_cast<int>((kLongestText - characters) / slots));
}

ExpressionCompiler::Flow ExpressionCompiler::Stop() {
    m_program.instructions.push_back({Op::kStop, 0, 0, 0});
    return Flow::kStopped;
}

int ExpressionCompiler::NewRegister(bool rounded) {
    m_program.registers.push_back(0.0);
    m_rounded.push_back(rounded);
    return static_cast<int>(m_program.registers.size() - 1);
}

int ExpressionCompiler::RegisterOf(Value v) {
    if (v.reg >= 0)
        return v.reg;
    const int reg = NewRegister(false);
    m_program.registers[reg] = v.number;
    return reg;
}

ExpressionCompiler::Value ExpressionCompiler::Emit(Op op, Value a, Value b, bool rounded) {
    // Built-ins and calls take their index as b, kFinite and the Gauss brackets take none.
    const bool indexed = op == Op::kBuiltin || op == Op::kCall || op == Op::kCallRounded;
    const bool unary = op == Op::kFinite || op == Op::kFloor || op == Op::kFraction;
    const auto ra = static_cast<std::uint16_t>(RegisterOf(a));
    const auto rb = static_cast<std::uint16_t>(indexed ? static_cast<int>(b.number)
                                               : unary ? 0
                                                       : RegisterOf(b));
    const int target = op == Op::kFinite ? ra : NewRegister(rounded);
    m_program.instructions.push_back({op, static_cast<std::uint16_t>(target), ra, rb});
    return {target, 0.0};
}
