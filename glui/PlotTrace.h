#pragma once

#include "glui/PlotProjection.h"
#include "glui/ScreenLayout.h"
#include "model/PlotBuffer.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// Reading a curve under the pointer: the sample drawn nearest to it and the text that names it.

// How far from the pointer, in pixels, a sample is still traced.
inline constexpr double kTraceRadius = 8.0;

// A pixel of the window's client area.
struct ClientPoint {
    int x;
    int y;
};

struct TracedSample {
    std::size_t record; // in the plot view's list
    int index;          // of the sample in its buffer
    WindowPoint at;     // where the frame draws it
};

// The sample nearest on screen to the middle of the pointer's pixel (client x, y), within
// kTraceRadius, among the samples of functions and parametric equations that the frame draws with
// this projection in this coordinate system; samples at the same distance go to the one nearer
// the eye. Inequality groups' points are not traced.
std::optional<TracedSample> FindTracedSample(const std::vector<PlotBuffer>& records, std::int32_t mode,
                                             const PlotProjection& projection, int x, int y);

// "FA  x=1.25  y=3.1416" for a function (an X= function's own variable first: "FB  y=...  x=..."),
// "EA  t=...  x=...  y=...  z=..." for a parametric equation, the values with "%g". The name is
// the record's 8-bit text.
std::string TraceReadout(const PlotBuffer& buffer, int index);

// Where the readout of a size goes beside the pointer: below and right of it, or on the other
// side where the plot square ends, and always inside the plot square.
ClientRect ReadoutBox(int x, int y, int width, int height);
