#include "cli/StandardStreams.h"

void UseBinaryStandardStreams() {}
