#include "model/FunctionSampler.h"

#include "expr/ExpressionText.h"
#include "model/SamplerText.h"

void FunctionSampler::SampleFunction(PlotBuffer& buffer, double halfRange) {
    FunctionGraph& function = buffer.function;
    const bool xForm = function.form == kFormX;
    const char variable[] = {xForm ? 'y' : 'x', '\0'};
    char normalized[kWorkTextSize];
    NormalizeRecordText(function.text, normalized);
    ExpressionProgram program = Compile(normalized, variable);

    double lower = function.lower;
    double upper = function.upper;
    if (lower == 0.0 && upper == 0.0) {
        lower = -halfRange;
        upper = halfRange;
    }
    double* inputs = xForm ? buffer.y : buffer.x;
    double* outputs = xForm ? buffer.x : buffer.y;
    for (int i = 0; i < PlotBuffer::kSampleCount; ++i) {
        // Computed from i, not accumulated: the last sample lies at lower + 0.9995 (upper - lower).
        const double v = i * (upper - lower) * 0.0005 + lower;
        inputs[i] = v;
        // A value text that does not fit leaves the output as it was.
        buffer.valid[i] = Evaluate(program, &v, outputs[i]) == Outcome::kSucceeded;
    }
    buffer.kind = kFunctionPlot;
}
