#include "BenchWorkspaces.h"

#include "model/GraphStore.h"

#include <utility>

const BenchFormula kEvaluatorSuite[kEvaluatorSuiteSize] = {
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

void FillEvaluatorStore(GraphStore& store) {
    FunctionGraph fa{};
    SetFieldText(fa.name, "FA");
    SetFieldText(fa.text, "x^2+1");
    store.functions.Append(fa);
    NamedConstant g{};
    SetFieldText(g.name, "g");
    g.value = 9.8;
    store.constants.Append(g);
}

namespace {

const char* const kFunctions[26] = {
    "x^2/10",        "sinx*3",      "cos(x/2)*2",     "x^3/100-x", "lg(abs(x)+1)*2",
    "exp(-x^2/8)*5", "[x]",         "{x}*2",          "1/x",       "tg(x/4)",
    "FA(x)+1",       "FB(x)-FA(x)", "$a*x+$b",        "$g*x^2/50", "sin(x)^2+cos(x)^2",
    "arctg(x)*3",    "abs(x)-5",    "(x+1)*(x-1)/10", "x^0.5",     "ln(x+11)",
    "FC(x/2)",       "sec(x/5)",    "arcsin(x/10)*4", "2^(x/3)",   "FD(x)*$a",
    "y^2/10",
};
const char* const kParametrics[26] = {
    "cost&sint&t/5",
    "3*cos(t)&3*sin(t)&0",
    "sin(2*t)*4&sin(3*t)*4&0",
    "t&t^2/10&cost",
    "cos(t)*t/3&sin(t)*t/3&t/2",
    "FA(t)/10&t&0",
    "$a*cost&$b*sint&t/4",
    "cost^3*5&sint^3*5&0",
    "t/2&sin(t*2)&cos(t*2)",
    "exp(-t^2/20)*t&t&0",
    "2*cos(t)+cos(2*t)&2*sin(t)-sin(2*t)&0",
    "cos(t)&sin(t)&lg(abs(t)+1)",
    "[t]&{t}*3&0",
    "t*cost/2&t*sint/2&0",
    "sec(t/4)&t&0",
    "FB(t)&FC(t)&t",
    "arctg(t)*4&t/2&0",
    "4*sin(t)&3*cos(t)&t/3",
    "t&abs(t)-3&0",
    "cos(3*t)*cost*5&cos(3*t)*sint*5&0",
    "ln(t+11)&t&1",
    "sint*$g/5&cost&0",
    "t^3/100&t&0",
    "tg(t/5)&t&0",
    "sin(t)+cos(t)&sin(t)-cos(t)&t/10",
    "FD(t)/20&t/3&sint",
};

} // namespace

void FillRebuildWorkspace(GraphStore& store) {
    for (int i = 0; i < 26; ++i) {
        FunctionGraph f{};
        const char name[3] = {'F', static_cast<char>('A' + i), '\0'};
        SetFieldText(f.name, name);
        SetFieldText(f.text, kFunctions[i]);
        f.lower = -10;
        f.upper = 10;
        f.form = i % 7 == 6 || i == 25 ? kFormX : kFormY;
        store.functions.Append(f);

        ParametricGraph p{};
        const char pname[3] = {'E', static_cast<char>('A' + i), '\0'};
        SetFieldText(p.name, pname);
        SetFieldText(p.text, kParametrics[i]);
        p.lower = -6.28;
        p.upper = 6.28;
        store.parametrics.Append(p);
    }
    for (const auto& [name, value] : {std::pair{"a", 1.5}, {"b", -2.0}, {"g", 9.8}}) {
        NamedConstant c{};
        SetFieldText(c.name, name);
        c.value = value;
        store.constants.Append(c);
    }
}

void FillRegionWorkspace(GraphStore& store) {
    InequalityGroup group{};
    SetFieldText(group.name, "IA");
    SetFieldText(group.text, "y>x^2-4&x+y<=3&-2<x<2");
    group.xLower = -5;
    group.xUpper = 5;
    group.yLower = -5;
    group.yUpper = 5;
    group.precision = kPrecisionHigh;
    store.inequalities.Append(group);
}
