#include "cli/EvalCommand.h"

#include "cli/CliOutput.h"
#include "expr/CompiledEvaluator.h"
#include "expr/ExpressionText.h"
#include "expr/NumberText.h"
#include "model/GraphStore.h"

#include <cstdio>
#include <cstring>
#include <iostream>
#include <string>
#include <string_view>

namespace {

int BadArguments(const std::string& message) {
    return Fail("eval", 2, message);
}

// NAME=VALUE; the value must be a whole number text.
bool ParseConstant(std::string_view argument, NamedConstant& constant, std::string& error) {
    const std::size_t equals = argument.find('=');
    if (equals == std::string_view::npos || equals == 0) {
        error = "--const wants NAME=VALUE, got '" + std::string(argument) + "'";
        return false;
    }
    const std::string_view name = argument.substr(0, equals);
    const std::string value(argument.substr(equals + 1));
    if (name.size() > kConstantNameSize - 1) {
        error = "constant name '" + std::string(name) + "' is longer than 15 characters";
        return false;
    }
    const char* end = nullptr;
    constant = NamedConstant{};
    SetFieldText(constant.name, name);
    constant.value = ReadNumber(value.c_str(), &end);
    if (value.empty() || end != value.c_str() + value.size()) {
        error = "constant value '" + value + "' is not a number";
        return false;
    }
    return true;
}

// NAME:y=TEXT (a Y= function of x) or NAME:x=TEXT (an X= function of y).
bool ParseFunction(std::string_view argument, FunctionGraph& function, std::string& error) {
    const std::size_t colon = argument.find(':');
    if (colon == std::string_view::npos || colon == 0 || argument.size() < colon + 3 ||
        argument[colon + 2] != '=' || (argument[colon + 1] != 'y' && argument[colon + 1] != 'x')) {
        error = "--func wants NAME:y=TEXT or NAME:x=TEXT, got '" + std::string(argument) + "'";
        return false;
    }
    const std::string_view name = argument.substr(0, colon);
    const std::string_view text = argument.substr(colon + 3);
    if (name.size() > kNameSize - 1) {
        error = "function name '" + std::string(name) + "' is longer than 9 characters";
        return false;
    }
    if (text.size() > kTextSize - 1) {
        error = "the text of " + std::string(name) + " is longer than 205 characters";
        return false;
    }
    function = FunctionGraph{};
    SetFieldText(function.name, name);
    SetFieldText(function.text, text);
    function.lower = -10.0;
    function.upper = 10.0;
    function.form = argument[colon + 1] == 'y' ? kFormY : kFormX;
    return true;
}

// Normalizes and evaluates one typed expression, as the expression page does.
void EvaluateLine(CompiledEvaluator& evaluator, std::string text) {
    Normalize(text.data());
    double value = 0.0;
    const bool ok = evaluator.Evaluate(std::string_view(text.c_str()), value);
    std::printf("%g %s\n", value, ok ? "ok" : "failed");
}

} // namespace

int RunEvalCommand(int argc, char** argv) {
    GraphStore store;
    const char* expression = nullptr;
    std::string error;
    bool optionsEnded = false;
    bool workspaceSeen = false;
    // The workspace's constants and functions come before those given with --const and --func.
    for (int i = 0; i + 1 < argc && std::string_view(argv[i]) != "--"; ++i) {
        if (std::string_view(argv[i]) != "--workspace")
            continue;
        if (!ReadWorkspaceFor("eval", argv[i + 1], store))
            return 1;
        break;
    }
    for (int i = 0; i < argc; ++i) {
        const std::string_view argument = argv[i];
        if (!optionsEnded && argument == "--") {
            optionsEnded = true;
        } else if (!optionsEnded && argument == "--workspace") {
            if (i + 1 == argc)
                return BadArguments("--workspace needs a file");
            if (workspaceSeen)
                return BadArguments("only one --workspace can be given");
            workspaceSeen = true;
            ++i;
        } else if (!optionsEnded && (argument == "--const" || argument == "--func")) {
            if (i + 1 == argc)
                return BadArguments(std::string(argument) + " needs a value");
            const std::string_view value = argv[++i];
            if (argument == "--const") {
                NamedConstant constant;
                if (!ParseConstant(value, constant, error))
                    return BadArguments(error);
                store.constants.Append(constant);
            } else {
                FunctionGraph function;
                if (!ParseFunction(value, function, error))
                    return BadArguments(error);
                store.functions.Append(function);
            }
        } else if (!optionsEnded && argument.size() > 2 && argument.substr(0, 2) == "--") {
            return BadArguments("unknown option '" + std::string(argument) + "'");
        } else if (expression != nullptr) {
            return BadArguments("more than one expression given (quote the expression)");
        } else {
            expression = argv[i];
        }
    }
    if (expression == nullptr)
        return BadArguments("no expression given (use - to read them from standard input)");

    CompiledEvaluator evaluator;
    evaluator.Bind(&store.constants, &store.functions);
    if (std::strcmp(expression, "-") != 0) {
        EvaluateLine(evaluator, expression);
        return FinishOutput("eval", 0);
    }
    std::string line;
    while (std::getline(std::cin, line)) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        EvaluateLine(evaluator, line);
    }
    return FinishOutput("eval", 0);
}
