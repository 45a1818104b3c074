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
    for (const PlotBuffer& buffer : store.plot.Records()) {
        if (buffer.kind == kInequalityPlot) {
            // Every point of the group's grid, y outer: inside (1) or not.
            const InequalityRegion& region = buffer.region;
            for (int j = 0; j < region.size; ++j)
                for (int i = 0; i < region.size; ++i)
                    std::printf("%d %d %s %s 0 %d\n", buffer.kind, j * region.size + i,
                                ExactNumber(region.X(i)).c_str(), ExactNumber(region.Y(j)).c_str(),
                                region.inside[static_cast<std::size_t>(j) * region.size + i]);
            continue;
        }
        for (int i = 0; i < PlotBuffer::kSampleCount; ++i)
            std::printf("%d %d %s %s %s %d\n", buffer.kind, i, ExactNumber(buffer.x[i]).c_str(),
                        ExactNumber(buffer.y[i]).c_str(), ExactNumber(buffer.z[i]).c_str(), buffer.valid[i]);
    }
    return FinishOutput("sample", 0);
}
