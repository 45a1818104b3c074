#include "tools/ExpressionItem.h"

#include "expr/CompiledEvaluator.h"
#include "expr/ExpressionText.h"
#include "expr/NumberText.h"

namespace {

constexpr char kErrorText[] = "\xB4\xED\xCE\xF3"; // 错误 in GBK

} // namespace

std::string ExpressionItemText(CompiledEvaluator& evaluator, std::string_view typed) {
    std::string work(typed);
    Normalize(work.data());
    double value = 0;
    // Normalizing removes blanks: the text ends at its NUL now, not at the string's old size.
    const bool ok = evaluator.Evaluate(std::string_view(work.c_str()), value);
    return std::string(typed) + "=" + (ok ? GeneralNumberText(value) : kErrorText);
}
