#pragma once

#include "panel/GraphPage.h"

// Adds a group of inequalities in x and y, or changes one: its expression, a rectangle of x and y
// and one of three precisions. The group is listed and kept, never drawn.
class InequalityPage : public GraphPage<InequalityGroup> {
protected:
    RecordList<InequalityGroup>& List(GraphStore& store) const override { return store.inequalities; }
    InequalityGroup NewRecord(const GraphStore& store, std::int32_t kind) const override;
    const RecordFields<InequalityGroup>& Fields() const override;
};
