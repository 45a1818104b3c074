#include "expr/CompiledEvaluator.h"

#include "bench/BenchWorkspaces.h"
#include "cli/WorkspaceJson.h"
#include "expr/ExpressionEvaluator.h"
#include "expr/ExpressionText.h"
#include "expr/NumberText.h"
#include "mainwin/PlotRebuild.h"
#include "model/GraphStore.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <fstream>
#include <string>
#include <vector>

namespace {

using Outcome = CompiledEvaluator::Outcome;

bool SameBits(double a, double b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

// A typed text evaluated at values of its variables by its program; `compiled` tells whether the
// compiler took the text, and the counts which path each evaluation took.
struct Row {
    const char* text;
    const char* variables;
    std::vector<double> values;
    double value;
    bool ok;
    bool compiled;
};

class CompiledEvaluation : public ::testing::Test {
protected:
    void AddFunction(const char* name, const char* text) {
        FunctionGraph f{};
        SetFieldText(f.name, name);
        SetFieldText(f.text, text);
        store.functions.Append(f);
    }
    void AddConstant(const char* name, double value) {
        NamedConstant c{};
        SetFieldText(c.name, name);
        c.value = value;
        store.constants.Append(c);
    }

    // The program's outcome and value, checked against the textual reduction's bits.
    Outcome Evaluate(const Row& row, double& value) {
        std::string text = row.text;
        text.resize(std::max(text.size() + 1, kWorkTextSize));
        Normalize(text.data());
        evaluator.Bind(&store.constants, &store.functions);
        ExpressionProgram program = evaluator.Compile(text.c_str(), row.variables);
        EXPECT_EQ(program.compiled, row.compiled) << row.text;
        value = 0;
        const Outcome outcome = evaluator.Evaluate(program, row.values.data(), value);

        Outcome textual = Outcome::kNotReplaced;
        double textualValue = 0;
        bool replaced = true;
        for (std::size_t i = 0; row.variables[i] != '\0'; ++i)
            replaced =
                replaced && ReplaceVariable(text.data(), kWorkTextSize, row.variables[i], row.values[i]);
        if (replaced) {
            ExpressionEvaluator reference;
            reference.Bind(&store.constants, &store.functions);
            textual = reference.Evaluate(text.c_str(), textualValue) ? Outcome::kSucceeded : Outcome::kFailed;
        }
        EXPECT_EQ(outcome, textual) << row.text;
        EXPECT_TRUE(SameBits(value, textualValue))
            << row.text << ": " << value << " instead of " << textualValue;
        return outcome;
    }

    template <std::size_t N>
    void Check(const Row (&rows)[N]) {
        for (const Row& row : rows) {
            double value = 0;
            EXPECT_EQ(Evaluate(row, value) == Outcome::kSucceeded, row.ok) << row.text;
            EXPECT_DOUBLE_EQ(value, row.value) << row.text;
        }
    }

    GraphStore store;
    CompiledEvaluator evaluator;
};

// Where the characters of a value text decide the reduction, rather than its number, the
// compiler refuses the text and every sample is reduced textually.
TEST_F(CompiledEvaluation, TextsWhoseValueCharactersDecideAreNotCompiled) {
    AddConstant("a1", 7);
    AddConstant("c", 2.5);
    AddConstant("ma", 2);
    // clang-format off
    const Row rows[] = {
        {"2x", "x", {3}, 23, true, false},      {"2x", "x", {-3}, 2, true, false},    // "2-3" reads 2
        {"x2", "x", {-3}, -32, true, false},    {"xx", "x", {-3}, -3, true, false},
        {"x.5", "x", {3}, 3.5, true, false},    {"x.5", "x", {2.5}, 2.5, true, false}, // "2.5.5" reads 2.5
        {"$cx", "x", {3}, 2.53, true, false},   {"$max", "x", {5}, 25, true, false},  // $ma is 2
        {"$ax", "x", {1}, 7, true, false},      {"$ax", "x", {2}, 0, true, false},    // $a1 is a constant
        {"xy", "xy", {3, 4}, 34, true, false},
    };
    // clang-format on
    Check(rows);
}

// Value texts standing next to operators, brackets, names or the end are read as their numbers.
TEST_F(CompiledEvaluation, TextsWhoseValueNumbersDecideAreCompiled) {
    AddConstant("c", 2.5);
    AddConstant("max", 3);
    AddFunction("FA", "x^2+1");
    // clang-format off
    const Row rows[] = {
        {"x*2", "x", {-3}, -6, true, true},         {"-x", "x", {-3}, 3, true, true},
        {"x^-1", "x", {3}, 0, true, true},          {"sin-x", "x", {2}, -2, true, true},
        {"$c*x", "x", {2}, 5, true, true},          {"$max", "x", {5}, 0, true, true}, // x is no name
        {"lg-x", "x", {-100}, 100, false, true},    {"sinx", "x", {1e-17}, 1e-17, true, true},
        {"FA(x)+FAx", "x", {-2}, 10, true, true},   {"x/y", "xy", {1, 0}, 1, false, true},
        {"[x]+{x}", "x", {-2.5}, -2.5, true, true}, {"sin2e3", "", {}, 0.93004, true, true},
        {"(1", "x", {1}, 0, true, true},            {"(x))", "x", {1}, 0, false, true},
    };
    // clang-format on
    Check(rows);
}

TEST_F(CompiledEvaluation, ValuesTheTextCannotHoldAreReducedTextually) {
    // Twenty powers: 59 characters and 20 value texts, each of at most 9 characters when all are
    // as long, which the program assumes.
    std::string powers = "x^9";
    for (int i = 1; i < 20; ++i)
        powers += "+x^9";
    // clang-format off
    const Row rows[] = {
        {powers.c_str(), "x", {2}, 10240, true, true},
        {powers.c_str(), "x", {0.5}, 0.0390624, true, true}, // 0.00195312: textual, though it fits
        {powers.c_str(), "x", {0.01}, 0, false, true},       // 20 texts of 10^-18 are 400 characters
        {powers.c_str(), "x", {1e-30}, 0, false, true},      // x's value text does not fit at all
        {"x+1", "x", {1e-17}, 1, true, true},                // written 0.00000000000000001
        {"x", "x", {1e300}, 0, false, true},
    };
    // clang-format on
    Check(rows);
    EXPECT_EQ(evaluator.EvaluationCounts().compiled, 2);
    EXPECT_EQ(evaluator.EvaluationCounts().textual, 2);
}

TEST_F(CompiledEvaluation, FunctionsLeftToTheTextualReductionAreCalledTextually) {
    AddFunction("FA", "2x");
    AddFunction("FB", "FA(x)*2");
    const Row rows[] = {
        {"FB(3)+1", "", {}, 47, true, true},
        {"FB(x)", "x", {-3}, 4, true, true},
    };
    Check(rows);
    EXPECT_EQ(evaluator.EvaluationCounts().textualCalls, 2);
}

// A called function whose run is handed to the textual reduction after it made calls of its own
// gives the budget back first: the calls after it still find what is left.
TEST_F(CompiledEvaluation, ACallHandedToTheTextualReductionSpendsTheBudgetOnce) {
    // The text leaves room for values of 15 characters each, but one of its values has 26 and
    // the others 3: it fits, as the textual reduction finds.
    std::string text = "(GB(x)+GB(x))+(x^60)+x+x+x+x+x+x";
    for (int i = 0; i < 10; ++i)
        text += "+000000000";
    AddFunction("FX", text.c_str());
    AddFunction("GB", "x");
    // GH makes 110 calls below it, GI 10.
    for (char level = 'H'; level <= 'J'; ++level) {
        std::string calls = level == 'J' ? "x" : "";
        for (int i = 0; level != 'J' && i < 10; ++i)
            calls += std::string(i > 0 ? "+" : "") + "G" + static_cast<char>(level + 1) + "(x)";
        const char name[3] = {'G', level, '\0'};
        AddFunction(name, calls.c_str());
    }
    // 3 + 111 + 111 + 11 + 11 calls leave 9 of the 256.
    std::string nine = "FX(0.5)+GH(1)+GH(1)+GI(1)+GI(1)";
    for (int i = 0; i < 9; ++i)
        nine += "+GJ(1)";
    const std::string ten = nine + "+GJ(1)";
    const Row rows[] = {
        {nine.c_str(), "", {}, 233, true, true},
        {ten.c_str(), "", {}, 233, false, true},
    };
    Check(rows);
    EXPECT_EQ(evaluator.EvaluationCounts().textualCalls, 2);
}

// Every sample of every graph is evaluated (and the expressions of a parametric equation up to the
// first that fails), all by their programs.
void CheckRebuild(GraphStore& store) {
    const CompiledEvaluator::Counts counts = RebuildPlot(store);
    EXPECT_GE(counts.compiled, 2000 * static_cast<long>(store.functions.Size() + store.parametrics.Size()));
    EXPECT_EQ(counts.textual, 0);
    EXPECT_EQ(counts.textualCalls, 0);
}

// The example workspace, the benchmarks' workspace and their formulas: every sample runs its
// program, and none of their calls is reduced textually.
TEST(CompiledShare, EverySampleOfTheExampleAndTheBenchmarksIsCompiled) {
    std::ifstream file(ORVANE_EXAMPLES_DIR "/showcase.json");
    ASSERT_TRUE(file.good());
    GraphStore showcase;
    std::string error;
    ASSERT_TRUE(WorkspaceFromJson(nlohmann::json::parse(file), showcase, error)) << error;
    CheckRebuild(showcase);

    GraphStore rebuild;
    FillRebuildWorkspace(rebuild);
    CheckRebuild(rebuild);

    GraphStore region;
    FillRegionWorkspace(region);
    EXPECT_GE(RebuildPlot(region).compiled, 200 * 200);
    CheckRebuild(region);

    GraphStore store;
    FillEvaluatorStore(store);
    CompiledEvaluator evaluator;
    evaluator.Bind(&store.constants, &store.functions);
    for (const BenchFormula& formula : kEvaluatorSuite) {
        char text[kWorkTextSize];
        std::snprintf(text, sizeof text, "%s", formula.orvane);
        Normalize(text);
        ExpressionProgram program = evaluator.Compile(text, "x");
        double value = 0;
        EXPECT_EQ(evaluator.Evaluate(program, &kEvaluatorSample, value), Outcome::kSucceeded)
            << formula.orvane;
    }
    EXPECT_EQ(evaluator.EvaluationCounts().compiled, kEvaluatorSuiteSize);
    EXPECT_EQ(evaluator.EvaluationCounts().textual, 0);
}

} // namespace
