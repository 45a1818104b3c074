#pragma once

// `orvane-cli wsp dump FILE` prints the workspace as JSON; `orvane-cli wsp write JSON OUT` makes
// a workspace file from JSON (a file, or - for standard input). Returns the exit status.
int RunWorkspaceCommand(int argc, char** argv);
