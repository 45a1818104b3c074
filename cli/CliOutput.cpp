#include "cli/CliOutput.h"

#include "model/GraphStore.h"

#include <cmath>

int Fail(const char* command, int status, const std::string& message) {
    std::fprintf(stderr, "orvane-cli %s: %s\n", command, message.c_str());
    return status;
}

int FinishOutput(const char* command, int status) {
    if (std::fflush(stdout) != 0 || std::ferror(stdout) != 0)
        return Fail(command, 1, "cannot write to standard output");
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

bool ReadWorkspaceFor(const char* command, const char* file, GraphStore& store) {
    switch (store.ReadWorkspace(file)) {
    case WorkspaceLoad::kMissing:
        Fail(command, 1, std::string("cannot find ") + file);
        return false;
    case WorkspaceLoad::kIncomplete:
        std::fprintf(stderr, "orvane-cli %s: %s is incomplete; using what could be read\n", command, file);
        break;
    case WorkspaceLoad::kReadError:
        std::fprintf(stderr, "orvane-cli %s: %s could not be read to its end; using what could be read\n",
                     command, file);
        break;
    case WorkspaceLoad::kComplete:
        break;
    }
    return true;
}
