// Normalizes and evaluates arbitrary bytes with user functions (some recursive) and constants
// bound, as the expression page does; the sanitizers and the checks below catch the faults.
#include "expr/ExpressionEvaluator.h"
#include "expr/ExpressionText.h"
#include "expr/NumberText.h"
#include "model/GraphStore.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

GraphStore& Store() {
    static GraphStore store = [] {
        GraphStore s;
        const char* functions[][2] = {
            {"FA", "x^2+1"}, {"FB", "FA(x)*2"}, {"FC", "FC(x)"},   {"FD", "FE(x)+1"},
            {"FE", "FD(x)"}, {"FF", "lgx"},     {"FG", "[x]+{x}"}, {"FH", "$c*x"},
        };
        for (const auto& f : functions) {
            FunctionGraph record{};
            SetFieldText(record.name, f[0]);
            SetFieldText(record.text, f[1]);
            s.functions.Append(record);
        }
        // GA calls GB ten times, GB calls GC ten times, and so on: 10^9 calls without the budget.
        // GBx rather than GB(x): the same calls, without a bracket group for each.
        for (char level = 'A'; level <= 'J'; ++level) {
            FunctionGraph record{};
            const char name[3] = {'G', level, '\0'};
            SetFieldText(record.name, name);
            std::string text = level == 'J' ? "x" : "";
            for (int i = 0; level != 'J' && i < 10; ++i)
                text += std::string(i > 0 ? "+" : "") + "G" + static_cast<char>(level + 1) + "x";
            SetFieldText(record.text, text.c_str());
            s.functions.Append(record);
        }
        NamedConstant c{};
        SetFieldText(c.name, "c");
        c.value = 2.5;
        s.constants.Append(c);
        SetFieldText(c.name, "big");
        c.value = 1e300;
        s.constants.Append(c);
        return s;
    }();
    return store;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // The first byte picks a variable and its value, as the samplers would substitute it.
    char text[kWorkTextSize];
    const std::size_t length = size > 1 ? (size - 1 < kWorkTextSize - 1 ? size - 1 : kWorkTextSize - 1) : 0;
    if (length > 0)
        std::memcpy(text, data + 1, length);
    text[length] = '\0';
    Normalize(text);
    if (size > 0 && (data[0] & 1) != 0)
        ReplaceVariable(text, sizeof text, 'x', static_cast<double>(data[0]) / 7.0 - 10.0);

    // One evaluator for every input, as the expression page keeps one.
    static ExpressionEvaluator& evaluator = []() -> ExpressionEvaluator& {
        static ExpressionEvaluator e;
        e.Bind(&Store().constants, &Store().functions);
        return e;
    }();
    double value = 0.0;
    const bool ok = evaluator.Evaluate(text, value);
    if (!std::isfinite(value))
        std::abort(); // a value that is not finite must never come out
    (void)ok;
    return 0;
}
