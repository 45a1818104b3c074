// The plot rebuild of a full workspace, 26 functions (Y= and X=) and 26 parametric equations, and
// of one high-precision inequality group (BenchWorkspaces).
#include "BenchSummary.h"
#include "BenchWorkspaces.h"
#include "Summaries.h"

#include "mainwin/PlotRebuild.h"
#include "model/GraphStore.h"

#include <benchmark/benchmark.h>

#include <cstdio>

namespace {

std::size_t g_recordBytes = 0;
CompiledEvaluator::Counts g_counts;
CompiledEvaluator::Counts g_regionCounts;

void BM_Rebuild(benchmark::State& state) {
    GraphStore store;
    FillRebuildWorkspace(store);
    for (auto _ : state)
        g_counts = RebuildPlot(store);
    g_recordBytes = store.plot.Records().capacity() * sizeof(PlotBuffer);
    state.SetLabel(std::to_string(store.plot.Records().size()) + " buffers");
}

void BM_RebuildRegion(benchmark::State& state) {
    GraphStore store;
    FillRegionWorkspace(store);
    for (auto _ : state)
        g_regionCounts = RebuildPlot(store);
}

BENCHMARK(BM_Rebuild)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RebuildRegion)->Unit(benchmark::kMillisecond);

} // namespace

void PrintRebuildSummary(const BenchSummary& summary) {
    const double nanoseconds = summary.Nanoseconds("BM_Rebuild");
    if (nanoseconds == 0.0)
        return;
    std::printf("\nplot rebuild of 26 functions and 26 parametric equations: %.1f ms; record list %.2f MB "
                "(%zu bytes)\n",
                nanoseconds / 1e6, g_recordBytes / 1048576.0, g_recordBytes);
    std::printf(
        "evaluations by their compiled program: %ld; reduced textually: %ld, and %ld calls within them\n",
        g_counts.compiled, g_counts.textual, g_counts.textualCalls);
    const double region = summary.Nanoseconds("BM_RebuildRegion");
    if (region != 0.0)
        std::printf("plot rebuild of one inequality group of three conditions at 200 x 200 points: %.1f ms; "
                    "evaluations by their compiled program: %ld; reduced textually: %ld\n",
                    region / 1e6, g_regionCounts.compiled, g_regionCounts.textual);
}
