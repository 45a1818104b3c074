#include "model/FileAccess.h"

#include <unistd.h>

bool FlushToDisk(std::FILE* file) { return std::fflush(file) == 0 && fsync(fileno(file)) == 0; }

std::FILE* OpenForWriting(const std::filesystem::path& file) { return std::fopen(file.c_str(), "wb"); }
std::FILE* OpenForReading(const std::filesystem::path& file) { return std::fopen(file.c_str(), "rb"); }
