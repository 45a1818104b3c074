#pragma once

#include <cstdio>
#include <string>

class GraphStore;

// Prints a message for the user on standard error, prefixed with the program and command, and
// returns the exit status to give: 1 for a file that could not be used, 2 for bad arguments.
int Fail(const char* command, int status, const std::string& message);

// The exit status of a command that printed its result: `status`, or 1 with a message when
// standard output did not take everything (a full disk, a closed pipe, /dev/full).
int FinishOutput(const char* command, int status);

// "%.17g" of a double, the same on every build: not-a-number is "nan" whatever its sign.
std::string ExactNumber(double value);

// Reads a workspace file into the store for a command. A missing file is a failure, said on
// standard error; an incomplete one is used as far as it could be read, with a warning.
bool ReadWorkspaceFor(const char* command, const char* file, GraphStore& store);
