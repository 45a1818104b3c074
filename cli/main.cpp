// orvane-cli: the portable core of Orvane from the command line, for scripts and tests.
#include "cli/EvalCommand.h"
#include "cli/SampleCommand.h"
#include "cli/StandardStreams.h"
#include "cli/WorkspaceCommand.h"

#include <cstdio>
#include <cstring>

namespace {

const char kUsage[] =
    "usage: orvane-cli eval [--workspace FILE] [--const NAME=VALUE]... [--func NAME:y=TEXT | --func NAME:x=TEXT]... EXPR\n"
    "       orvane-cli eval [options] -     (one expression per line of standard input)\n"
    "       orvane-cli sample FILE          (every sample of every plotted graph)\n"
    "       orvane-cli wsp dump FILE        (the workspace as JSON)\n"
    "       orvane-cli wsp write JSON OUT   (a workspace from JSON; - reads standard input)\n";

} // namespace

int main(int argc, char** argv) {
    UseBinaryStandardStreams();
    if (argc >= 2 && std::strcmp(argv[1], "eval") == 0)
        return RunEvalCommand(argc - 2, argv + 2);
    if (argc >= 2 && std::strcmp(argv[1], "sample") == 0)
        return RunSampleCommand(argc - 2, argv + 2);
    if (argc >= 2 && std::strcmp(argv[1], "wsp") == 0)
        return RunWorkspaceCommand(argc - 2, argv + 2);
    std::fputs(kUsage, stderr);
    return 2;
}
