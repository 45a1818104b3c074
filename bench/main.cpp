// Runs every benchmark, then prints the figures the targets are stated in.
#include "BenchSummary.h"
#include "Summaries.h"

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    BenchSummary summary;
    benchmark::RunSpecifiedBenchmarks(&summary);
    PrintEvaluatorSummary(summary);
    PrintRebuildSummary(summary);
    benchmark::Shutdown();
    return 0;
}
