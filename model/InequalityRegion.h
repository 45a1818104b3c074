#pragma once

#include "model/GraphRecords.h"

#include <cstdint>
#include <vector>

// Where an inequality group holds: its ranges sampled at the cell centres of an N x N grid, and
// for each grid point whether every inequality holds there. Point (i, j) lies at
// x = ((xUpper - xLower)(i + 0.5)) / N + xLower, and likewise y with j.
struct InequalityRegion {
    int size = 0; // N; 0 for a group whose text cannot be read
    double xLower = 0.0;
    double xUpper = 0.0;
    double yLower = 0.0;
    double yUpper = 0.0;
    std::vector<std::uint8_t> inside; // point (i, j) at j * N + i: 1 inside, 0 outside

    double X(int i) const { return (xUpper - xLower) * (i + 0.5) / size + xLower; }
    double Y(int j) const { return (yUpper - yLower) * (j + 0.5) / size + yLower; }
};

// Points along each axis for a precision: 200 for high, 100 for medium, 50 for low, and 100 for
// any other value a file may hold.
int RegionGridSize(std::int32_t precision);

// An empty region on the group's grid: its ranges (a range of 0 to 0 is -10 to 10, a reversed one
// stays) and N x N points, none inside yet.
InequalityRegion RegionGrid(const InequalityGroup& group);
