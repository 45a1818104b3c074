#include "model/InequalityRegion.h"

#include "model/SampleRange.h"

int RegionGridSize(std::int32_t precision) {
    switch (precision) {
    case kPrecisionHigh:
        return 200;
    case kPrecisionLow:
        return 50;
    default:
        return 100;
    }
}

InequalityRegion RegionGrid(const InequalityGroup& group) {
    InequalityRegion region;
    region.size = RegionGridSize(group.precision);
    const auto range = [](double lower, double upper, double& from, double& to) {
        const bool unset = lower == 0.0 && upper == 0.0;
        from = unset ? -kDefaultHalfRange : lower;
        to = unset ? kDefaultHalfRange : upper;
    };
    range(group.xLower, group.xUpper, region.xLower, region.xUpper);
    range(group.yLower, group.yUpper, region.yLower, region.yUpper);
    region.inside.assign(static_cast<std::size_t>(region.size) * static_cast<std::size_t>(region.size), 0);
    return region;
}
