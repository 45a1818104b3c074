#pragma once

#include "expr/CompiledEvaluator.h"
#include "model/PlotBuffer.h"

// Samples a parametric equation x(t), y(t), z(t) along t, each expression compiled once.
class ParametricSampler : public CompiledEvaluator {
public:
    // Fills a buffer holding a parametric record: 2000 values of t from the lower bound, each the
    // previous plus (upper - lower) / 2000 (from -halfRange to halfRange when both bounds are 0).
    // A sample is valid when all three expressions evaluate; evaluation stops at the first that
    // fails. Normalizes the record copy's text in place.
    void SampleParametric(PlotBuffer& buffer, double halfRange);
};
