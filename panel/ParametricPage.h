#pragma once

#include "panel/GraphPage.h"

// Adds a parametric equation x(t), y(t), z(t), or changes one: three expression boxes stored as
// one text joined by '&', and the range of t. The boxes take no '&', typed or pasted: it would
// split the text into a fourth part.
class ParametricPage : public GraphPage<ParametricGraph> {
protected:
    INT_PTR OnCommand(int id, int code, LPARAM lParam) override;
    RecordList<ParametricGraph>& List(GraphStore& store) const override { return store.parametrics; }
    ParametricGraph NewRecord(const GraphStore& store, std::int32_t kind) const override;
    const RecordFields<ParametricGraph>& Fields() const override;

private:
    void RemoveSeparators(int boxId) const;
};
