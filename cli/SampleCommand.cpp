#include "cli/SampleCommand.h"

#include "cli/CliOutput.h"
#include "mainwin/PlotRebuild.h"
#include "model/GraphStore.h"

#include <cstdio>
#include <string>

int RunSampleCommand(int argc, char** argv) {
    if (argc != 1)
        return Fail("sample", 2, "wants exactly one workspace file");
    GraphStore store;
    switch (store.ReadWorkspace(argv[0])) {
    case WorkspaceLoad::kMissing:
        return Fail("sample", 1, std::string("cannot find ") + argv[0]);
    case WorkspaceLoad::kIncomplete:
        std::fprintf(stderr, "orvane-cli sample: %s is incomplete; sampling what could be read\n", argv[0]);
        break;
    case WorkspaceLoad::kComplete:
        break;
    }
    RebuildPlot(store);
    for (const PlotBuffer& buffer : store.plot.Records())
        for (int i = 0; i < PlotBuffer::kSampleCount; ++i)
            std::printf("%d %d %s %s %s %d\n", buffer.kind, i, ExactNumber(buffer.x[i]).c_str(),
                        ExactNumber(buffer.y[i]).c_str(), ExactNumber(buffer.z[i]).c_str(), buffer.valid[i]);
    return 0;
}
