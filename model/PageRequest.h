#pragma once

#include "model/GraphRef.h"
#include "model/ViewState.h"

#include <cstdint>

// Notification codes that pages and the plot view send through PageRequest::callback.
enum Notification : int {
    kGraphListsChanged = 0, // a page added or changed a record; data is null
    kRotationReport = 1,    // six doubles: angles about x, y, z, then speeds about x, y, z
    kRangeReport = 2,       // six doubles: x from, x to, y from, y to, z from, z to; or the address
                            // of the request's coordinateChoice: choose that coordinate mode
    kPositionReport = 3,    // three doubles: origin x, y, z
};

enum RequestMode : std::int32_t { kModeAdd = 0, kModeModify = 1 };

enum RequestKind : std::int32_t {
    kKindChoose = -1,
    kKindYFunction = 0,
    kKindXFunction = 1, // any function when modifying
    kKindParametric = 2,
    kKindInequality = 3,
};

// The one block through which the application hands work to a side-panel page, and through which
// pages and the plot view report back. Every opener rewrites only the fields it needs; the others
// keep what an earlier opener left.
struct PageRequest {
    using Callback = int (*)(int code, const void* data, void* user);

    void* data = nullptr;   // what the page edits
    GraphRef graph;         // the graph being modified
    void* second = nullptr; // the axis ranges, or the graph store
    void* user = nullptr;   // passed back as the callback's third argument
    std::int32_t mode = kModeAdd;
    std::int32_t kind = kKindChoose;
    std::int32_t reserved = 0;
    std::int32_t coordinateChoice = -1; // -1 while the coordinate page has no choice
    Callback callback = nullptr;

    int Notify(int code, const void* notifyData) const {
        return callback != nullptr ? callback(code, notifyData, user) : 0;
    }

    // Code kRangeReport means two things: the coordinate page sends the address of
    // coordinateChoice to choose a mode; any other data is a range report, whatever it holds.
    bool IsCoordinateChoice(const void* rangeData) const { return rangeData == &coordinateChoice; }

    // The plot view's report after each frame: rotation (angles, then speeds), ranges, position.
    void ReportView(const ViewState& view) const {
        const double rotation[6] = {view.angles[0], view.angles[1], view.angles[2],
                                    view.speeds[0], view.speeds[1], view.speeds[2]};
        Notify(kRotationReport, rotation);
        Notify(kRangeReport, view.ranges);
        Notify(kPositionReport, view.position);
    }
};
