#include "panel/ParametricPage.h"

#include "panel/GraphPageFields.h"

ParametricGraph ParametricPage::NewRecord(const GraphStore& store, std::int32_t kind) const {
    ParametricGraph record;
    store.parametrics.CreateDefault(record, kind);
    return record;
}

const RecordFields<ParametricGraph>& ParametricPage::Fields() const {
    return ParametricPageFields();
}
