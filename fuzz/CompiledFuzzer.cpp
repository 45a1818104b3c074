// Evaluates a random text, with a random workspace of functions and constants, at random values
// of its variables, through its compiled program and by the textual reduction: any difference in
// a value's bits, in success or in whether the variables could be replaced is a fault.
//
// The input is lines: the variables (up to two of x, y and t), the values separated by ';',
// then "NAME:TEXT" for a function and "$NAME=VALUE" for a constant, up to a line "--"; the rest
// is the text, which may hold any bytes. Hex values ("0x1p-60") give any double.
#include "expr/CompiledEvaluator.h"
#include "expr/ExpressionEvaluator.h"
#include "expr/ExpressionText.h"
#include "expr/NumberText.h"
#include "model/GraphStore.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr int kMostValues = 4;
constexpr std::size_t kMostFunctions = 8;

using Outcome = CompiledEvaluator::Outcome;

std::string_view NextLine(std::string_view& input) {
    const std::size_t end = input.find('\n');
    const std::string_view line = input.substr(0, end);
    input = end == std::string_view::npos ? std::string_view() : input.substr(end + 1);
    return line;
}

std::string Normalized(std::string_view typed) {
    std::string text(typed.substr(0, kWorkTextSize - 1));
    text.resize(kWorkTextSize);
    Normalize(text.data());
    text.resize(std::strlen(text.c_str()));
    return text;
}

// The piece of a text between the part-th and the next '&', or the whole text for part -1.
std::string_view Piece(std::string_view text, int part) {
    for (int i = 0; part >= 0 && i < part; ++i)
        text = text.substr(std::min(text.find('&'), text.size() - 1) + 1);
    return part < 0 ? text : text.substr(0, text.find('&'));
}

// The variables replaced in the whole text in order, as ReplaceVariable does, then a piece of it
// evaluated by the textual reduction.
Outcome Textually(const GraphStore& store, const std::string& whole, int part, const std::string& variables,
                  const double* values, double& value) {
    char text[kWorkTextSize];
    std::memcpy(text, whole.c_str(), whole.size() + 1);
    for (std::size_t i = 0; i < variables.size(); ++i)
        if (!ReplaceVariable(text, sizeof text, variables[i], values[i]))
            return Outcome::kNotReplaced;
    ExpressionEvaluator evaluator;
    evaluator.Bind(&store.constants, &store.functions);
    return evaluator.Evaluate(Piece(text, part), value) ? Outcome::kSucceeded : Outcome::kFailed;
}

// The program of the piece at the values from `first` on.
void Compare(CompiledEvaluator& compiled, const GraphStore& store, const std::string& whole, int part,
             const std::string& variables, const double* values, int runs) {
    ExpressionProgram program = compiled.Compile(Piece(whole, part), variables, whole);
    for (int first = 0; first < runs; ++first) {
        double byProgram = 0.0;
        double byText = 0.0;
        const Outcome programOutcome = compiled.Evaluate(program, values + first, byProgram);
        const Outcome textOutcome = Textually(store, whole, part, variables, values + first, byText);
        if (programOutcome != textOutcome || std::memcmp(&byProgram, &byText, sizeof byText) != 0)
            std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view input(reinterpret_cast<const char*>(data), size);
    std::string variables;
    for (const char c : NextLine(input))
        if ((c == 'x' || c == 'y' || c == 't') && variables.find(c) == std::string::npos &&
            variables.size() < 2)
            variables += c;
    std::vector<double> values;
    const std::string valueLine(NextLine(input));
    for (const char* v = valueLine.c_str(); static_cast<int>(values.size()) < kMostValues;) {
        values.push_back(ReadNumber(v));
        v = std::strchr(v, ';');
        if (v == nullptr)
            break;
        ++v;
    }
    values.resize(kMostValues, 1.0);

    GraphStore store;
    while (!input.empty()) {
        const std::string_view line = NextLine(input);
        if (line == "--")
            break;
        const std::size_t colon = line.find(':');
        const std::size_t equals = line.find('=');
        if (line.size() > 1 && line[0] == '$' && equals != std::string_view::npos) {
            NamedConstant constant{};
            SetFieldText(constant.name, line.substr(1, equals - 1));
            constant.value = ReadNumber(std::string(line.substr(equals + 1)).c_str());
            store.constants.Append(constant);
        } else if (colon != std::string_view::npos && store.functions.Size() < kMostFunctions) {
            FunctionGraph function{};
            SetFieldText(function.name, line.substr(0, colon));
            SetFieldText(function.text, line.substr(colon + 1));
            store.functions.Append(function);
        }
    }

    CompiledEvaluator compiled;
    compiled.Bind(&store.constants, &store.functions);
    const std::string text = Normalized(input);
    // The whole text at each run of values, one variable's value after the other's; then the
    // three expressions of a parametric equation, cut at '&' after t is replaced in the whole.
    const int runs = variables.empty() ? 1 : kMostValues + 1 - static_cast<int>(variables.size());
    Compare(compiled, store, text, -1, variables, values.data(), runs);
    const int parts = static_cast<int>(std::count(text.begin(), text.end(), '&')) + 1;
    for (int part = 0; part < std::min(parts, 3) && !variables.empty(); ++part)
        Compare(compiled, store, text, part, variables, values.data(), 1);
    return 0;
}
