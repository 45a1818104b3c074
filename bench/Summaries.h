#pragma once

class BenchSummary;

// The lines each benchmark file prints after the run, from the times collected.
void PrintEvaluatorSummary(const BenchSummary& summary);
void PrintRebuildSummary(const BenchSummary& summary);
