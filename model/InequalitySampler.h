#pragma once

#include "expr/CompiledEvaluator.h"
#include "model/PlotBuffer.h"

// Inequality groups are listed and kept in the plot list, but nothing evaluates or draws them:
// their buffers hold no valid sample.
class InequalitySampler : public CompiledEvaluator {
public:
    void MarkInequality(PlotBuffer& buffer) { buffer.kind = kInequalityPlot; }
};
