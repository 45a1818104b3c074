#include "glui/PlotTrace.h"

#include "expr/NumberText.h"
#include "glui/ShownSamples.h"
#include "model/GraphRecords.h"
#include "model/SampleRange.h"

#include <algorithm>

namespace {

// The readout keeps clear of the pointer's arrow below and right of it, less on the other sides.
constexpr int kReadoutAfterPointer = 16;
constexpr int kReadoutBeforePointer = 8;

std::string Value(const char* name, double value) {
    return std::string("  ") + name + "=" + GeneralNumberText(value);
}

} // namespace

std::optional<TracedSample> FindTracedSample(const std::vector<PlotBuffer>& records, std::int32_t mode,
                                             const PlotProjection& projection, int x, int y) {
    const double pointerX = x + 0.5;
    const double pointerY = y + 0.5;
    std::optional<TracedSample> nearest;
    double nearestDistance = kTraceRadius * kTraceRadius;
    for (std::size_t record = 0; record < records.size(); ++record) {
        const PlotBuffer& buffer = records[record];
        if (buffer.kind != kFunctionPlot && buffer.kind != kParametricPlot)
            continue;
        ForEachShownSample(buffer, mode, [&](int k, float px, float py, float pz) {
            const auto at = projection.Project(px, py, pz);
            if (!at)
                return;
            const double dx = at->x - pointerX;
            const double dy = at->ClientY() - pointerY;
            const double distance = dx * dx + dy * dy;
            if (distance > nearestDistance ||
                (nearest && distance == nearestDistance && at->depth >= nearest->at.depth))
                return;
            nearest = TracedSample{record, k, *at};
            nearestDistance = distance;
        });
    }
    return nearest;
}

std::string TraceReadout(const PlotBuffer& buffer, int index) {
    const double x = buffer.x[index];
    const double y = buffer.y[index];
    if (buffer.kind == kParametricPlot) {
        const ParametricGraph& graph = buffer.parametric;
        const double t = ParametricSampleT(graph.lower, graph.upper, index);
        return std::string(FieldText(graph.name)) + Value("t", t) + Value("x", x) + Value("y", y) +
               Value("z", buffer.z[index]);
    }
    const FunctionGraph& graph = buffer.function;
    const std::string name(FieldText(graph.name));
    return graph.form == kFormX ? name + Value("y", y) + Value("x", x) : name + Value("x", x) + Value("y", y);
}

ClientRect ReadoutBox(int x, int y, int width, int height) {
    const ClientRect plot = AreaClientRect(ScreenArea::Plot);
    // Where neither side has room, the box goes against the far edge, as near the pointer as it fits.
    const auto place = [](int pointer, int size, int low, int high) {
        const int after = pointer + kReadoutAfterPointer;
        if (after + size <= high)
            return after;
        const int before = pointer - kReadoutBeforePointer - size;
        return before >= low ? before : std::max(low, high - size);
    };
    const int left = place(x, width, plot.left, plot.right);
    const int top = place(y, height, plot.top, plot.bottom);
    return {left, top, left + width, top + height};
}
