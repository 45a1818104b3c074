// Time per evaluation of expressions typical of graphs, each with its variable already replaced
// by a sample value, against muparser evaluating the same formula with a bound variable.
#include "BenchSummary.h"
#include "Summaries.h"

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

constexpr double kSample = 2.37;

struct Formula {
    const char* orvane;   // as typed in Orvane, in x
    const char* muparser; // the same formula for muparser
};

const Formula kSuite[] = {
    {"x^2+3*x-5", "x^2+3*x-5"},
    {"x^3-2*x^2+x-7", "x^3-2*x^2+x-7"},
    {"(x+1)*(x-1)/(x^2+1)", "(x+1)*(x-1)/(x^2+1)"},
    {"sinx", "sin(x)"},
    {"2*sin(x)^2+1", "2*sin(x)^2+1"},
    {"cos(sinx)", "cos(sin(x))"},
    {"tg(sin(lgx))", "tan(sin(log10(x)))"},
    {"lgx/lg2", "log10(x)/log10(2)"},
    {"ln(abs(x)+1)", "ln(abs(x)+1)"},
    {"exp(-x^2/2)", "exp(-x^2/2)"},
    {"x^0.5+x^(1/3)", "x^0.5+x^(1/3)"},
    {"[x]+{x}", "floor(x)+frac(x)"},
    {"{x/3}*3", "frac(x/3)*3"},
    {"arctgx+arcctgx", "atan(x)+atan(1/x)"},
    {"sec(x)*csc(x)", "1/cos(x)*1/sin(x)"},
    {"abs(x-2)*3-[x^2]", "abs(x-2)*3-floor(x^2)"},
    {"FA(x)+1", "(x^2+1)+1"},
    {"$g*x^2/2", "g*x^2/2"},
};
constexpr int kSuiteSize = static_cast<int>(std::size(kSuite));

GraphStore& Store() {
    static GraphStore store = [] {
        GraphStore s;
        FunctionGraph fa{};
        SetFieldText(fa.name, "FA");
        SetFieldText(fa.text, "x^2+1");
        s.functions.Append(fa);
        NamedConstant g{};
        SetFieldText(g.name, "g");
        g.value = 9.8;
        s.constants.Append(g);
        return s;
    }();
    return store;
}

// The text a sampler hands to the evaluator: normalized, x replaced by the sample value.
std::string Prepared(const char* typed) {
    char text[kWorkTextSize];
    std::snprintf(text, sizeof text, "%s", typed);
    Normalize(text);
    ReplaceVariable(text, sizeof text, 'x', kSample);
    return text;
}

void BM_Orvane(benchmark::State& state) {
    const std::string text = Prepared(kSuite[state.range(0)].orvane);
    ExpressionEvaluator evaluator;
    evaluator.Bind(&Store().constants, &Store().functions);
    double value = 0.0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(evaluator.Evaluate(text.c_str(), value));
        benchmark::DoNotOptimize(value);
    }
}

double Floor(double v) { return std::floor(v); }
double Fraction(double v) { return v - std::floor(v); }

void BM_Muparser(benchmark::State& state) {
    double x = kSample;
    mu::Parser parser;
    parser.DefineVar("x", &x);
    parser.DefineConst("g", 9.8);
    parser.DefineFun("floor", Floor);
    parser.DefineFun("frac", Fraction);
    parser.SetExpr(kSuite[state.range(0)].muparser);
    parser.Eval(); // compiles to bytecode
    for (auto _ : state)
        benchmark::DoNotOptimize(parser.Eval());
}

BENCHMARK(BM_Orvane)->DenseRange(0, kSuiteSize - 1);
BENCHMARK(BM_Muparser)->DenseRange(0, kSuiteSize - 1);

} // namespace


void PrintEvaluatorSummary(const BenchSummary& summary) {
    std::vector<double> orvane;
    std::vector<double> muparser;
    if (summary.Nanoseconds("BM_Orvane/0") == 0.0)
        return;
    std::printf("\n%-24s %12s %12s %8s\n", "expression", "orvane ns", "muparser ns", "ratio");
    for (int i = 0; i < kSuiteSize; ++i) {
        const double o = summary.Nanoseconds("BM_Orvane/" + std::to_string(i));
        const double m = summary.Nanoseconds("BM_Muparser/" + std::to_string(i));
        if (o == 0.0 || m == 0.0)
            continue;
        orvane.push_back(o);
        muparser.push_back(m);
        std::printf("%-24s %12.1f %12.1f %8.1f\n", kSuite[i].orvane, o, m, o / m);
    }
    const double orvaneMedian = BenchSummary::Median(orvane);
    const double muparserMedian = BenchSummary::Median(muparser);
    std::printf("\nmedian ns per evaluation: orvane %.1f, muparser %.1f, ratio %.1f\n", orvaneMedian, muparserMedian,
                orvaneMedian / muparserMedian);
}
