#include "model/ParametricSampler.h"

#include "expr/ExpressionText.h"
#include "expr/NumberText.h"
#include "model/ParametricText.h"
#include "model/SamplerText.h"

#include <cstring>

namespace {

// Evaluates one of the three expressions, which views the substituted text.
bool EvaluatePart(ExpressionEvaluator& evaluator, std::string_view part, double& value) {
    char text[kWorkTextSize];
    if (!part.empty()) // a missing expression views nothing at all
        std::memcpy(text, part.data(), part.size());
    text[part.size()] = '\0';
    return evaluator.Evaluate(text, value);
}

} // namespace

void ParametricSampler::SampleParametric(PlotBuffer& buffer, double halfRange) {
    ParametricGraph& parametric = buffer.parametric;
    char normalized[kWorkTextSize];
    NormalizeRecordText(parametric.text, normalized);
    std::memset(buffer.valid, 0, sizeof buffer.valid);

    double lower = parametric.lower;
    double upper = parametric.upper;
    if (lower == 0.0 && upper == 0.0) {
        lower = -halfRange;
        upper = halfRange;
    }
    const double step = (upper - lower) * 0.0005;
    const std::size_t length = std::strlen(normalized);
    double t = lower;
    for (int i = 0; i < PlotBuffer::kSampleCount; ++i, t += step) {
        char text[kWorkTextSize];
        std::memcpy(text, normalized, length + 1);
        if (!ReplaceVariable(text, sizeof text, 't', t))
            continue;
        const ParametricText parts = SplitParametricText(text);
        buffer.valid[i] = EvaluatePart(*this, parts.x, buffer.x[i]) && EvaluatePart(*this, parts.y, buffer.y[i]) &&
                          EvaluatePart(*this, parts.z, buffer.z[i]);
    }
    buffer.kind = kParametricPlot;
}
