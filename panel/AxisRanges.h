#pragma once

// The coordinate page's check of the axis ranges typed into its six boxes.

// Whether an axis may run from start to end: both finite and start below end.
bool IsValidAxisRange(double start, double end);

// Writes every valid axis of the typed values (x start, x end, y start, y end, z start, z end)
// into the ranges, in the same order; an invalid axis keeps its range. Returns how many axes were
// refused: the page shows its message once for each.
int StoreAxisRanges(const double (&typed)[6], double (&ranges)[6]);
