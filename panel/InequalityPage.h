#pragma once

#include "panel/GraphPage.h"

// Adds a group of inequalities in x and y, or changes one: its expression, a rectangle of x and y
// and one of three precisions. A text that cannot be read is stored all the same, and the user
// is told it will not be drawn.
class InequalityPage : public GraphPage<InequalityGroup> {
protected:
    RecordList<InequalityGroup>& List(GraphStore& store) const override { return store.inequalities; }
    InequalityGroup NewRecord(const GraphStore& store, std::int32_t kind) const override;
    const RecordFields<InequalityGroup>& Fields() const override;
    void OnStored(const InequalityGroup& group) override;
};
