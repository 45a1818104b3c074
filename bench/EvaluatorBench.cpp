// Time per evaluation of expressions typical of graphs, each with its variable already replaced
// by a sample value, against muparser evaluating the same formula with a bound variable.
#include "BenchSummary.h"
#include "BenchWorkspaces.h"
#include "Summaries.h"

#include "expr/CompiledEvaluator.h"
#include "expr/ExpressionEvaluator.h"
#include "expr/ExpressionText.h"
#include "expr/NumberText.h"
#include "model/GraphStore.h"

#include <benchmark/benchmark.h>
#include <muParser.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

namespace {

GraphStore& Store() {
    static GraphStore store = [] {
        GraphStore s;
        FillEvaluatorStore(s);
        return s;
    }();
    return store;
}

// The text a sampler hands to the evaluator: normalized, x replaced by the sample value.
std::string Prepared(const char* typed) {
    char text[kWorkTextSize];
    std::snprintf(text, sizeof text, "%s", typed);
    Normalize(text);
    ReplaceVariable(text, sizeof text, 'x', kEvaluatorSample);
    return text;
}

// The textual reduction of the prepared text.
void BM_Textual(benchmark::State& state) {
    const std::string text = Prepared(kEvaluatorSuite[state.range(0)].orvane);
    ExpressionEvaluator evaluator;
    evaluator.Bind(&Store().constants, &Store().functions);
    double value = 0.0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(evaluator.Evaluate(text.c_str(), value));
        benchmark::DoNotOptimize(value);
    }
}

// The compiled program run for the sample value, its substitution included, as muparser's bound
// variable is read on every evaluation.
void BM_Compiled(benchmark::State& state) {
    char text[kWorkTextSize];
    std::snprintf(text, sizeof text, "%s", kEvaluatorSuite[state.range(0)].orvane);
    Normalize(text);
    CompiledEvaluator evaluator;
    evaluator.Bind(&Store().constants, &Store().functions);
    ExpressionProgram program = evaluator.Compile(text, "x");
    double x = kEvaluatorSample;
    double value = 0.0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(x);
        benchmark::DoNotOptimize(evaluator.Evaluate(program, &x, value));
        benchmark::DoNotOptimize(value);
    }
    if (evaluator.EvaluationCounts().textual != 0)
        state.SkipWithError("evaluated textually");
}

double Floor(double v) {
    return std::floor(v);
}
double Fraction(double v) {
    return v - std::floor(v);
}

void BM_Muparser(benchmark::State& state) {
    double x = kEvaluatorSample;
    mu::Parser parser;
    parser.DefineVar("x", &x);
    parser.DefineConst("g", 9.8);
    parser.DefineFun("floor", Floor);
    parser.DefineFun("frac", Fraction);
    parser.SetExpr(kEvaluatorSuite[state.range(0)].muparser);
    parser.Eval(); // compiles to bytecode
    for (auto _ : state)
        benchmark::DoNotOptimize(parser.Eval());
}

BENCHMARK(BM_Textual)->DenseRange(0, kEvaluatorSuiteSize - 1);
BENCHMARK(BM_Compiled)->DenseRange(0, kEvaluatorSuiteSize - 1);
BENCHMARK(BM_Muparser)->DenseRange(0, kEvaluatorSuiteSize - 1);

} // namespace

void PrintEvaluatorSummary(const BenchSummary& summary) {
    std::vector<double> textual;
    std::vector<double> compiled;
    std::vector<double> muparser;
    if (summary.Nanoseconds("BM_Compiled/0") == 0.0)
        return;
    std::printf("\n%-24s %12s %12s %12s %8s\n", "expression", "textual ns", "compiled ns", "muparser ns",
                "ratio");
    for (int i = 0; i < kEvaluatorSuiteSize; ++i) {
        const double t = summary.Nanoseconds("BM_Textual/" + std::to_string(i));
        const double c = summary.Nanoseconds("BM_Compiled/" + std::to_string(i));
        const double m = summary.Nanoseconds("BM_Muparser/" + std::to_string(i));
        if (c == 0.0 || m == 0.0)
            continue;
        if (t != 0.0)
            textual.push_back(t);
        compiled.push_back(c);
        muparser.push_back(m);
        std::printf("%-24s %12.1f %12.1f %12.1f %8.1f\n", kEvaluatorSuite[i].orvane, t, c, m, c / m);
    }
    const double textualMedian = BenchSummary::Median(textual);
    const double compiledMedian = BenchSummary::Median(compiled);
    const double muparserMedian = BenchSummary::Median(muparser);
    std::printf(
        "\nmedian ns per evaluation: textual %.1f, compiled %.1f, muparser %.1f; compiled to muparser %.1f\n",
        textualMedian, compiledMedian, muparserMedian, compiledMedian / muparserMedian);
}
