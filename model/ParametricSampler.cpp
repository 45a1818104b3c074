#include "model/ParametricSampler.h"

#include "expr/ExpressionText.h"
#include "expr/NumberText.h"
#include "model/ParametricText.h"
#include "model/SamplerText.h"

#include <cstring>

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
        buffer.valid[i] = Evaluate(parts.x, buffer.x[i]) && Evaluate(parts.y, buffer.y[i]) &&
                          Evaluate(parts.z, buffer.z[i]);
    }
    buffer.kind = kParametricPlot;
}
