#include "cli/CliOutput.h"

#include <cmath>

int Fail(const char* command, int status, const std::string& message) {
    std::fprintf(stderr, "orvane-cli %s: %s\n", command, message.c_str());
    return status;
}

std::string ExactNumber(double value) {
    if (std::isnan(value))
        return "nan";
    if (std::isinf(value))
        return value > 0 ? "inf" : "-inf";
    char text[32];
    std::snprintf(text, sizeof text, "%.17g", value);
    return text;
}
