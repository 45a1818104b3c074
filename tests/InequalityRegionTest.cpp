#include "model/InequalityRegion.h"
#include "expr/ExpressionEvaluator.h"
#include "expr/ExpressionText.h"
#include "expr/NumberText.h"
#include "model/GraphStore.h"
#include "model/InequalitySampler.h"
#include "model/InequalityText.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr char kPlus = 0x02;
constexpr char kMinus = 0x01;

// A condition as text: its expressions joined by the operators as they were read.
std::string Written(const InequalityChain& chain) {
    const char* const names[] = {"<", ">", "<=", ">="};
    std::string text = chain.expressions[0];
    for (std::size_t k = 0; k < chain.comparisons.size(); ++k)
        text += names[static_cast<int>(chain.comparisons[k])] + chain.expressions[k + 1];
    return text;
}

std::vector<std::string> Conditions(const char* text) {
    std::vector<std::string> written;
    for (const InequalityChain& chain : ReadInequalityGroup(text))
        written.push_back(Written(chain));
    return written;
}

TEST(ReadInequalityGroup, CutsConditionsAndChainsAfterNormalizing) {
    const struct {
        const char* text;
        std::vector<std::string> conditions;
    } cases[] = {
        {"y>x^2-4&x+y<=3&-2<x<2",
         {"y>x^2" + std::string(1, kMinus) + "4", "x" + std::string(1, kPlus) + "y<=3",
          std::string(1, kMinus) + "2<x<2"}},
        {"x < = 3", {"x<=3"}}, // blanks go before the text is cut
        {"a>=b>c<=d", {"a>=b>c<=d"}},
        {"exp(x)>tg(y)", {"EXP(x)>TG(y)"}},
        {"$k<x", {"$k<x"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Conditions(c.text), c.conditions) << c.text;
}

TEST(ReadInequalityGroup, RefusesTextsItCannotRead) {
    for (const char* text : {"", "   ", "x", "x<", "<3", "x<<2", "x<=>3", "x<1&", "&x<1", "x<1&&y<2", "x=2",
                             "x==2", "x=<2", "x<2&y", "x<=2=y", "x>=<1"})
        EXPECT_TRUE(ReadInequalityGroup(text).empty()) << text;
}

TEST(RegionGrid, TakesTheGridOfThePrecisionAndTheRanges) {
    const struct {
        std::int32_t precision;
        double xLower, xUpper, yLower, yUpper;
        int size;
        double x0, xLast, y0, y1;
    } cases[] = {
        {kPrecisionHigh, -10, 10, -10, 10, 200, -9.95, 9.95, -9.95, -9.85},
        {kPrecisionMedium, 0, 0, 0, 2, 100, -9.9, 9.9, 0.01, 0.03}, // 0 to 0 is -10 to 10
        {kPrecisionLow, 5, 1, 0, 0, 50, 4.96, 1.04, -9.8, -9.4},    // reversed: downwards
        {7, -1, 1, -1, 1, 100, -0.99, 0.99, -0.99, -0.97},
    };
    for (const auto& c : cases) {
        InequalityGroup group{};
        group.precision = c.precision;
        group.xLower = c.xLower;
        group.xUpper = c.xUpper;
        group.yLower = c.yLower;
        group.yUpper = c.yUpper;
        const InequalityRegion region = RegionGrid(group);
        EXPECT_EQ(region.size, c.size);
        EXPECT_EQ(region.inside.size(), static_cast<std::size_t>(c.size * c.size));
        EXPECT_DOUBLE_EQ(region.X(0), c.x0);
        EXPECT_DOUBLE_EQ(region.X(c.size - 1), c.xLast);
        EXPECT_DOUBLE_EQ(region.Y(0), c.y0);
        EXPECT_DOUBLE_EQ(region.Y(1), c.y1);
    }
    // In exactly this order: ((xUpper - xLower)(i + 0.5)) / N, then + xLower.
    InequalityGroup group{};
    group.xLower = 0.1;
    group.xUpper = 0.7;
    group.precision = kPrecisionLow;
    EXPECT_EQ(RegionGrid(group).X(17), (0.7 - 0.1) * 17.5 / 50 + 0.1);
}

class Region : public ::testing::Test {
protected:
    // The sampled region of a group over x and y from -1 to 1 at low precision (0.04 apart).
    const InequalityRegion& Sample(const char* text, std::int32_t precision = kPrecisionLow) {
        m_buffer = std::make_unique<PlotBuffer>();
        SetFieldText(m_buffer->inequality.text, text);
        m_buffer->inequality.xLower = m_buffer->inequality.yLower = -1;
        m_buffer->inequality.xUpper = m_buffer->inequality.yUpper = 1;
        m_buffer->inequality.precision = precision;
        m_sampler = std::make_unique<InequalitySampler>();
        m_sampler->Bind(&store.constants, &store.functions);
        m_sampler->SampleInequality(*m_buffer);
        EXPECT_EQ(m_buffer->kind, kInequalityPlot);
        return m_buffer->region;
    }

    void AddFunction(const char* name, const char* text) {
        FunctionGraph function{};
        SetFieldText(function.name, name);
        SetFieldText(function.text, text);
        store.functions.Append(function);
    }

    static bool Inside(const InequalityRegion& region, int i, int j) {
        return region.inside[static_cast<std::size_t>(j) * region.size + i] != 0;
    }

    static int Count(const InequalityRegion& region) {
        int count = 0;
        for (const std::uint8_t inside : region.inside)
            count += inside;
        return count;
    }

    GraphStore store;
    std::unique_ptr<PlotBuffer> m_buffer;
    std::unique_ptr<InequalitySampler> m_sampler; // the last Sample's, with its counts
};

TEST_F(Region, HoldsWhereEveryConditionHolds) {
    // x and y run from -0.98 to 0.98 in steps of 0.04: 25 values on each side of 0.
    const struct {
        const char* text;
        int count;
    } cases[] = {
        {"x>0", 25 * 50},
        {"x>0&y>0", 25 * 25},
        {"-0.5<x<0.5", 24 * 50},      // a chain: -0.5 < x and x < 0.5
        {"y>x", 50 * 49 / 2},         // the diagonal itself is not inside
        {"y>=x", 50 * 51 / 2},        // but it is with >=
        {"x^2+y^2<=1", 0},            // counted below
        {"x<", 0},                    // cannot be read: no point
        {"lgx>-100", 25 * 50},        // lg fails where x <= 0: those points are out
        {"sincosx<2", 50 * 50},       // an unknown name counts 0
        {"exp(x)>0&tg(y)<100", 2500}, // names with a variable letter stay names
        {"t<1&x>-2", 2500},           // t is an unknown name
    };
    for (const auto& c : cases) {
        const InequalityRegion& region = Sample(c.text);
        if (std::string(c.text) == "x^2+y^2<=1") {
            int expected = 0;
            for (int j = 0; j < 50; ++j)
                for (int i = 0; i < 50; ++i)
                    expected += region.X(i) * region.X(i) + region.Y(j) * region.Y(j) <= 1;
            EXPECT_EQ(Count(region), expected);
            EXPECT_TRUE(Inside(region, 25, 25));
            EXPECT_FALSE(Inside(region, 0, 0));
            continue;
        }
        EXPECT_EQ(Count(region), c.count) << c.text;
    }
    EXPECT_EQ(Sample("x<").size, 0);
}

TEST_F(Region, ComparesOnTheBoundaryExactly) {
    // At high precision x is 0.00499999999999989 at i = 100, whose value text is 0.005:
    // x <= 0.005 holds there, x < 0.005 not.
    const InequalityRegion& lessOrEqual = Sample("x<=0.005", kPrecisionHigh);
    EXPECT_NEAR(lessOrEqual.X(100), 0.005, 1e-15);
    EXPECT_TRUE(Inside(lessOrEqual, 100, 0));
    EXPECT_FALSE(Inside(lessOrEqual, 101, 0));
    const InequalityRegion& less = Sample("x<0.005", kPrecisionHigh);
    EXPECT_FALSE(Inside(less, 100, 0));
    EXPECT_TRUE(Inside(less, 99, 0));
}

TEST_F(Region, UsesTheStoresConstantsAndFunctions) {
    AddFunction("FA", "x^2");
    NamedConstant r{};
    SetFieldText(r.name, "r");
    r.value = 0.25;
    store.constants.Append(r);
    const InequalityRegion& region = Sample("FA(x)<$r&y>0");
    // |x| < 0.5: x = -0.46 ... 0.46, 24 values; y > 0: 25.
    EXPECT_EQ(Count(region), 24 * 25);
}

// The region as the textual reduction makes it: each expression copied, x replaced by its value
// text, then y, and the text reduced.
std::vector<std::uint8_t> TextualRegion(const char* text, const InequalityRegion& grid,
                                        const GraphStore& store) {
    ExpressionEvaluator evaluator;
    evaluator.Bind(&store.constants, &store.functions);
    const std::vector<InequalityChain> conditions = ReadInequalityGroup(text);
    std::vector<std::uint8_t> inside(grid.inside.size(), 0);
    for (int j = 0; j < grid.size; ++j)
        for (int i = 0; i < grid.size; ++i) {
            bool holds = !conditions.empty();
            for (const InequalityChain& chain : conditions) {
                double last = 0;
                for (std::size_t k = 0; holds && k < chain.expressions.size(); ++k) {
                    char work[kWorkTextSize];
                    std::strcpy(work, chain.expressions[k].c_str());
                    double value = 0;
                    holds = ReplaceVariable(work, sizeof work, 'x', grid.X(i)) &&
                            ReplaceVariable(work, sizeof work, 'y', grid.Y(j)) &&
                            evaluator.Evaluate(work, value) &&
                            (k == 0 || Holds(chain.comparisons[k - 1], last, value));
                    last = value;
                }
            }
            inside[static_cast<std::size_t>(j) * grid.size + i] = holds ? 1 : 0;
        }
    return inside;
}

// Each expression is compiled once for x and y; the region is the textual reduction's point for
// point, also where a value text's characters decide ("2x" with x negative reads as a difference,
// "x.5" and "xy" run digits together), and the texts whose values never do run their programs only.
TEST_F(Region, IsTheTextualReductionsRegion) {
    AddFunction("FA", "x^2-1");
    const struct {
        const char* text;
        bool allCompiled;
    } cases[] = {
        {"y>x^2-0.5&x+y<=0.7&-0.6<x<0.6", true},
        {"FA(x)+y^2<0&[3*x]>=-2", true},
        {"sin(3*x)>y/2+cos(y)/4", true},
        {"2x<y*30", false},
        {"x.5>y", false},
        {"xy<0.1", false},
        {"-x<-y&y^x>0.5", true},
    };
    for (const auto& c : cases) {
        const InequalityRegion& region = Sample(c.text, kPrecisionMedium);
        const CompiledEvaluator::Counts& counts = m_sampler->EvaluationCounts();
        EXPECT_EQ(region.inside, TextualRegion(c.text, region, store)) << c.text;
        EXPECT_GT(Count(region), 0) << c.text;
        EXPECT_LT(Count(region), 100 * 100) << c.text;
        if (c.allCompiled) {
            EXPECT_EQ(counts.textual, 0) << c.text;
        }
        EXPECT_GT(counts.compiled + counts.textual, 100 * 100) << c.text;
    }
}

} // namespace
