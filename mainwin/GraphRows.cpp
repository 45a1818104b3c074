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

// Calls visit(list, index) with the list the row falls in and its index there; false, without
// a call, for a row that stands for no record.
template <class Store, class Visit>
bool VisitRow(Store& store, int row, Visit visit) {
    const RowPlace place = Place(store, row);
    switch (place.kind) {
    case kFunctionRow:
        visit(store.functions, place.index);
        return true;
    case kParametricRow:
        visit(store.parametrics, place.index);
        return true;
    case kInequalityRow:
        visit(store.inequalities, place.index);
        return true;
    case kNoRow:
        break;
    }
    return false;
}

} // namespace

int GraphRowCount(const GraphStore& store) {
    return static_cast<int>(store.functions.Size() + store.parametrics.Size() + store.inequalities.Size());
}

std::string GraphRowText(const GraphStore& store, int row) {
    std::string text;
    VisitRow(store, row, [&](const auto& list, std::size_t index) { text = list.FormatListText(index); });
    return text;
}

GraphRowKind GraphRowKindOf(const GraphStore& store, int row) {
    return Place(store, row).kind;
}

void* GraphRowLookup(GraphStore& store, int row, int* kind) {
    void* record = nullptr;
    VisitRow(store, row, [&](auto& list, std::size_t index) { record = &list[index]; });
    *kind = GraphRowKindOf(store, row);
    return record;
}

GraphRef GraphRowRef(const GraphStore& store, int row) {
    GraphRef ref;
    VisitRow(store, row, [&](const auto& list, std::size_t index) {
        ref.opened = list[index];
        ref.index = index;
    });
    return ref;
}

std::uint32_t GraphRowColour(const GraphStore& store, int row) {
    std::uint32_t colour = 0;
    VisitRow(store, row, [&](const auto& list, std::size_t index) { colour = list[index].colour; });
    return colour;
}

bool GraphRowHidden(const GraphStore& store, int row) {
    bool hidden = false;
    VisitRow(store, row, [&](const auto& list, std::size_t index) { hidden = IsHidden(list[index].hidden); });
    return hidden;
}

bool RemoveGraphRow(GraphStore& store, int row) {
    return VisitRow(store, row, [](auto& list, std::size_t index) { list.RemoveAt(index); });
}

bool ToggleGraphRowHidden(GraphStore& store, int row) {
    int kind = kNoRow;
    void* record = GraphRowLookup(store, row, &kind);
    std::int32_t* hidden = nullptr;
    switch (kind) {
    case kFunctionRow:
        hidden = &static_cast<FunctionGraph*>(record)->hidden;
        break;
    case kParametricRow:
        hidden = &static_cast<ParametricGraph*>(record)->hidden;
        break;
    case kInequalityRow:
        hidden = &static_cast<InequalityGroup*>(record)->hidden;
        break;
    default:
        return false;
    }
    *hidden = IsHidden(*hidden) ? 0 : 1;
    return true;
}
