#include "model/FileAccess.h"

#include <windows.h>

#include <io.h>

bool FlushToDisk(std::FILE* file) {
    if (std::fflush(file) != 0)
        return false;
    const auto handle = reinterpret_cast<HANDLE>(_get_osfhandle(_fileno(file)));
    return handle != INVALID_HANDLE_VALUE && FlushFileBuffers(handle) != 0;
}

std::FILE* OpenForWriting(const std::filesystem::path& file) { return _wfopen(file.c_str(), L"wb"); }
std::FILE* OpenForReading(const std::filesystem::path& file) { return _wfopen(file.c_str(), L"rb"); }
