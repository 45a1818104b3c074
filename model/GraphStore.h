#pragma once

#include "model/ConstantTable.h"
#include "model/FunctionGraphList.h"
#include "model/InequalityGroupList.h"
#include "model/ParametricGraphList.h"
#include "model/PlotView.h"

#include <filesystem>

// The workspace file in the current directory, read at start-up and written at exit.
constexpr char kWorkspaceFileName[] = "Default.wsp";

enum class WorkspaceLoad {
    kMissing,    // no file: nothing loaded
    kComplete,   // the whole file was read
    kIncomplete, // the file ended early, held impossible counts or could not be read: only its
                 // complete records were loaded, and a copy of it was kept beside it as ".bak"
};

// The document: the plot view's state, the named constants and the three graph lists. Pages
// edit it in place; it lives as long as the application.
class GraphStore {
public:
    PlotView plot;
    ConstantTable constants;
    InequalityGroupList inequalities;
    ParametricGraphList parametrics;
    FunctionGraphList functions;

    // Writes the whole store to a temporary file beside `file`, then renames it over `file`: a
    // failed save (reported by false) leaves the old file as it was.
    bool SaveWorkspace(const std::filesystem::path& file) const;

    // Appends the file's records to the lists (which are not emptied first) and reads the view
    // state. A file not read completely is first copied to `file` + ".bak" (replacing an older
    // copy), since the next save will overwrite it.
    WorkspaceLoad LoadWorkspace(const std::filesystem::path& file);

    // The same without the copy, for readers that will not save over the file.
    WorkspaceLoad ReadWorkspace(const std::filesystem::path& file);
};
