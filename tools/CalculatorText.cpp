#include "tools/CalculatorText.h"

#include "expr/NumberText.h"

#include <cmath>
#include <numbers>

namespace {

constexpr char kColon[] = "\xA3\xBA"; // ： in GBK

} // namespace

std::string GeneralOrNone(double value) {
    return std::isfinite(value) ? GeneralNumberText(value) : kNoValueText;
}

std::string TwoDecimalsOrNone(double value) {
    return std::isfinite(value) ? FixedNumberText(value, 2) : kNoValueText;
}

double Degrees(double radians) {
    return radians * (180.0 / std::numbers::pi);
}

std::string ResultSection(std::string_view heading, std::initializer_list<std::string_view> lines) {
    std::string section(heading);
    section += kColon;
    section += "\r\n";
    for (std::string_view line : lines) {
        section += "  ";
        section += line;
        section += "\r\n";
    }
    section += "\r\n";
    return section;
}
