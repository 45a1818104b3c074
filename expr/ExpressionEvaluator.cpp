#include "expr/ExpressionEvaluator.h"

#include "expr/BuiltinFunctions.h"
#include "expr/ConstantScope.h"
#include "expr/ExpressionText.h"
#include "expr/FunctionScope.h"
#include "expr/NumberText.h"

#include <cmath>
#include <cstring>

namespace {

// The brackets of a text, for FindGroup.
struct Brackets {
    const char* text;
    std::size_t Next(std::size_t from) const {
        const char* bracket = std::strpbrk(text + from, "()[]{}");
        return bracket != nullptr ? static_cast<std::size_t>(bracket - text) : kNoBracket;
    }
    char At(std::size_t position) const { return text[position]; }
};

void CopyText(char* to, const char* from) {
    std::memcpy(to, from, std::strlen(from) + 1);
}

// Reads the number of every piece of a text cut at two separators, as SplitAt would cut it, but
// in place: no separator can be part of a number, so each one ends the number before it.
// Calls use(separatorIsFirst, value) per piece, the first piece with true. False when the text
// has more than 30 pieces (after using the first 30).
template <typename Use>
bool ReadPieces(std::string_view text, char first, char second, Use use) {
    const char* const end = text.data() + text.size();
    const char* piece = text.data();
    bool isFirst = true;
    for (int count = 1;; ++count) {
        if (count > SplitPieces::kMaxPieces)
            return false;
        const char* numberEnd = nullptr;
        use(isFirst, ReadNumber(piece, &numberEnd));
        const char* c = numberEnd;
        while (c < end && *c != first && *c != second)
            ++c;
        if (c >= end)
            return true;
        isFirst = *c == first;
        piece = c + 1;
    }
}

} // namespace

void ExpressionEvaluator::Bind(const ConstantScope* constants, const FunctionScope* functions) {
    m_constants = constants;
    m_functions = functions;
}

bool ExpressionEvaluator::Evaluate(std::string_view text, double& value) {
    m_success = true;
    if (!m_called) {
        m_callsLeft = CallChain::kCallBudget;
        m_memo.Clear();
        m_chain.Restart(&m_callsLeft, &m_memo);
    }
    value = 0.0;
    char work[kWorkTextSize];
    if (text.size() >= kWorkTextSize)
        return m_success = false;
    if (!text.empty()) // an empty view may point nowhere
        std::memcpy(work, text.data(), text.size());
    work[text.size()] = '\0';

    if (ReplaceConstants(work) == Step::Stop)
        return m_success = false;

    std::size_t open = 0;
    std::size_t close = 0;
    for (Group group; (group = FindGroup(Brackets{work}, open, close)) != Group::kNone;) {
        if (group == Group::kUnmatched)
            return m_success = false;
        // The group's text after its opening bracket; number reading ignores the closing one.
        char inner[kWorkTextSize];
        const std::size_t innerLength = close - open;
        std::memcpy(inner, work + open + 1, innerLength);
        inner[innerLength] = '\0';
        double v = 0.0;
        if (EvaluateFlat(inner, v) == Step::Stop)
            return m_success = false;

        // The Gauss brackets: [v] is the greatest integer not above v and {v} = v - [v], so
        // [-2] is -2 and {-2} is 0. A group's value is finite, and so are both parts.
        const char* groupText = work + open;
        const std::size_t groupLength = close - open + 1;
        if (std::memchr(groupText, '[', groupLength) != nullptr)
            v = std::floor(v);
        else if (std::memchr(groupText, '{', groupLength) != nullptr)
            v -= std::floor(v);
        char valueText[kWorkTextSize];
        const std::size_t valueLength = WriteValueText(v, valueText);
        if (valueLength == 0 || !ReplaceAt(work, sizeof work, open, groupLength, {valueText, valueLength}))
            return m_success = false;
    }

    double result = 0.0;
    if (EvaluateFlat(work, result) == Step::Stop)
        return m_success = false;
    value = result;
    return m_success;
}

ExpressionEvaluator::Step ExpressionEvaluator::ReplaceConstants(char* work) {
    if (m_constants == nullptr || std::strchr(work, '$') == nullptr)
        return Step::Continue;
    for (std::size_t i = 0; i < m_constants->ConstantCount(); ++i) {
        const std::string_view name = m_constants->ConstantName(i);
        char pattern[kWorkTextSize];
        if (name.size() + 2 > sizeof pattern)
            continue; // a pattern longer than any text is found nowhere
        pattern[0] = '$';
        std::memcpy(pattern + 1, name.data(), name.size());
        pattern[name.size() + 1] = '\0';
        if (std::strstr(work, pattern) == nullptr)
            continue;
        char valueText[kWorkTextSize];
        if (WriteValueText(m_constants->ConstantValue(i), valueText) == 0 ||
            !ReplaceAll(work, kWorkTextSize, pattern, valueText))
            return Step::Stop;
    }
    return Step::Continue;
}

ExpressionEvaluator::Step ExpressionEvaluator::EvaluateFlat(char* work, double& value) {
    if (ReduceNames(work) == Step::Stop || ReducePowers(work) == Step::Stop ||
        ReduceProducts(work) == Step::Stop)
        return Step::Stop;
    Step step = Step::Continue;
    value = EvaluateSum(work, step);
    return step;
}

ExpressionEvaluator::Step ExpressionEvaluator::ReduceNames(char* work) {
    // A name applies to the number right after it: sin0.5, sin-2 (a substituted negative value).
    // Value texts hold no letters, so the text before a replaced name holds none either.
    for (std::size_t start = 0;; ++start) {
        while (work[start] != '\0' && !IsNameLetter(work[start]))
            ++start;
        if (work[start] == '\0')
            return Step::Continue;
        std::size_t nameEnd = start;
        while (IsNameLetter(work[nameEnd]))
            ++nameEnd;
        std::size_t tokenEnd = nameEnd;
        double argument = 0.0;
        if (work[nameEnd] != '\0') {
            argument = ReadNumber(work + nameEnd);
            while (IsArgumentChar(work[tokenEnd]))
                ++tokenEnd;
        }
        const double v = CallNamed(std::string_view(work + start, nameEnd - start), argument);
        char valueText[kWorkTextSize];
        const std::size_t length = WriteValueText(v, valueText);
        if (length == 0 || !ReplaceAt(work, kWorkTextSize, start, tokenEnd - start, {valueText, length}))
            return Step::Stop;
    }
}

double ExpressionEvaluator::CallNamed(std::string_view name, double argument) {
    double v = 0.0;
    const int builtin = FindBuiltin(name.data(), name.size());
    if (builtin >= 0) {
        v = ApplyBuiltin(builtin, argument, m_success);
    } else {
        const int function = m_functions != nullptr ? m_functions->FindFunction(name) : -1;
        if (function < 0)
            return 0.0; // an unknown name counts 0 and is no error
        if (!CallFunction(function, argument, m_chain, v))
            m_success = false;
    }
    if (!std::isfinite(v)) {
        m_success = false;
        return 0.0;
    }
    return v;
}

bool ExpressionEvaluator::CallFunction(int index, double argument, const CallChain& chain,
                                       double& value) const {
    bool ok = false;
    if (chain.Recall(index, argument, value, ok))
        return ok;
    const int callsBefore = chain.CallsLeft();
    value = 0.0;
    CallChain inner = chain;
    char text[kWorkTextSize];
    if (inner.Enter(index) && m_functions->NormalizedText(index, text) &&
        ReplaceVariable(text, sizeof text, 'x', argument)) {
        ExpressionEvaluator evaluator;
        evaluator.Bind(m_constants, m_functions);
        evaluator.SetCallChain(inner);
        ok = evaluator.Evaluate(text, value);
    }
    chain.Remember(index, argument, callsBefore, value, ok);
    return ok;
}

ExpressionEvaluator::Step ExpressionEvaluator::WriteBack(char* work, std::string_view pattern, double value) {
    char valueText[kWorkTextSize];
    const std::size_t length = WriteValueText(value, valueText);
    if (length == 0 || !ReplaceFirst(work, kWorkTextSize, pattern, {valueText, length}))
        return Step::Stop;
    return Step::Continue;
}

// The powers and the products are found in a copy of the text taken before their step, and each
// is written back over its first occurrence in the text itself.
ExpressionEvaluator::Step ExpressionEvaluator::ReducePowers(char* work) {
    if (std::strchr(work, '^') == nullptr)
        return Step::Continue;
    char before[kWorkTextSize];
    CopyText(before, work);
    SplitPieces terms;
    if (!SplitAt(before, kPlusCode, kMinusCode, terms))
        return Step::Stop;
    for (int t = 0; t < terms.count; ++t) {
        // A term without a power is left alone; had it too many factors, its product fails.
        if (std::string_view(terms.piece[t]).find('^') == std::string_view::npos)
            continue;
        SplitPieces factors;
        if (!SplitAt(terms.piece[t], '*', '/', factors))
            return Step::Stop;
        for (int f = 0; f < factors.count; ++f) {
            const std::string_view factor = factors.piece[f];
            if (factor.find('^') == std::string_view::npos)
                continue;
            Step step = Step::Continue;
            const double v = EvaluatePowerChain(factor, step);
            if (step == Step::Stop || WriteBack(work, factor, v) == Step::Stop)
                return Step::Stop;
        }
    }
    return Step::Continue;
}

ExpressionEvaluator::Step ExpressionEvaluator::ReduceProducts(char* work) {
    if (std::strpbrk(work, "*/") == nullptr)
        return Step::Continue;
    char before[kWorkTextSize];
    CopyText(before, work);
    SplitPieces terms;
    if (!SplitAt(before, kPlusCode, kMinusCode, terms))
        return Step::Stop;
    for (int t = 0; t < terms.count; ++t) {
        const std::string_view term = terms.piece[t];
        if (term.find_first_of("*/") == std::string_view::npos)
            continue;
        Step step = Step::Continue;
        const double v = EvaluateProduct(term, step);
        if (step == Step::Stop || WriteBack(work, term, v) == Step::Stop)
            return Step::Stop;
    }
    return Step::Continue;
}

double ExpressionEvaluator::EvaluatePowerChain(std::string_view factor, Step& step) {
    double operand[SplitPieces::kMaxPieces];
    int count = 0;
    const bool fits = ReadPieces(factor, '^', '^', [&](bool, double v) { operand[count++] = v; });
    if (!fits) {
        step = Step::Stop;
        return 0.0;
    }
    // Right to left: 2^3^2 is 2^9.
    for (int i = count - 1; i >= 1; --i) {
        operand[i - 1] = std::pow(operand[i - 1], operand[i]);
        if (!std::isfinite(operand[i - 1])) {
            m_success = false;
            operand[i - 1] = 0.0;
            break;
        }
    }
    return operand[0];
}

double ExpressionEvaluator::EvaluateProduct(std::string_view term, Step& step) {
    double product = 0.0;
    bool first = true;
    bool finite = true;
    const bool fits = ReadPieces(term, '*', '/', [&](bool multiply, double factor) {
        if (first) {
            product = factor;
            first = false;
        } else if (multiply) {
            product *= factor;
        } else if (factor == 0.0) {
            m_success = false; // division by zero is skipped: 1/0 leaves 1
        } else {
            product /= factor;
        }
        finite = finite && std::isfinite(product);
    });
    if (!fits) {
        step = Step::Stop;
        return 0.0;
    }
    if (!finite) {
        m_success = false;
        return 0.0;
    }
    return product;
}

double ExpressionEvaluator::EvaluateSum(std::string_view text, Step& step) {
    // The sum starts from its first term, not from 0: a sum of one term -0 stays -0.
    double sum = 0.0;
    bool first = true;
    const bool fits = ReadPieces(text, kPlusCode, kMinusCode, [&](bool add, double term) {
        sum = first ? term : (add ? sum + term : sum - term);
        first = false;
    });
    if (!fits) {
        step = Step::Stop;
        return 0.0;
    }
    if (!std::isfinite(sum)) {
        m_success = false;
        return 0.0;
    }
    return sum;
}
