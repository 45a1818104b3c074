#include "mainwin/GraphRows.h"

#include "model/GraphStore.h"

namespace {

// Where a row falls: its kind and its index in that kind's list; kNoRow past the end.
struct RowPlace {
    GraphRowKind kind;
    std::size_t index;
};

RowPlace Place(const GraphStore& store, int row) {
    if (row < 0)
        return {kNoRow, 0};
    std::size_t index = static_cast<std::size_t>(row);
    if (index < store.functions.Size())
        return {kFunctionRow, index};
    index -= store.functions.Size();
    if (index < store.parametrics.Size())
        return {kParametricRow, index};
    index -= store.parametrics.Size();
    if (index < store.inequalities.Size())
        return {kInequalityRow, index};
    return {kNoRow, 0};
}

} // namespace

int GraphRowCount(const GraphStore& store) {
    return static_cast<int>(store.functions.Size() + store.parametrics.Size() + store.inequalities.Size());
}

std::string GraphRowText(const GraphStore& store, int row) {
    const RowPlace place = Place(store, row);
    switch (place.kind) {
    case kFunctionRow: return store.functions.FormatListText(place.index);
    case kParametricRow: return store.parametrics.FormatListText(place.index);
    case kInequalityRow: return store.inequalities.FormatListText(place.index);
    case kNoRow: break;
    }
    return {};
}

GraphRowKind GraphRowKindOf(const GraphStore& store, int row) { return Place(store, row).kind; }

void* GraphRowLookup(GraphStore& store, int row, int* kind) {
    const RowPlace place = Place(store, row);
    *kind = place.kind;
    switch (place.kind) {
    case kFunctionRow: return &store.functions[place.index];
    case kParametricRow: return &store.parametrics[place.index];
    case kInequalityRow: return &store.inequalities[place.index];
    case kNoRow: break;
    }
    return nullptr;
}

std::uint32_t GraphRowColour(const GraphStore& store, int row) {
    const RowPlace place = Place(store, row);
    switch (place.kind) {
    case kFunctionRow: return store.functions[place.index].colour;
    case kParametricRow: return store.parametrics[place.index].colour;
    case kInequalityRow: return store.inequalities[place.index].colour;
    case kNoRow: break;
    }
    return 0;
}

bool RemoveGraphRow(GraphStore& store, int row) {
    const RowPlace place = Place(store, row);
    switch (place.kind) {
    case kFunctionRow: store.functions.RemoveAt(place.index); return true;
    case kParametricRow: store.parametrics.RemoveAt(place.index); return true;
    case kInequalityRow: store.inequalities.RemoveAt(place.index); return true;
    case kNoRow: break;
    }
    return false;
}

bool ToggleGraphRowHidden(GraphStore& store, int row) {
    int kind = kNoRow;
    void* record = GraphRowLookup(store, row, &kind);
    std::int32_t* hidden = nullptr;
    switch (kind) {
    case kFunctionRow: hidden = &static_cast<FunctionGraph*>(record)->hidden; break;
    case kParametricRow: hidden = &static_cast<ParametricGraph*>(record)->hidden; break;
    case kInequalityRow: hidden = &static_cast<InequalityGroup*>(record)->hidden; break;
    default: return false;
    }
    *hidden = IsHidden(*hidden) ? 0 : 1;
    return true;
}
