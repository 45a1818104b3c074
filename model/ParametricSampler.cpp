#include "model/ParametricSampler.h"

#include "expr/ExpressionText.h"
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
    // t is replaced in the whole text before it is cut at '&'; value texts hold no '&', so the
    // expressions are the same as those cut from the text as it stands.
    const ParametricText parts = SplitParametricText(normalized);
    ExpressionProgram x = Compile(parts.x, "t", normalized);
    ExpressionProgram y = Compile(parts.y, "t", normalized);
    ExpressionProgram z = Compile(parts.z, "t", normalized);
    double t = lower;
    for (int i = 0; i < PlotBuffer::kSampleCount; ++i, t += step) {
        // When t's value text does not fit in the whole text, the sample keeps x, y and z.
        buffer.valid[i] = Evaluate(x, &t, buffer.x[i]) == Outcome::kSucceeded &&
                          Evaluate(y, &t, buffer.y[i]) == Outcome::kSucceeded &&
                          Evaluate(z, &t, buffer.z[i]) == Outcome::kSucceeded;
    }
    buffer.kind = kParametricPlot;
}
