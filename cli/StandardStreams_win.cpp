#include "cli/StandardStreams.h"

#include <cstdio>
#include <fcntl.h>
#include <io.h>

void UseBinaryStandardStreams() {
    _setmode(_fileno(stdin), _O_BINARY);
    _setmode(_fileno(stdout), _O_BINARY);
}
