#include "model/SampleRange.h"

#include "expr/ExpressionText.h"
#include "expr/NumberText.h"
#include "model/ParametricSampler.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

// The sampler puts each t into the text as its value text; "t" as x reads that text back.
TEST(ParametricSampleT, IsTheParameterTheSamplerUsedForEverySample) {
    const double bounds[][2] = {{0, 0}, {0, 6.2832}, {-12.56, 12.56}, {5, 1}, {0.1, 0.7}};
    for (const auto& b : bounds) {
        const auto buffer = std::make_unique<PlotBuffer>();
        SetFieldText(buffer->parametric.text, "t&0&0");
        buffer->parametric.lower = b[0];
        buffer->parametric.upper = b[1];
        ParametricSampler().SampleParametric(*buffer, kDefaultHalfRange);
        for (int i = 0; i < PlotBuffer::kSampleCount; ++i) {
            char text[kWorkTextSize];
            ASSERT_NE(WriteValueText(ParametricSampleT(b[0], b[1], i), text), 0u);
            ASSERT_EQ(buffer->x[i], ReadNumber(text)) << b[0] << " to " << b[1] << ", sample " << i;
        }
    }
}

} // namespace
