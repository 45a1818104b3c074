#pragma once

#include <array>
#include <string>

using Vector3 = std::array<double, 3>;

// The whole result text of two vectors, in GBK with CRLF line ends: their lengths, their dot
// product and the angle between them. Vectors pointing the same or opposite ways, and a zero
// vector, are parallel and have no angle ("没有（即平行）"); a value that is not finite (an
// overflowing product, or a component typed as infinite) is "没有" (none).
std::string VectorCalculationText(const Vector3& a, const Vector3& b);
