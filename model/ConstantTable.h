#pragma once

#include "model/GraphRecords.h"
#include "model/RecordList.h"

// The named constants, written "$name" in expressions; replaced in table order.
class ConstantTable : public RecordList<NamedConstant> {};
