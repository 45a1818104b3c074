#pragma once

#include "model/GraphRecords.h"
#include "model/InequalityRegion.h"

#include <cstddef>
#include <cstdint>

enum PlotKind : std::int32_t {
    kUnsampled = 0,
    kFunctionPlot = 1,
    kParametricPlot = 2,
    kInequalityPlot = 3,
};

// The sampled points of one plotted graph, with a copy of the record they were made from. Made
// all-zero, filled once by a sampler during a plot rebuild and only read afterwards. An
// inequality group's points are its region's: its 2000 samples stay invalid.
struct PlotBuffer {
    static constexpr int kSampleCount = 2000;

    double x[kSampleCount];
    double y[kSampleCount];
    double z[kSampleCount];           // stays 0 for functions
    std::uint8_t valid[kSampleCount]; // only valid samples are drawn
    FunctionGraph function;           // the record, when the kind is kFunctionPlot
    ParametricGraph parametric;       // when the kind is kParametricPlot
    InequalityGroup inequality;       // when the kind is kInequalityPlot
    std::int32_t kind;
    InequalityRegion region; // when the kind is kInequalityPlot
};

static_assert(offsetof(PlotBuffer, valid) == 48000 && offsetof(PlotBuffer, function) == 50000 &&
              offsetof(PlotBuffer, parametric) == 50248 && offsetof(PlotBuffer, inequality) == 50496 &&
              offsetof(PlotBuffer, kind) == 50760 && offsetof(PlotBuffer, region) == 50768);

// The colour of the buffer's points, from the record copy of its kind; false for a buffer of no
// known kind, whose points keep the colour drawn before them.
inline bool PlotColour(const PlotBuffer& buffer, std::uint32_t& colour) {
    switch (buffer.kind) {
    case kFunctionPlot:
        colour = buffer.function.colour;
        return true;
    case kParametricPlot:
        colour = buffer.parametric.colour;
        return true;
    case kInequalityPlot:
        colour = buffer.inequality.colour;
        return true;
    default:
        return false;
    }
}
