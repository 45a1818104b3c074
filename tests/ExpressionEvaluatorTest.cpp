#include "expr/ExpressionEvaluator.h"

#include "expr/ExpressionText.h"
#include "expr/NumberText.h"
#include "model/GraphStore.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

namespace {

struct Case {
    std::string text;
    double value;
    bool ok;
};

class Evaluation : public ::testing::Test {
protected:
    void SetUp() override { evaluator.Bind(&store.constants, &store.functions); }

    void AddFunction(const char* name, const char* text, std::int32_t form = kFormY) {
        FunctionGraph f{};
        SetFieldText(f.name, name);
        SetFieldText(f.text, text);
        f.form = form;
        store.functions.Append(f);
    }
    void AddConstant(const char* name, double value) {
        NamedConstant c{};
        SetFieldText(c.name, name);
        c.value = value;
        store.constants.Append(c);
    }

    // As a page evaluates a typed text: normalized and, when a letter is given, with that
    // variable replaced by the value, as a sampler does.
    Case Evaluate(const std::string& typed, char letter = 0, double v = 0) {
        std::string text = typed;
        text.resize(std::max(typed.size() + 1, kWorkTextSize)); // longer texts stay whole
        Normalize(text.data());
        if (letter != 0 && !ReplaceVariable(text.data(), kWorkTextSize, letter, v))
            return {typed, 0, false};
        Case result{typed, 0, false};
        result.ok = evaluator.Evaluate(text.c_str(), result.value);
        return result;
    }
    template <std::size_t N>
    void Check(const Case (&cases)[N]) {
        for (const Case& c : cases) {
            const Case r = Evaluate(c.text);
            EXPECT_DOUBLE_EQ(r.value, c.value) << c.text;
            EXPECT_EQ(r.ok, c.ok) << c.text;
        }
    }

    GraphStore store;
    ExpressionEvaluator evaluator;
};

TEST_F(Evaluation, Arithmetic) {
    const Case cases[] = {
        {"1+2*3", 7, true},     {"2^3^2", 512, true},   {"2^10", 1024, true},  {"(1/3)*3", 0.999999, true},
        {"2*-3", -3, true},     {"2*(-3)", -6, true},   {"(-1)", -1, true},    {"-(2+3)", -5, true},
        {"10-2-3", 5, true},    {"12/3/2", 2, true},    {"2^0.5", 1.41421, true}, {"2..5", 2, true},
        {"2,5", 2, true},       {"", 0, true},          {"   ", 0, true},      {"((((7))))", 7, true},
        {"3.", 3, true},        {"1000*1000", 1000000, true}, {"1/100000", 0.00001, true},
        {"2^-1", 0, true},      {"2^(-1)", 0.5, true},  {"[4.5]", 4, true},    {"[5]", 5, true},
        {"[-1.63]", -2, true},  {"[-2]", -3, true},     {"[(2.5+1)]", 3, true}, {"[2.5]+1", 3, true},
        {"([2.5]+1)", 1, true}, {"{4.5}", 0.5, true},   {"{1.45}", 0.45, true}, {"{-2}", 1, true},
        {"{-0.25}", 0.75, true}, {"2*{[3.7]/2}", 1, true}, {"(1", 0, true},  {"[5", 0, true},
    };
    Check(cases);
}

TEST_F(Evaluation, BuiltinFunctions) {
    const Case cases[] = {
        {"sin0.5", 0.479426, true},    {"sin(0.5)", 0.479426, true},  {"cos0", 1, true},
        {"tg(1)", 1.55741, true},      {"ctg(1)", 0.642093, true},    {"sec0", 1, true},
        {"csc(1)", 1.1884, true},      {"arcsin1", 1.5708, true},     {"arccos(-1)", 3.14159, true},
        {"arctg1", 0.785398, true},    {"arcctg(-1)", -0.785398, true}, {"arcsec2", 1.0472, true},
        {"arccsc2", 0.523599, true},   {"lg100", 2, true},            {"ln1", 0, true},
        {"exp(1)", 2.71828, true},     {"abs(-3)", 3, true},          {"lg8/lg2", 3, true},
        {"cos(sin0)", 1, true},        {"tg(sin(lg10))", 1.11894, true}, {"sin2^2", 0.826821, true},
        {"sin2*2", 1.81859, true},     {"sincos0", 0, true},          {"SIN2", 0, true},
        {"Sin2", 0, true},             {"y", 0, true},                {"2+zz*3", 2, true},
        {"lg0", 0, false},             {"ln(-1)", 0, false},          {"arcsin2", 0, false},
        {"arccos(-1.5)", 0, false},    {"arcsec0.5", 0, false},       {"arccsc0.5", 0, false},
        {"arcctg0", 0, false},         {"ctg0", 0, false},            {"csc0", 0, false},
        {"1+lg0", 1, false},           {"exp(1000)", 0, false},       {"sec(3.14159)", -1, true},
    };
    Check(cases);
}

TEST_F(Evaluation, FailuresGoOnWithTheValueThatCameOut) {
    const Case cases[] = {
        {"1/0", 1, false},          {"0/0", 0, false},       {"(1/0)+1", 2, false},
        {"(-8)^(1/3)", 0, false},   {"0^(-1)", 0, false},    {"10^400", 0, false},
        {"2^(10^400)", 1, false},   {"5*(0^(-1))", 0, false},
    };
    Check(cases);
}

TEST_F(Evaluation, MalformedTextsFailInsteadOfOverrunning) {
    std::string thirtyTerms = "1";
    for (int i = 1; i < 30; ++i)
        thirtyTerms += "+1";
    const Case cases[] = {
        {"1)", 0, false},           {"(2))", 0, false},           {"]+1", 0, false},
        {"{1}}", 0, false},         {thirtyTerms, 30, true},      {thirtyTerms + "+1", 0, false},
        {"10^200*10^200", 0, false}, // the second value text does not fit any more
        {std::string(256, '1'), 0, false}, {std::string(255, '0'), 0, true},
    };
    Check(cases);
}

TEST_F(Evaluation, VariableSubstitution) {
    const struct {
        const char* text;
        char letter;
        double v, value;
        bool ok;
    } cases[] = {
        {"-x^2", 'x', 3, -9, true},          {"2x", 'x', 3, 23, true},
        {"sinx^2", 'x', 2, 0.826821, true},  {"2*sin(x)^2+1", 'x', 0.5, 1.459698, true},
        {"exp(1)", 'x', 5, 2.71828, true},   {"tg(1)", 't', 5, 1.55741, true},
        {"x*x", 'x', -0.5, 0.25, true},      {"x-x", 'x', -0.5, 0, true},
        {"x+1", 'x', 1e-17, 1, true},        // written 0.00000000000000001, not 1e-17
        {"x", 'x', 1234567, 1234570, true},  {"y+1", 'x', 4, 1, true},
        {"lgx", 'x', -1, 0, false},
    };
    for (const auto& c : cases) {
        const Case r = Evaluate(c.text, c.letter, c.v);
        EXPECT_DOUBLE_EQ(r.value, c.value) << c.text;
        EXPECT_EQ(r.ok, c.ok) << c.text;
    }
    EXPECT_FALSE(Evaluate(std::string(200, 'x'), 'x', -2.5).ok); // grows past 255 characters
}

TEST_F(Evaluation, NamedConstants) {
    AddConstant("g", 9.8);
    AddConstant("a", 1);
    AddConstant("ab", 2);
    AddConstant("max", 3);
    AddConstant("big", 1e300); // its value text would not fit
    const Case cases[] = {
        {"$g*2", 19.6, true}, {"$g/2", 4.9, true}, {"$ab", 10, true},    {"$q+1", 1, true},
        {"$max", 3, true},    {"$g$g", 9.89, true}, {"$big", 0, false}, {"1", 1, true},
    };
    Check(cases);
    // The variable letter inside a constant's name is replaced before the constants are.
    EXPECT_DOUBLE_EQ(Evaluate("$max", 'x', 5).value, 0);
}

TEST_F(Evaluation, UserFunctions) {
    AddFunction("FA", "x^2+1");
    AddFunction("FB", "FA(x)");
    AddFunction("FC", "lgx");
    AddFunction("FD", "FC(x)");
    AddFunction("FE", "y^2", kFormX);
    AddFunction("FF", "1/x");
    AddFunction("FA", "100"); // the first record of a name wins
    const Case cases[] = {
        {"FA(2)", 5, true},   {"FA2", 5, true},     {"FA(3)+1", 11, true}, {"FB(-3)", 10, true},
        {"FE(3)", 0, true},   {"FD(-1)", 0, false}, {"FD(100)", 2, true},  {"FF(0)", 1, false},
        {"fa(2)", 0, true},   {"FA(FA(1))", 5, true}, {"FZ(2)", 0, true},
    };
    Check(cases);
    EXPECT_DOUBLE_EQ(Evaluate("FB(x)", 'x', -3).value, 10);
}

TEST_F(Evaluation, RecursiveUserFunctionsFailAtOnce) {
    AddFunction("FA", "FA(x)+1");
    AddFunction("FB", "FC(x)");
    AddFunction("FC", "FB(x)");
    AddFunction("FD", "2*FD(x)");
    const Case cases[] = {{"FA(1)", 1, false}, {"FB(1)", 0, false}, {"FD(2)", 0, false}, {"5+FA(1)", 6, false}};
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
        const Case r = Evaluate("GA(1)");
        EXPECT_EQ(r.ok, n == 16) << n;
        EXPECT_DOUBLE_EQ(r.value, n == 16 ? 2 : 0) << n;
    }
}

} // namespace
