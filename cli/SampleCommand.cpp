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
    if (!ReadWorkspaceFor("sample", argv[0], store))
        return 1;
    RebuildPlot(store);
    for (const PlotBuffer& buffer : store.plot.Records())
        for (int i = 0; i < PlotBuffer::kSampleCount; ++i)
            std::printf("%d %d %s %s %s %d\n", buffer.kind, i, ExactNumber(buffer.x[i]).c_str(),
                        ExactNumber(buffer.y[i]).c_str(), ExactNumber(buffer.z[i]).c_str(), buffer.valid[i]);
    return FinishOutput("sample", 0);
}
