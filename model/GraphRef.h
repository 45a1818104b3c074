#pragma once

#include "model/GraphRecords.h"
#include "model/RecordList.h"

#include <cstddef>
#include <cstring>
#include <variant>

// A graph named by its list and its place there, with a copy of the record as it was when a page
// opened it. Pages are modeless: while one is open the user can still remove, clear or hide
// graphs, so a page never keeps the address of a record in a list that may move.
struct GraphRef {
    std::variant<std::monostate, FunctionGraph, ParametricGraph, InequalityGroup> opened;
    std::size_t index = 0;
};

enum class EditStored { kReplaced, kAppended };

// Whether two records are the same graph, whether or not it is hidden.
template <typename Record>
bool SameGraph(Record a, Record b) {
    a.hidden = 0;
    b.hidden = 0;
    return std::memcmp(&a, &b, sizeof a) == 0;
}

// Stores what a modify page made of the graph `ref` names: it replaces that record if the record
// is still where it was and as it was (its hidden flag, which the user may have changed meanwhile,
// is kept); otherwise nothing typed is lost and no other record is overwritten: the edit is
// appended. A ref to no record of this kind appends too, which is how add pages store.
template <typename Record>
EditStored StoreEdit(RecordList<Record>& list, const GraphRef& ref, Record edited) {
    const Record* opened = std::get_if<Record>(&ref.opened);
    if (opened != nullptr && ref.index < list.Size() && SameGraph(list[ref.index], *opened)) {
        edited.hidden = list[ref.index].hidden;
        list[ref.index] = edited;
        return EditStored::kReplaced;
    }
    list.Append(edited);
    return EditStored::kAppended;
}
