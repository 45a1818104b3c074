#include "mainwin/PlotRebuild.h"

#include "model/FunctionSampler.h"
#include "model/GraphStore.h"
#include "model/InequalitySampler.h"
#include "model/ParametricSampler.h"

namespace {

// Used when a graph's range is 0 to 0.
constexpr double kDefaultHalfRange = 10.0;

template <typename List>
std::size_t CountShown(const List& list) {
    std::size_t shown = 0;
    for (const auto& record : list)
        shown += !IsHidden(record.hidden);
    return shown;
}

} // namespace

CompiledEvaluator::Counts RebuildPlot(GraphStore& store) {
    FunctionSampler functions;
    ParametricSampler parametrics;
    InequalitySampler inequalities;
    functions.Bind(&store.constants, &store.functions);
    parametrics.Bind(&store.constants, &store.functions);
    inequalities.Bind(&store.constants, &store.functions);

    PlotView& plot = store.plot;
    plot.ClearRecords();
    plot.ReserveRecords(CountShown(store.inequalities) + CountShown(store.parametrics) +
                        CountShown(store.functions));
    for (const InequalityGroup& record : store.inequalities) {
        if (IsHidden(record.hidden))
            continue;
        PlotBuffer& buffer = plot.AppendRecord();
        buffer.inequality = record;
        inequalities.MarkInequality(buffer);
    }
    for (const ParametricGraph& record : store.parametrics) {
        if (IsHidden(record.hidden))
            continue;
        PlotBuffer& buffer = plot.AppendRecord();
        buffer.parametric = record;
        parametrics.SampleParametric(buffer, kDefaultHalfRange);
    }
    for (const FunctionGraph& record : store.functions) {
        if (IsHidden(record.hidden))
            continue;
        PlotBuffer& buffer = plot.AppendRecord();
        buffer.function = record;
        functions.SampleFunction(buffer, kDefaultHalfRange);
    }
    CompiledEvaluator::Counts counts = functions.EvaluationCounts();
    counts.compiled += parametrics.EvaluationCounts().compiled;
    counts.textual += parametrics.EvaluationCounts().textual;
    counts.textualCalls += parametrics.EvaluationCounts().textualCalls;
    return counts;
}
