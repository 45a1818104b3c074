#include "mainwin/StatusTexts.h"

#include "glui/ScreenLayout.h"

#include <cstdio>

namespace {

constexpr int kOutsideAreasHelp = 10;

template <typename... Values>
std::string Format(const char* format, Values... values) {
    char text[96];
    std::snprintf(text, sizeof text, format, values...);
    return text;
}

} // namespace

std::array<std::string, 3> RotationLabelTexts(const double* rotation) {
    std::array<std::string, 3> lines;
    for (int axis = 0; axis < 3; ++axis)
        lines[axis] = Format("%.2f / %.2f", rotation[axis], rotation[axis + 3]);
    return lines;
}

std::array<std::string, 3> RangeLabelTexts(const double* ranges) {
    std::array<std::string, 3> lines;
    for (int axis = 0; axis < 3; ++axis)
        lines[axis] = Format("%.3f-%.3f", ranges[2 * axis], ranges[2 * axis + 1]);
    return lines;
}

std::array<std::string, 3> PositionLabelTexts(const double* position) {
    std::array<std::string, 3> lines;
    for (int axis = 0; axis < 3; ++axis)
        lines[axis] = Format("%.3f", position[axis]);
    return lines;
}

int HelpStringId(int x, int y) {
    const std::optional<ScreenArea> area = AreaAt(x, y);
    return area ? static_cast<int>(*area) + 1 : kOutsideAreasHelp;
}
