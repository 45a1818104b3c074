#pragma once

#include "expr/ConstantScope.h"
#include "model/GraphRecords.h"
#include "model/RecordList.h"

// The named constants, written "$name" in expressions; replaced in table order.
class ConstantTable : public RecordList<NamedConstant>, public ConstantScope {
public:
    std::size_t ConstantCount() const override { return Size(); }
    std::string_view ConstantName(std::size_t index) const override {
        return FieldText(m_records[index].name);
    }
    double ConstantValue(std::size_t index) const override { return m_records[index].value; }
};
