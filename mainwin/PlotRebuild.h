#pragma once

#include "expr/CompiledEvaluator.h"

class GraphStore;

// Throws the plot view's buffers away and samples every shown graph again, from the graph store:
// the inequality groups first, then the parametric equations, then the functions, each in list
// order. Hidden graphs are left out. Expressions may use the store's constants and functions.
// Returns how many evaluations ran their compiled program and how many were reduced textually.
CompiledEvaluator::Counts RebuildPlot(GraphStore& store);
