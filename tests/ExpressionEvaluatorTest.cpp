#include "expr/ExpressionEvaluator.h"

#include "expr/CompiledEvaluator.h"
#include "expr/ConstantScope.h"
#include "expr/ExpressionText.h"
#include "expr/FunctionScope.h"
#include "expr/NumberText.h"
#include "model/GraphStore.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>
#include <tuple>

namespace {

// A typed text and what it gives; with a letter, that variable is first replaced by v, as a
// sampler does.
struct Case {
    std::string text;
    double value;
    bool ok;
    char letter = 0;
    double v = 0;
};

struct Result {
    bool ok;
    double value;
};

bool SameBits(double a, double b) {
    return std::memcmp(&a, &b, sizeof a) == 0;
}

// Every table runs through both paths: the textual reduction, and the compiled program, which
// must give the very same bits and success.
Result EvaluateBothWays(const ConstantScope* constants, const FunctionScope* functions, const Case& c) {
    std::string text = c.text;
    text.resize(std::max(c.text.size() + 1, kWorkTextSize)); // longer texts stay whole
    Normalize(text.data());

    CompiledEvaluator compiled;
    compiled.Bind(constants, functions);
    const char letters[] = {c.letter, '\0'};
    ExpressionProgram program = compiled.Compile(text.c_str(), letters);
    Result byProgram{false, 0.0};
    byProgram.ok =
        compiled.Evaluate(program, &c.v, byProgram.value) == CompiledEvaluator::Outcome::kSucceeded;

    Result textual{false, 0.0};
    if (c.letter == 0 || ReplaceVariable(text.data(), kWorkTextSize, c.letter, c.v)) {
        ExpressionEvaluator evaluator;
        evaluator.Bind(constants, functions);
        textual.ok = evaluator.Evaluate(text.c_str(), textual.value);
    }
    EXPECT_EQ(byProgram.ok, textual.ok) << "compiled: " << c.text;
    EXPECT_TRUE(SameBits(byProgram.value, textual.value))
        << "compiled: " << c.text << " gives " << byProgram.value << " instead of " << textual.value;
    return textual;
}

class Evaluation : public ::testing::Test {
protected:
    void AddFunction(const char* name, const char* text, std::int32_t form = kFormY) {
        FunctionGraph f{};
        SetFieldText(f.name, name);
        SetFieldText(f.text, text);
        f.form = form;
        store.functions.Append(f);
    }

    Result Evaluate(const Case& c) { return EvaluateBothWays(&store.constants, &store.functions, c); }
    template <std::size_t N>
    void Check(const Case (&cases)[N]) {
        for (const Case& c : cases) {
            const Result result = Evaluate(c);
            EXPECT_EQ(result.ok, c.ok) << c.text;
            EXPECT_DOUBLE_EQ(result.value, c.value) << c.text;
        }
    }

    GraphStore store;
};

TEST_F(Evaluation, Arithmetic) {
    const Case cases[] = {
        {"1+2*3", 7, true},
        {"2^3^2", 512, true},
        {"(1/3)*3", 0.999999, true},
        {"2*-3", -3, true},
        {"2*(-3)", -6, true},
        {"-(2+3)", -5, true},
        {"10-2-3", 5, true},
        {"12/3/2", 2, true},
        {"2^0.5", 1.41421, true},
        {"2..5", 2, true},
        {"2,5", 2, true},
        {"", 0, true},
        {"   ", 0, true},
        {"((((7))))", 7, true},
        {"3.", 3, true},
        {"1000*1000", 1000000, true},
        {"1/100000", 0.00001, true},
        {"2^-1", 0, true},
        {"2^(-1)", 0.5, true},
        {"[4.5]", 4, true},
        {"[5]", 5, true},
        {"[-1.63]", -2, true},
        {"[(2.5+1)]", 3, true},
        {"[2.5]+1", 3, true},
        {"([2.5]+1)", 1, true},
        {"{4.5}", 0.5, true},
        {"{-0.25}", 0.75, true},
        {"2*{[3.7]/2}", 1, true},
        {"(1", 0, true},
        {"[5", 0, true},
    };
    Check(cases);
}

// The brackets are the Gauss function for every finite value, with no 32-bit step on the way.
TEST_F(Evaluation, GaussBrackets) {
    // clang-format off
    const Case cases[] = {
        {"[-2]", -2, true},              {"{-2}", 0, true},         {"[-0.5]", -1, true},
        {"{-1.63}", 0.37, true},         {"[3000000000]", 3000000000, true},
        {"[-300000.5]", -300001, true},  {"{3000000000.25}", 0.25, true},
        {"[10^15]", 1e15, true},         {"[x]", -3, true, 'x', -2.5},
        {"[x]", 0, true, 'x', 1e-17},    {"{x}", 0, true, 'x', 1e200}, // 0.00000000000000001; 201 digits
        {"[x]+{x}", -7.25, true, 'x', -7.25},
    };
    // clang-format on
    Check(cases);
}

// Sums start from their first term, so a negative zero stays one, as in products.
TEST(EvaluationSign, ASumOfOneTermKeepsANegativeZero) {
    const std::pair<const char*, bool> cases[] = {
        {"(-0.5)*(0)", true}, {"(0)*(-1)", true}, {"-0.5*0", false}, {"(0)*(-1)+(0)*(0)", false},
        {"x", true},          {"(x)*1", true},    {"-x", false},     {"[x]", true},
    };
    for (const auto& [typed, negative] : cases) {
        // x is -0, written "-0".
        const Result result = EvaluateBothWays(nullptr, nullptr, {typed, 0, true, 'x', -0.0});
        ASSERT_TRUE(result.ok) << typed;
        EXPECT_EQ(result.value, 0.0) << typed;
        EXPECT_EQ(std::signbit(result.value), negative) << typed;
    }
}

TEST_F(Evaluation, BuiltinFunctions) {
    const Case cases[] = {
        {"sin0.5", 0.479426, true},
        {"sin(0.5)", 0.479426, true},
        {"cos0", 1, true},
        {"tg(1)", 1.55741, true},
        {"ctg(1)", 0.642093, true},
        {"sec0", 1, true},
        {"csc(1)", 1.1884, true},
        {"arcsin1", 1.5708, true},
        {"arccos(-1)", 3.14159, true},
        {"arctg1", 0.785398, true},
        {"arcctg(-1)", -0.785398, true},
        {"arcsec2", 1.0472, true},
        {"arccsc2", 0.523599, true},
        {"lg100", 2, true},
        {"ln1", 0, true},
        {"exp(1)", 2.71828, true},
        {"abs(-3)", 3, true},
        {"lg8/lg2", 3, true},
        {"tg(sin(lg10))", 1.11894, true},
        {"sin2^2", 0.826821, true},
        {"sin2*2", 1.81859, true},
        {"sincos0", 0, true},
        {"SIN2", 0, true},
        {"y", 0, true},
        {"2+zz*3", 2, true},
        {"lg0", 0, false},
        {"ln(-1)", 0, false},
        {"arcsin2", 0, false},
        {"arccos(-1.5)", 0, false},
        {"arcsec0.5", 0, false},
        {"arccsc0.5", 0, false},
        {"arcctg0", 0, false},
        {"ctg0", 0, false},
        {"csc0", 0, false},
        {"1+lg0", 1, false},
        {"exp(1000)", 0, false},
        {"sec(3.14159)", -1, true},
    };
    Check(cases);
}

// A failure goes on with the value that came out, and malformed texts fail instead of overrunning.
TEST_F(Evaluation, Failures) {
    std::string thirtyTerms = "1";
    std::string thirtyFactors = "1";
    std::string thirtyOperands = "1";
    for (int i = 1; i < 30; ++i) {
        thirtyTerms += "+1";
        thirtyFactors += "*1";
        thirtyOperands += "^1";
    }
    // clang-format off
    const Case cases[] = {
        {"1/0", 1, false},          {"0/0", 0, false},            {"(1/0)+1", 2, false},
        {"(-8)^(1/3)", 0, false},   {"0^(-1)", 0, false},         {"10^400", 0, false},
        {"2^(10^400)", 1, false},   {"5*(0^(-1))", 0, false},     {"1)", 0, false},
        {"(2))", 0, false},         {"]+1", 0, false},            {"{1}}", 0, false},
        {thirtyTerms, 30, true},    {thirtyTerms + "+1", 0, false},
        {thirtyFactors, 1, true},   {thirtyFactors + "*1", 0, false},
        {thirtyOperands, 1, true},  {thirtyOperands + "^1", 0, false},
        {"3^0^(-1)", 3, false},      // 0^-1 fails in the middle of the chain, which stops there
        {"10^200*10^200", 0, false}, // the second value text does not fit any more
        {std::string(256, '1'), 0, false}, {std::string(255, '0'), 0, true},
    };
    // clang-format on
    Check(cases);
}

TEST_F(Evaluation, VariableSubstitution) {
    // clang-format off
    const Case cases[] = {
        {"-x^2", -9, true, 'x', 3},          {"2x", 23, true, 'x', 3},
        {"2*sin(x)^2+1", 1.459698, true, 'x', 0.5}, {"tg(1)", 1.55741, true, 't', 5},
        {"exp(1)", 2.71828, true, 'x', 5},
        // Blanks go last: "e xp" and "t g" are not the names exp and tg, so their letters are
        // replaced and the names left count 0 (t g(1) is 5g1, 5 then 0).
        {"e xp(1)", 0, true, 'x', 5},        {"t g(1)", 50, true, 't', 5},
        {"x*x", 0.25, true, 'x', -0.5},      {"x-x", 0, true, 'x', -0.5},
        {"x+1", 1, true, 'x', 1e-17},        // written 0.00000000000000001, not 1e-17
        {"x", 1234570, true, 'x', 1234567},  {"y+1", 1, true, 'x', 4},
        {"lgx", 0, false, 'x', -1},
        // Without the letter nothing is written: a value whose text would not fit cannot fail it.
        {"y+1", 1, true, 'x', 1e300},        {"5", 5, true, 'x', -1e300},
        {"x+1", 0, false, 'x', 1e300},
        {std::string(200, 'x'), 0, false, 'x', -2.5}, // grows past 255 characters
    };
    // clang-format on
    Check(cases);
}

TEST_F(Evaluation, NamedConstantsAndUserFunctions) {
    for (const auto& [name, value] : {std::pair{"g", 9.8}, {"a", 1}, {"ab", 2}, {"max", 3}, {"big", 1e300}}) {
        NamedConstant c{};
        SetFieldText(c.name, name);
        c.value = value; // the value text of big would not fit
        store.constants.Append(c);
    }
    AddFunction("FA", "x^2+1");
    AddFunction("FB", "FA(x)");
    AddFunction("FC", "lgx");
    AddFunction("FD", "FC(x)");
    AddFunction("FE", "y^2", kFormX);
    AddFunction("FF", "1/x");
    AddFunction("FG", "5");
    AddFunction("FA", "100");     // the first record of a name wins
    AddFunction("RA", "RA(x)+1"); // recursion fails at once
    AddFunction("RB", "RC(x)");
    AddFunction("RC", "RB(x)");
    const Case cases[] = {
        {"$g*2", 19.6, true},
        {"$ab", 10, true},
        {"$q+1", 1, true},
        {"$max", 3, true},
        {"$g$g", 9.89, true},
        {"$big", 0, false},
        {"FA(2)", 5, true},
        {"FA2", 5, true},
        {"FA(3)+1", 11, true},
        {"FB(-3)", 10, true},
        {"FE(3)", 0, true},
        {"FD(-1)", 0, false},
        {"FD(100)", 2, true},
        {"FF(0)", 1, false},
        {"fa(2)", 0, true},
        {"FA(FA(1))", 5, true},
        {"FZ(2)", 0, true},
        {"RA(1)", 1, false},
        {"RB(1)", 0, false},
        {"5+RA(1)", 6, false},
        {"FB(x)", 10, true, 'x', -3},
        {"FG1e300", 50, true},     // FG1 is called with 1e300 and gives 5; e300 is
                                   // a name worth 0
        {"$max", 0, true, 'x', 5}, // the letter inside a constant's name is replaced first
    };
    Check(cases);
}

TEST_F(Evaluation, CallChainsDeeperThanSixteenFail) {
    // GA calls GB and so on; the last of n functions is x+1: a chain of n calls from the page.
    for (const int n : {16, 17}) {
        store.functions.Clear();
        for (int i = 0; i < n; ++i) {
            const char name[3] = {'G', static_cast<char>('A' + i), '\0'};
            const char call[6] = {'G', static_cast<char>('A' + i + 1), '(', 'x', ')', '\0'};
            AddFunction(name, i + 1 < n ? call : "x+1");
        }
        const Case cases[] = {{"GA(1)", n == 16 ? 2.0 : 0.0, n == 16}};
        Check(cases);
    }
}

// The evaluator knows user functions and constants only through its two scopes: any
// implementation serves, not only the store's lists.
TEST(EvaluationScopes, AnyScopeServes) {
    struct Scopes : FunctionScope, ConstantScope {
        int FindFunction(std::string_view name) const override { return name == "D" ? 7 : -1; }
        // lg fails for arguments of -1 and less, after the rest has been reduced.
        std::string_view FunctionText(int index) const override {
            return index == 7 ? "x*$k*8+lg(x+1)*0" : "";
        }
        std::size_t ConstantCount() const override { return 1; }
        std::string_view ConstantName(std::size_t) const override { return "k"; }
        double ConstantValue(std::size_t) const override { return 0.25; }
    } scopes;
    const Case cases[] = {
        {"D(3)*2", 12, true},
        {"D$k", 0.5, true},
        {"E(3)", 0, true},
        {"D(-1)", -2, false},
    };
    for (const Case& c : cases) {
        const Result result = EvaluateBothWays(&scopes, &scopes, c);
        EXPECT_EQ(result.ok, c.ok) << c.text;
        EXPECT_EQ(result.value, c.value) << c.text;
    }
}

// The same call made again from another chain is another evaluation: FB(1) is 1 on its own but 0
// within FA, where its call of FA is recursion.
TEST_F(Evaluation, ACallRepeatedFromAnotherChainIsMadeAgain) {
    AddFunction("FA", "FB(x)+1");
    AddFunction("FB", "FA(x)");
    const Case cases[] = {
        {"FB(1)*10+FA(1)", 11, false},
        {"FA(1)+FB(1)*10", 11, false},
    };
    Check(cases);
}

// Functions that each call the next ten times would make 10^9 calls from GA: without a budget
// of calls per evaluation this test would run for hours. Fewer calls than the budget still work.
TEST_F(Evaluation, AnEvaluationHasABudgetOfCalls) {
    struct Chain {
        int callsPerLevel;
        char last;
        bool ok;
    };
    // Two calls per level from GA to GH are 2 + 4 + ... + 128 = 254 calls, within the budget.
    for (const Chain chain : {Chain{10, 'J', false}, Chain{2, 'H', true}, Chain{2, 'I', false}}) {
        store.functions.Clear();
        for (char level = 'A'; level <= chain.last; ++level) {
            std::string text = level == chain.last ? "x" : "";
            for (int i = 0; level != chain.last && i < chain.callsPerLevel; ++i)
                text += std::string(i > 0 ? "+" : "") + "G" + static_cast<char>(level + 1) + "(x)";
            const char name[3] = {'G', level, '\0'};
            AddFunction(name, text.c_str());
        }
        const Result result = Evaluate({"GA(1)", 0, false});
        EXPECT_EQ(result.ok, chain.ok) << chain.last;
        if (chain.ok) {
            EXPECT_EQ(result.value, 128);
        }
        // The budget belongs to one evaluation: the next one has it whole again.
        EXPECT_EQ(Evaluate({"GA(1)", 0, false}).ok, chain.ok) << chain.last;
    }
}

} // namespace
