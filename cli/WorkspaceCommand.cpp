#include "cli/WorkspaceCommand.h"

#include "cli/CliOutput.h"
#include "cli/WorkspaceJson.h"
#include "model/GraphStore.h"

#include <cstdio>
#include <cstring>
#include <fstream>
#include <iostream>
#include <string>

namespace {

int Dump(const char* file) {
    GraphStore store;
    if (!ReadWorkspaceFor("wsp dump", file, store))
        return 1;
    const std::string text = WorkspaceToJson(store).dump(2) + "\n";
    std::fwrite(text.data(), 1, text.size(), stdout);
    return FinishOutput("wsp dump", 0);
}

int Write(const char* jsonFile, const char* outFile) {
    nlohmann::json json;
    try {
        if (std::strcmp(jsonFile, "-") == 0) {
            json = nlohmann::json::parse(std::cin);
        } else {
            std::ifstream in(jsonFile, std::ios::binary);
            if (!in)
                return Fail("wsp write", 1, std::string("cannot read ") + jsonFile);
            json = nlohmann::json::parse(in);
        }
    } catch (const nlohmann::json::parse_error& error) {
        return Fail("wsp write", 2, std::string(jsonFile) + " is not JSON: " + error.what());
    }
    GraphStore store;
    std::string error;
    // A document that says what no workspace can hold is bad input, like a bad argument.
    if (!WorkspaceFromJson(json, store, error))
        return Fail("wsp write", 2, std::string(jsonFile) + ": " + error);
    if (!store.SaveWorkspace(outFile))
        return Fail("wsp write", 1, std::string("cannot write ") + outFile);
    return 0;
}

} // namespace

int RunWorkspaceCommand(int argc, char** argv) {
    if (argc == 2 && std::strcmp(argv[0], "dump") == 0)
        return Dump(argv[1]);
    if (argc == 3 && std::strcmp(argv[0], "write") == 0)
        return Write(argv[1], argv[2]);
    return Fail("wsp", 2, "wants 'dump FILE' or 'write JSON OUT'");
}
