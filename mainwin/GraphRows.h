#pragma once

#include "model/GraphRef.h"

#include <cstdint>
#include <string>

class GraphStore;

// The rows of the graph list: every function, then every parametric equation, then every
// inequality group, each in list order. The rows hold nothing of their own; the store is the
// one source of their texts, kinds and colours.

enum GraphRowKind : int {
    kNoRow = -1,
    kFunctionRow = 0,
    kParametricRow = 1,
    kInequalityRow = 2,
};

int GraphRowCount(const GraphStore& store);

// The record's line ("FA:y=x^2", with '&' appended when hidden) and its kind, which is also the
// row's icon in the list's image list.
std::string GraphRowText(const GraphStore& store, int row);
GraphRowKind GraphRowKindOf(const GraphStore& store, int row);

// The address of the record a row stands for, and its kind; none and kNoRow for a negative row.
void* GraphRowLookup(GraphStore& store, int row, int* kind);

// The row's graph by list and place, with a copy of its record; names no record for a row that
// stands for none.
GraphRef GraphRowRef(const GraphStore& store, int row);

// The colour of the row's record (0x00BBGGRR).
std::uint32_t GraphRowColour(const GraphStore& store, int row);
// Whether the row's record is hidden. Its text ends with '&' then, but a text may end with a
// doubled '&' of its own.
bool GraphRowHidden(const GraphStore& store, int row);

// Removes the row's record from its list (later records move up) or toggles its hidden flag
// between 0 and 1. False for a row that stands for no record.
bool RemoveGraphRow(GraphStore& store, int row);
bool ToggleGraphRowHidden(GraphStore& store, int row);
