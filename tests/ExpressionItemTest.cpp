#include "tools/ExpressionItem.h"

#include "expr/CompiledEvaluator.h"
#include "model/GraphStore.h"
#include "tests/GbkLiterals.h"

#include <gtest/gtest.h>

namespace {

// The expression page's evaluator, bound to a store holding the constant g = 9.8 and the
// function FA: y=x^2.
class ExpressionItem : public ::testing::Test {
protected:
    void SetUp() override {
        NamedConstant g{};
        SetFieldText(g.name, "g");
        g.value = 9.8;
        store.constants.Append(g);
        FunctionGraph fa{};
        SetFieldText(fa.name, "FA");
        SetFieldText(fa.text, "x^2");
        fa.form = kFormY;
        store.functions.Append(fa);
        evaluator.Bind(&store.constants, &store.functions);
    }

    void Check(std::initializer_list<std::pair<const char*, const char*>> cases) {
        for (const auto& [typed, item] : cases)
            EXPECT_EQ(ExpressionItemText(evaluator, typed), Gbk(item)) << typed;
    }

    GraphStore store;
    CompiledEvaluator evaluator;
};

// The item repeats the text as typed (not its normalized copy) and the value as "%g".
TEST_F(ExpressionItem, ListsTheTypedTextAndItsValue) {
    Check({
        {"1+2*3", "1+2*3=7"},
        {"2^10", "2^10=1024"},
        {"(1/3)*3", "(1/3)*3=0.999999"},
        {"$g/2", "$g/2=4.9"},
        {"FA(3)+1", "FA(3)+1=10"},
        {"x+1", "x+1=1"},
        {"tg(1)", "tg(1)=1.55741"},
        {"1 + 2 * 3", "1 + 2 * 3=7"},
        {"", "=0"},
    });
}

// Unlike the texts the evaluator writes back, the item shows large and small values with an
// exponent.
TEST_F(ExpressionItem, WritesValuesAsPercentG) {
    Check({
        {"2^40", "2^40=1.09951e+12"},
        {"1/100000", "1/100000=1e-05"},
    });
}

TEST_F(ExpressionItem, MarksFailedEvaluations) {
    Check({
        {"1/0", "1/0=错误"},
        {"lg0", "lg0=错误"},
        {"10^400", "10^400=错误"},
    });
}

} // namespace
