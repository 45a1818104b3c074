#include "panel/InequalityPage.h"

#include "panel/GraphPageFields.h"

InequalityGroup InequalityPage::NewRecord(const GraphStore& store, std::int32_t) const {
    InequalityGroup record;
    store.inequalities.CreateDefault(record);
    return record;
}

const RecordFields<InequalityGroup>& InequalityPage::Fields() const {
    return InequalityPageFields();
}
