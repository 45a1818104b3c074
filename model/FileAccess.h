#pragma once

#include <cstdio>
#include <filesystem>

// The file steps the workspace file needs that each system does its own way.

// Opens a file for reading bytes, or for writing them (creating or truncating it); null when it
// cannot. Names outside the ANSI code page work on Windows too.
std::FILE* OpenForReading(const std::filesystem::path& file);
std::FILE* OpenForWriting(const std::filesystem::path& file);

// Writes the stream's buffer out and waits until the system has the bytes on the disk (fsync,
// or FlushFileBuffers on Windows): a file renamed into place after this survives a power loss
// with its contents, instead of as an empty file. False when either step fails.
bool FlushToDisk(std::FILE* file);
