#pragma once

#include "expr/CompiledEvaluator.h"
#include "model/PlotBuffer.h"

// Samples an explicit function along its variable: x for the Y= form, y for the X= form. The text
// is compiled once and its program run for every sample.
class FunctionSampler : public CompiledEvaluator {
public:
    // Fills a buffer holding a function record: 2000 inputs from the lower bound in steps of
    // (upper - lower) / 2000 (the domain -halfRange to halfRange when both bounds are 0), each
    // output and its validity. Normalizes the record copy's text in place.
    void SampleFunction(PlotBuffer& buffer, double halfRange);
};
