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
    kIncomplete, // the file was read to its end, but it ended early or held impossible counts:
                 // only its complete records were loaded
    kReadError,  // the file is there but could not be opened or read to its end: the complete
                 // records of what was read were loaded
};

// The document: the plot view's state, the named constants and the three graph lists. Pages
// edit it in place; it lives as long as the application.
class GraphStore {
public:
    // What LoadWorkspace found, and whether the file's bytes were kept in file + ".bak".
    struct Loaded {
        WorkspaceLoad status;
        bool backedUp;
        // A file not used whole, whose bytes are nowhere else: it must not be saved over.
        bool MustKeepFile() const {
            return (status == WorkspaceLoad::kIncomplete || status == WorkspaceLoad::kReadError) && !backedUp;
        }
    };

    PlotView plot;
    ConstantTable constants;
    InequalityGroupList inequalities;
    ParametricGraphList parametrics;
    FunctionGraphList functions;

    // Writes the whole store to a temporary file beside `file`, flushes it to the disk, then
    // renames it over `file`: a failed save (reported by false) leaves the old file as it was.
    bool SaveWorkspace(const std::filesystem::path& file) const;

    // Appends the file's records to the lists (which are not emptied first) and reads the view
    // state. A file read to its end but not usable whole is first copied to `file` + ".bak"
    // (replacing an older copy) and the copy read back, since the next save will overwrite the
    // file. A file that could not be read to its end is never copied: what was read is not all
    // of it, and an older copy may be better.
    Loaded LoadWorkspace(const std::filesystem::path& file);

    // The same without the copy, for readers that will not save over the file.
    WorkspaceLoad ReadWorkspace(const std::filesystem::path& file);

    // A name beside `file` that no file has: "Default-1.wsp", "Default-2.wsp" and so on.
    static std::filesystem::path FreeNameBeside(const std::filesystem::path& file);
};
