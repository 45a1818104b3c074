#include "model/FunctionSampler.h"

#include "expr/ExpressionText.h"
#include "expr/NumberText.h"
#include "model/SamplerText.h"

#include <cstring>

void FunctionSampler::SampleFunction(PlotBuffer& buffer, double halfRange) {
    FunctionGraph& function = buffer.function;
    const bool xForm = function.form == kFormX;
    const char variable = xForm ? 'y' : 'x';
    char normalized[kWorkTextSize];
    NormalizeRecordText(function.text, normalized);

    double lower = function.lower;
    double upper = function.upper;
    if (lower == 0.0 && upper == 0.0) {
        lower = -halfRange;
        upper = halfRange;
    }
    double* inputs = xForm ? buffer.y : buffer.x;
    double* outputs = xForm ? buffer.x : buffer.y;
    const std::size_t length = std::strlen(normalized);
    for (int i = 0; i < PlotBuffer::kSampleCount; ++i) {
        // Computed from i, not accumulated: the last sample lies at lower + 0.9995 (upper - lower).
        const double v = i * (upper - lower) * 0.0005 + lower;
        inputs[i] = v;
        char text[kWorkTextSize];
        std::memcpy(text, normalized, length + 1);
        buffer.valid[i] = ReplaceVariable(text, sizeof text, variable, v) && Evaluate(text, outputs[i]);
    }
    buffer.kind = kFunctionPlot;
}
