#pragma once

class GraphStore;

// Throws the plot view's buffers away and samples every shown graph again, from the graph store:
// the inequality groups first, then the parametric equations, then the functions, each in list
// order. Hidden graphs are left out. Expressions may use the store's constants and functions.
void RebuildPlot(GraphStore& store);
