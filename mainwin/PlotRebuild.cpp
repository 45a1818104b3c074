#include "mainwin/PlotRebuild.h"

#include "model/FunctionSampler.h"
#include "model/GraphStore.h"
#include "model/InequalitySampler.h"
#include "model/ParametricSampler.h"
#include "model/SampleRange.h"

namespace {

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
        inequalities.SampleInequality(buffer);
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
    CompiledEvaluator::Counts counts;
    const auto add = [&counts](const CompiledEvaluator& sampler) {
        counts.compiled += sampler.EvaluationCounts().compiled;
        counts.textual += sampler.EvaluationCounts().textual;
        counts.textualCalls += sampler.EvaluationCounts().textualCalls;
    };
    add(inequalities);
    add(parametrics);
    add(functions);
    return counts;
}
