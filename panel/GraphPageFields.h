#pragma once

#include "model/GraphRecords.h"
#include "panel/RecordFields.h"

// The fields of the three graph pages, each listed once for showing a record and reading it back.
const RecordFields<FunctionGraph>& FunctionPageFields();
const RecordFields<ParametricGraph>& ParametricPageFields();
const RecordFields<InequalityGroup>& InequalityPageFields();
