#pragma once

class GraphStore;

// The formulas and workspaces the benchmarks time, shared with the unit tests that check every
// one of their samples runs its compiled program.

struct BenchFormula {
    const char* orvane;   // as typed in Orvane, in x
    const char* muparser; // the same formula for muparser
};

// Expressions typical of graphs, evaluated at kEvaluatorSample with the store of
// FillEvaluatorStore: the function FA and the constant g.
constexpr int kEvaluatorSuiteSize = 18;
extern const BenchFormula kEvaluatorSuite[kEvaluatorSuiteSize];
constexpr double kEvaluatorSample = 2.37;
void FillEvaluatorStore(GraphStore& store);

// A full workspace: 26 functions (Y= and X=) and 26 parametric equations with realistic
// expressions, some calling user functions, some using constants.
void FillRebuildWorkspace(GraphStore& store);

// One inequality group of three conditions, the last a chain, at the high precision: a region of
// 200 x 200 grid points over -5 to 5 on both axes.
void FillRegionWorkspace(GraphStore& store);
