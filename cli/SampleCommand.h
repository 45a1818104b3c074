#pragma once

// `orvane-cli sample FILE`: loads the workspace, rebuilds the plot as the program does at
// start-up and prints every sample of every plotted buffer, in list order, one per line:
// "KIND INDEX X Y Z VALID". Returns the exit status.
int RunSampleCommand(int argc, char** argv);
