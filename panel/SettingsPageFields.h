#pragma once

#include "model/ViewState.h"
#include "panel/RecordFields.h"

// The fields of the pages that edit the plot view's state, each listed once for showing the state
// and reading it back.
const RecordFields<ViewState>& CoordinatePageFields(); // the six axis ranges, "%g"
const RecordFields<ViewState>& RotationPageFields();   // angles then speeds, "%.2f"
const RecordFields<ViewState>& PositionPageFields();   // the origin, "%g"

// Stores the ranges typed on the coordinate page, `shown` being the view the boxes were filled
// from (a box left as it was keeps its value exactly): each axis whose two boxes hold finite
// numbers, the start below the end; any other axis keeps its range. Returns how many axes were
// refused.
int StoreTypedAxisRanges(const PageForm& form, const ViewState& shown, ViewState& view);
