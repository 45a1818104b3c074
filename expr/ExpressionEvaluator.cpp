#include "expr/ExpressionEvaluator.h"

#include "expr/BuiltinFunctions.h"
#include "expr/ExpressionText.h"
#include "expr/NumberText.h"
#include "model/ConstantTable.h"
#include "model/FunctionGraphList.h"

#include <cmath>
#include <cstring>

namespace {

bool IsLetter(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }
bool IsArgumentChar(char c) { return (c >= '0' && c <= '9') || c == '-' || c == '.'; }

enum class Group { None, Found, Unmatched };

// The group to reduce next: for the kinds (), [] and {} in that order, the first closing bracket
// of the kind and the last opening bracket of the same kind before it.
Group FindGroup(const char* text, std::size_t& open, std::size_t& close) {
    constexpr char kOpening[3] = {'(', '[', '{'};
    constexpr char kClosing[3] = {')', ']', '}'};
    long lastOpen[3] = {-1, -1, -1};
    long groupOpen[3] = {-1, -1, -1};
    long groupClose[3] = {-1, -1, -1};
    for (long i = 0; text[i] != '\0'; ++i) {
        for (int k = 0; k < 3; ++k) {
            if (groupClose[k] >= 0)
                continue;
            if (text[i] == kOpening[k]) {
                lastOpen[k] = i;
            } else if (text[i] == kClosing[k]) {
                groupClose[k] = i;
                groupOpen[k] = lastOpen[k];
            }
        }
        if (groupClose[0] >= 0)
            break; // round groups come first
    }
    for (int k = 0; k < 3; ++k) {
        if (groupClose[k] < 0)
            continue;
        if (groupOpen[k] < 0)
            return Group::Unmatched;
        open = groupOpen[k];
        close = groupClose[k];
        return Group::Found;
    }
    return Group::None;
}

// The integer part taken through a 32-bit signed integer, one less for negative values:
// [-1.63] is -2 and [-2] is -3. False when v does not fit a 32-bit integer.
bool IntegerPart(double v, double& part) {
    const double truncated = std::trunc(v);
    if (!(truncated >= -2147483648.0 && truncated <= 2147483647.0))
        return false;
    part = static_cast<double>(static_cast<int>(truncated)) - (v < 0.0 ? 1.0 : 0.0);
    return true;
}

void CopyText(char* to, const char* from) { std::memcpy(to, from, std::strlen(from) + 1); }

} // namespace

bool ExpressionEvaluator::CallChain::Enter(int index) {
    if (depth >= kMaxDepth)
        return false;
    for (int i = 0; i < depth; ++i)
        if (function[i] == index)
            return false;
    function[depth++] = index;
    return true;
}

void ExpressionEvaluator::Bind(const ConstantTable* constants, const FunctionGraphList* functions) {
    m_constants = constants;
    m_functions = functions;
}

bool ExpressionEvaluator::Evaluate(const char* text, double& value) {
    m_success = true;
    value = 0.0;
    char work[kWorkTextSize];
    const std::size_t length = std::strlen(text);
    if (length >= kWorkTextSize)
        return m_success = false;
    std::memcpy(work, text, length + 1);

    if (ReplaceConstants(work) == Step::Stop)
        return m_success = false;

    std::size_t open = 0;
    std::size_t close = 0;
    for (Group group; (group = FindGroup(work, open, close)) != Group::None;) {
        if (group == Group::Unmatched)
            return m_success = false;
        // The group's text after its opening bracket; number reading ignores the closing one.
        char inner[kWorkTextSize];
        const std::size_t innerLength = close - open;
        std::memcpy(inner, work + open + 1, innerLength);
        inner[innerLength] = '\0';
        double v = 0.0;
        if (EvaluateFlat(inner, v) == Step::Stop)
            return m_success = false;

        const char* groupText = work + open;
        const std::size_t groupLength = close - open + 1;
        const bool square = std::memchr(groupText, '[', groupLength) != nullptr;
        if (square || std::memchr(groupText, '{', groupLength) != nullptr) {
            double part = 0.0;
            if (IntegerPart(v, part)) {
                v = square ? part : v - part;
            } else {
                m_success = false;
                v = 0.0;
            }
        }
        if (!std::isfinite(v))
            return m_success = false;
        char valueText[kWorkTextSize];
        if (WriteValueText(v, valueText) == 0 || !ReplaceAt(work, sizeof work, open, groupLength, valueText))
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
    for (const NamedConstant& constant : *m_constants) {
        char pattern[kConstantNameSize + 2] = {'$'};
        const std::string_view name = FieldText(constant.name);
        std::memcpy(pattern + 1, name.data(), name.size());
        pattern[name.size() + 1] = '\0';
        if (std::strstr(work, pattern) == nullptr)
            continue;
        char valueText[kWorkTextSize];
        if (WriteValueText(constant.value, valueText) == 0 ||
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
        while (work[start] != '\0' && !IsLetter(work[start]))
            ++start;
        if (work[start] == '\0')
            return Step::Continue;
        std::size_t nameEnd = start;
        while (IsLetter(work[nameEnd]))
            ++nameEnd;
        std::size_t tokenEnd = nameEnd;
        double argument = 0.0;
        if (work[nameEnd] != '\0') {
            argument = ReadNumber(work + nameEnd);
            while (IsArgumentChar(work[tokenEnd]))
                ++tokenEnd;
        }
        const double v = CallNamed(work + start, nameEnd - start, argument);
        char valueText[kWorkTextSize];
        if (WriteValueText(v, valueText) == 0 ||
            !ReplaceAt(work, kWorkTextSize, start, tokenEnd - start, valueText))
            return Step::Stop;
    }
}

double ExpressionEvaluator::CallNamed(const char* name, std::size_t length, double argument) {
    double v = 0.0;
    const int builtin = FindBuiltin(name, length);
    if (builtin >= 0) {
        v = ApplyBuiltin(builtin, argument, m_success);
    } else {
        const std::string_view userName(name, length);
        if (m_functions == nullptr || m_functions->FindByName(userName) < 0)
            return 0.0; // an unknown name counts 0 and is no error
        if (!m_functions->CallUserFunction(userName, argument, m_constants, v, m_chain))
            m_success = false;
    }
    if (!std::isfinite(v)) {
        m_success = false;
        return 0.0;
    }
    return v;
}

ExpressionEvaluator::Step ExpressionEvaluator::WriteBack(char* work, const char* pattern, double value) {
    char valueText[kWorkTextSize];
    if (WriteValueText(value, valueText) == 0 || !ReplaceFirst(work, kWorkTextSize, pattern, valueText))
        return Step::Stop;
    return Step::Continue;
}

ExpressionEvaluator::Step ExpressionEvaluator::ReducePowers(char* work) {
    if (std::strchr(work, '^') == nullptr)
        return Step::Continue;
    char terms[kWorkTextSize];
    CopyText(terms, work);
    SplitPieces termPieces;
    if (!SplitAt(terms, kPlusCode, kMinusCode, termPieces))
        return Step::Stop;
    for (int t = 0; t < termPieces.count; ++t) {
        SplitPieces factors;
        if (!SplitAt(termPieces.piece[t], '*', '/', factors))
            return Step::Stop;
        for (int f = 0; f < factors.count; ++f) {
            if (std::strchr(factors.piece[f], '^') == nullptr)
                continue;
            Step step = Step::Continue;
            const double v = EvaluatePowerChain(factors.piece[f], step);
            if (step == Step::Stop || WriteBack(work, factors.piece[f], v) == Step::Stop)
                return Step::Stop;
        }
    }
    return Step::Continue;
}

ExpressionEvaluator::Step ExpressionEvaluator::ReduceProducts(char* work) {
    if (std::strpbrk(work, "*/") == nullptr)
        return Step::Continue;
    char terms[kWorkTextSize];
    CopyText(terms, work);
    SplitPieces termPieces;
    if (!SplitAt(terms, kPlusCode, kMinusCode, termPieces))
        return Step::Stop;
    for (int t = 0; t < termPieces.count; ++t) {
        const char* term = termPieces.piece[t];
        if (std::strpbrk(term, "*/") == nullptr)
            continue;
        Step step = Step::Continue;
        const double v = EvaluateProduct(term, step);
        if (step == Step::Stop || WriteBack(work, term, v) == Step::Stop)
            return Step::Stop;
    }
    return Step::Continue;
}

double ExpressionEvaluator::EvaluatePowerChain(const char* factor, Step& step) {
    char text[kWorkTextSize];
    CopyText(text, factor);
    SplitPieces pieces;
    if (!SplitAt(text, '^', '^', pieces)) {
        step = Step::Stop;
        return 0.0;
    }
    double operand[SplitPieces::kMaxPieces];
    for (int i = 0; i < pieces.count; ++i)
        operand[i] = ReadNumber(pieces.piece[i]);
    // Right to left: 2^3^2 is 2^9.
    for (int i = pieces.count - 1; i >= 1; --i) {
        operand[i - 1] = std::pow(operand[i - 1], operand[i]);
        if (!std::isfinite(operand[i - 1])) {
            m_success = false;
            operand[i - 1] = 0.0;
            break;
        }
    }
    return operand[0];
}

double ExpressionEvaluator::EvaluateProduct(const char* term, Step& step) {
    char text[kWorkTextSize];
    CopyText(text, term);
    SplitPieces pieces;
    if (!SplitAt(text, '*', '/', pieces)) {
        step = Step::Stop;
        return 0.0;
    }
    double product = ReadNumber(pieces.piece[0]);
    for (int i = 1; i < pieces.count; ++i) {
        const double factor = ReadNumber(pieces.piece[i]);
        if (pieces.flag[i - 1] == 1) {
            product *= factor;
        } else if (factor == 0.0) {
            m_success = false; // division by zero is skipped: 1/0 leaves 1
            continue;
        } else {
            product /= factor;
        }
        if (!std::isfinite(product)) {
            m_success = false;
            return 0.0;
        }
    }
    return product;
}

double ExpressionEvaluator::EvaluateSum(const char* text, Step& step) {
    char copy[kWorkTextSize];
    CopyText(copy, text);
    SplitPieces pieces;
    if (!SplitAt(copy, kPlusCode, kMinusCode, pieces)) {
        step = Step::Stop;
        return 0.0;
    }
    double sum = ReadNumber(pieces.piece[0]);
    for (int i = 1; i < pieces.count; ++i)
        sum += pieces.flag[i - 1] == 1 ? ReadNumber(pieces.piece[i]) : -ReadNumber(pieces.piece[i]);
    if (!std::isfinite(sum)) {
        m_success = false;
        return 0.0;
    }
    return sum;
}
