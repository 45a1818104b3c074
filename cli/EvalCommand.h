#pragma once

// `orvane-cli eval`: binds the given constants and functions, then evaluates one expression,
// or every line of standard input, printing "VALUE ok" or "VALUE failed" per expression.
// Returns the exit status: 0 after evaluating, 2 on bad arguments.
int RunEvalCommand(int argc, char** argv);
