#pragma once

#include "expr/CompiledEvaluator.h"
#include "model/PlotBuffer.h"

// Samples the region of an inequality group on its grid.
class InequalitySampler : public CompiledEvaluator {
public:
    // Fills the region of a buffer holding an inequality record: a grid point lies inside when
    // every expression of every condition evaluates, with x and y replaced by the point's
    // coordinates, and every comparison holds. A text that cannot be read leaves the region
    // empty. The 2000 samples stay invalid.
    void SampleInequality(PlotBuffer& buffer);
};
