#pragma once

#include "model/ConstantTable.h"
#include "model/FunctionGraphList.h"
#include "model/InequalityGroupList.h"
#include "model/ParametricGraphList.h"
#include "model/PlotView.h"

// The document: the plot view's state, the named constants and the three graph lists. Pages
// edit it in place; it lives as long as the application.
class GraphStore {
public:
    PlotView plot;
    ConstantTable constants;
    InequalityGroupList inequalities;
    ParametricGraphList parametrics;
    FunctionGraphList functions;
};
