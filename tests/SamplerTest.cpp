#include "mainwin/PlotRebuild.h"
#include "model/FunctionSampler.h"
#include "model/GraphStore.h"
#include "model/ParametricSampler.h"

#include "bench/BenchWorkspaces.h"
#include "expr/ExpressionEvaluator.h"
#include "expr/NumberText.h"
#include "model/ParametricText.h"
#include "model/SamplerText.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <memory>
#include <string>
#include <tuple>

namespace {

constexpr int kLast = PlotBuffer::kSampleCount - 1;

std::unique_ptr<PlotBuffer> Buffer() {
    return std::make_unique<PlotBuffer>();
}

std::unique_ptr<PlotBuffer> SampledFunction(const char* text, double lower, double upper,
                                            std::int32_t form = kFormY) {
    auto buffer = Buffer();
    SetFieldText(buffer->function.text, text);
    buffer->function.lower = lower;
    buffer->function.upper = upper;
    buffer->function.form = form;
    FunctionSampler sampler;
    sampler.SampleFunction(*buffer, 10);
    return buffer;
}

std::unique_ptr<PlotBuffer> SampledParametric(const char* text, double lower, double upper) {
    auto buffer = Buffer();
    SetFieldText(buffer->parametric.text, text);
    buffer->parametric.lower = lower;
    buffer->parametric.upper = upper;
    ParametricSampler sampler;
    sampler.SampleParametric(*buffer, 10);
    return buffer;
}

int ValidCount(const PlotBuffer& buffer) {
    int count = 0;
    for (std::uint8_t v : buffer.valid)
        count += v;
    return count;
}

TEST(SampleFunction, SpreadsTheSamplesOverTheDomain) {
    const struct {
        double lower, upper;
        double first, second, last;
    } cases[] = {
        {-10, 10, -10, -9.99, 9.99},
        {0, 0, -10, -9.99, 9.99}, // an empty domain takes the default half-range
        {5, 1, 5, 4.998, 1.002},  // a reversed domain runs downwards
        {0, 1, 0, 0.0005, 0.9995},
    };
    for (const auto& c : cases) {
        const auto b = SampledFunction("x", c.lower, c.upper);
        EXPECT_EQ(b->kind, kFunctionPlot);
        EXPECT_DOUBLE_EQ(b->x[0], c.first);
        EXPECT_DOUBLE_EQ(b->x[1], c.second);
        EXPECT_DOUBLE_EQ(b->x[kLast], c.last);
        EXPECT_EQ(ValidCount(*b), PlotBuffer::kSampleCount);
        EXPECT_EQ(b->z[kLast], 0);
    }
}

TEST(SampleFunction, MarksOnlyTheSamplesThatEvaluate) {
    const auto lg = SampledFunction("lgx", -10, 10);
    for (int i = 0; i < PlotBuffer::kSampleCount; ++i)
        EXPECT_EQ(lg->valid[i], lg->x[i] > 0 ? 1 : 0) << lg->x[i];
    EXPECT_DOUBLE_EQ(lg->y[kLast], 0.999565); // lg 9.99, six digits
    const auto inverse = SampledFunction("1/x", -10, 10);
    EXPECT_EQ(ValidCount(*inverse), PlotBuffer::kSampleCount - 1); // the middle sample is x = 0
    EXPECT_EQ(inverse->valid[1000], 0);
    EXPECT_EQ(inverse->y[1000], 1); // a failed output keeps what the evaluation produced
}

// A text without its variable gets nothing written into it, so a domain whose value texts
// would not fit still gives valid samples.
TEST(SampleFunction, AHugeDomainOfATextWithoutItsVariable) {
    EXPECT_EQ(ValidCount(*SampledFunction("5", 1e300, 2e300)), PlotBuffer::kSampleCount);
    EXPECT_EQ(ValidCount(*SampledFunction("x", 1e300, 2e300)), 0);
}

TEST(SampleFunction, TheXFormRunsAlongY) {
    const auto b = SampledFunction("y^2", -10, 10, kFormX);
    EXPECT_DOUBLE_EQ(b->y[0], -10);
    EXPECT_DOUBLE_EQ(b->y[kLast], 9.99);
    EXPECT_DOUBLE_EQ(b->x[0], 100);
    EXPECT_DOUBLE_EQ(b->x[kLast], 99.8001);
    EXPECT_EQ(std::string_view(b->function.text), "y^2");
    const auto normalized = SampledFunction("tg(x) + 1", 0, 1);
    EXPECT_EQ(std::string_view(normalized->function.text), "TG(x)\x02"
                                                           "1"); // normalized in place
}

TEST(SampleParametric, AccumulatesTAndNeedsAllThreeExpressions) {
    const auto circle = SampledParametric("cost&sint&0", 0, 6.28);
    EXPECT_EQ(circle->kind, kParametricPlot);
    EXPECT_EQ(ValidCount(*circle), PlotBuffer::kSampleCount);
    for (int i = 0; i < PlotBuffer::kSampleCount; i += 97)
        EXPECT_NEAR(std::hypot(circle->x[i], circle->y[i]), 1, 1e-5);
    EXPECT_DOUBLE_EQ(circle->y[1], 0.00313999); // sin 0.00314: t advances by 0.00314
    // Accumulated, t misses 0 at sample 1000 by a rounding error, so 1/t is valid there; a t
    // computed from i would be exactly 0.
    EXPECT_EQ(SampledParametric("t&1/t&0", -10, 10)->valid[1000], 1);

    // The y expression fails for t <= 0: x keeps its value, z is not evaluated.
    const auto partial = SampledParametric("t+1&lgt&5", -1, 1);
    EXPECT_EQ((std::tuple{partial->valid[0], partial->x[0], partial->z[0]}), (std::tuple{0, 0.0, 0.0}));
    EXPECT_EQ((std::tuple{partial->valid[kLast], partial->z[kLast]}), (std::tuple{1, 5.0}));

    // Hand-made texts with fewer expressions: the missing ones are empty and worth 0.
    const auto single = SampledParametric("t", 0, 1);
    EXPECT_EQ(single->valid[kLast], 1);
    EXPECT_DOUBLE_EQ(single->x[kLast], 0.9995);
    EXPECT_EQ(single->y[kLast], 0);
    EXPECT_EQ(single->z[kLast], 0);

    const auto defaults = SampledParametric("t&t&t", 0, 0);
    EXPECT_DOUBLE_EQ(defaults->x[0], -10);
}

class Rebuild : public ::testing::Test {
protected:
    template <typename List>
    void Add(List& list, const char* name, const char* text, std::int32_t hidden = 0) {
        typename std::remove_reference_t<decltype(list[0])> record{};
        SetFieldText(record.name, name);
        SetFieldText(record.text, text);
        record.hidden = hidden;
        list.Append(record);
    }
    GraphStore store;
};

TEST_F(Rebuild, ListsTheShownGraphsInequalitiesFirst) {
    Add(store.functions, "FA", "x");
    Add(store.functions, "FB", "x", 1);
    Add(store.functions, "FC", "FA(x)+$k"); // the samplers use the store's functions and constants
    NamedConstant k{};
    SetFieldText(k.name, "k");
    k.value = 3;
    store.constants.Append(k);
    Add(store.parametrics, "EA", "t&t&t");
    Add(store.inequalities, "IA", "x>y");
    Add(store.inequalities, "IB", "x>y", 1);
    Add(store.parametrics, "EB", "t&t&t", 2); // only a flag of 1 hides
    RebuildPlot(store);
    const auto& records = store.plot.Records();
    ASSERT_EQ(records.size(), 5u);
    EXPECT_EQ(records[0].kind, kInequalityPlot);
    EXPECT_STREQ(records[0].inequality.name, "IA");
    EXPECT_EQ(ValidCount(records[0]), 0);   // a group's points are its region's
    EXPECT_EQ(records[0].region.size, 200); // precision 0: high
    EXPECT_EQ(records[1].kind, kParametricPlot);
    EXPECT_STREQ(records[2].parametric.name, "EB");
    EXPECT_STREQ(records[3].function.name, "FA");
    EXPECT_STREQ(records[4].function.name, "FC");
    EXPECT_DOUBLE_EQ(records[4].y[1500], 8); // FA(5) + 3
}

TEST_F(Rebuild, HoldsCopiesUntilTheNextRebuild) {
    Add(store.functions, "FA", "x");
    store.functions[0].colour = 0x0000FF;
    RebuildPlot(store);
    store.functions[0].colour = 0x00FF00;
    store.functions[0].hidden = 1;
    ASSERT_EQ(store.plot.Records().size(), 1u);
    EXPECT_EQ(store.plot.Records()[0].function.colour, 0x0000FFu);
    RebuildPlot(store);
    EXPECT_TRUE(store.plot.Records().empty());
}

// The samplers by the textual reduction alone, sample by sample as they were before their texts
// were compiled: the samplers must fill the very same bytes.
std::unique_ptr<PlotBuffer> SampledTextually(const GraphStore& store, const PlotBuffer& sampled) {
    auto buffer = Buffer();
    ExpressionEvaluator evaluator;
    evaluator.Bind(&store.constants, &store.functions);
    char normalized[kWorkTextSize];
    const bool parametric = sampled.kind == kParametricPlot;
    CopyNormalized(parametric ? sampled.parametric.text : sampled.function.text, normalized);
    const bool xForm = !parametric && sampled.function.form == kFormX;
    double lower = parametric ? sampled.parametric.lower : sampled.function.lower;
    double upper = parametric ? sampled.parametric.upper : sampled.function.upper;
    if (lower == 0.0 && upper == 0.0) {
        lower = -10;
        upper = 10;
    }
    double t = lower;
    for (int i = 0; i < PlotBuffer::kSampleCount; ++i, t += (upper - lower) * 0.0005) {
        char text[kWorkTextSize];
        std::strcpy(text, normalized);
        if (parametric) {
            if (!ReplaceVariable(text, sizeof text, 't', t))
                continue;
            const ParametricText parts = SplitParametricText(text);
            buffer->valid[i] = evaluator.Evaluate(parts.x, buffer->x[i]) &&
                               evaluator.Evaluate(parts.y, buffer->y[i]) &&
                               evaluator.Evaluate(parts.z, buffer->z[i]);
        } else {
            const double v = i * (upper - lower) * 0.0005 + lower;
            (xForm ? buffer->y : buffer->x)[i] = v;
            buffer->valid[i] = ReplaceVariable(text, sizeof text, xForm ? 'y' : 'x', v) &&
                               evaluator.Evaluate(text, (xForm ? buffer->x : buffer->y)[i]);
        }
    }
    return buffer;
}

TEST_F(Rebuild, SamplesAsTheTextualReductionDoes) {
    FillRebuildWorkspace(store);
    // Texts with calls, ties, tiny and huge values, failures, and texts that are not compiled.
    std::string powers = "x^9";
    for (int i = 1; i < 20; ++i)
        powers += "+x^9";
    for (const char* text : {"2x", "x.5+1", "1/x", "lgx", "x*0.000000001", "x^20", "[x/3]+{x*7}",
                             "FK(x)*FL(x)", "x/0.001^4", powers.c_str(), "(x/1000000000)^3", "$g$g*x"})
        Add(store.functions, "HA", text);
    store.functions[store.functions.Size() - 1].lower = 1e-20;
    store.functions[store.functions.Size() - 1].upper = 1e-17;
    for (const char* text :
         {"t&1/t&0", "2t&t.5&t", "t^9+t^9+t^9+t^9+t^9+t^9+t^9+t^9+t^9+t^9&t&t", "FA(t)&lgt&FK(t)"})
        Add(store.parametrics, "JA", text);
    RebuildPlot(store);
    for (const PlotBuffer& sampled : store.plot.Records()) {
        const std::string text =
            sampled.kind == kParametricPlot ? sampled.parametric.text : sampled.function.text;
        const auto textual = SampledTextually(store, sampled);
        EXPECT_EQ(std::memcmp(sampled.x, textual->x, sizeof sampled.x), 0) << text;
        EXPECT_EQ(std::memcmp(sampled.y, textual->y, sizeof sampled.y), 0) << text;
        EXPECT_EQ(std::memcmp(sampled.z, textual->z, sizeof sampled.z), 0) << text;
        EXPECT_EQ(std::memcmp(sampled.valid, textual->valid, sizeof sampled.valid), 0) << text;
    }
}

} // namespace
