#include "model/GraphStore.h"

#include "model/FileAccess.h"
#include "model/WorkspaceImage.h"

#include <cstdio>
#include <system_error>

namespace {

// Writes the bytes to a temporary file, checking every step and flushing it to the disk, and
// renames it over `file`.
bool ReplaceFile(const std::filesystem::path& file, const std::vector<std::uint8_t>& bytes) {
    std::filesystem::path temporary = file;
    temporary += ".tmp";
    std::FILE* out = OpenForWriting(temporary);
    if (out == nullptr)
        return false;
    const bool written = bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), out) == bytes.size();
    const bool flushed = written && FlushToDisk(out);
    const bool closed = std::fclose(out) == 0;
    std::error_code error;
    if (!(flushed && closed)) {
        std::filesystem::remove(temporary, error);
        return false;
    }
    std::filesystem::rename(temporary, file, error); // replaces an existing file on every target
    if (error) {
        std::filesystem::remove(temporary, error);
        return false;
    }
    return true;
}

enum class FileRead { kWhole, kMissing, kError };

FileRead ReadFile(const std::filesystem::path& file, std::vector<std::uint8_t>& bytes) {
    std::error_code error;
    if (!std::filesystem::exists(file, error))
        return error ? FileRead::kError : FileRead::kMissing;
    std::FILE* in = OpenForReading(file);
    if (in == nullptr)
        return FileRead::kError;
    // fread stops at an error as at the end; ferror tells them apart.
    std::uint8_t block[65536];
    std::size_t count = 0;
    while ((count = std::fread(block, 1, sizeof block, in)) > 0)
        bytes.insert(bytes.end(), block, block + count);
    const bool failed = std::ferror(in) != 0;
    std::fclose(in);
    return failed ? FileRead::kError : FileRead::kWhole;
}

// Reads the file into the store and keeps the stored bytes it read.
WorkspaceLoad Read(const std::filesystem::path& file, GraphStore& store, std::vector<std::uint8_t>& stored) {
    const FileRead read = ReadFile(file, stored);
    if (read == FileRead::kMissing)
        return WorkspaceLoad::kMissing;
    const std::vector<std::uint8_t> image = FromStoredBytes(stored.data(), stored.size());
    const bool complete = DecodeWorkspace(image.data(), image.size(), store);
    if (read == FileRead::kError)
        return WorkspaceLoad::kReadError;
    return complete ? WorkspaceLoad::kComplete : WorkspaceLoad::kIncomplete;
}

} // namespace

bool GraphStore::SaveWorkspace(const std::filesystem::path& file) const {
    return ReplaceFile(file, ToStoredBytes(EncodeWorkspace(*this)));
}

WorkspaceLoad GraphStore::ReadWorkspace(const std::filesystem::path& file) {
    std::vector<std::uint8_t> stored;
    return Read(file, *this, stored);
}

GraphStore::Loaded GraphStore::LoadWorkspace(const std::filesystem::path& file) {
    std::vector<std::uint8_t> stored;
    const WorkspaceLoad status = Read(file, *this, stored);
    if (status != WorkspaceLoad::kIncomplete)
        return {status, false};
    // The copy goes through the same replace-by-rename as saving: copy_file does not replace an
    // existing copy on every target. It counts only once it reads back identical.
    std::filesystem::path backup = file;
    backup += ".bak";
    std::vector<std::uint8_t> again;
    const bool backedUp =
        ReplaceFile(backup, stored) && ReadFile(backup, again) == FileRead::kWhole && again == stored;
    return {status, backedUp};
}

std::filesystem::path GraphStore::FreeNameBeside(const std::filesystem::path& file) {
    for (int n = 1;; ++n) {
        std::filesystem::path candidate = file;
        candidate.replace_filename(file.stem().string() + "-" + std::to_string(n) +
                                   file.extension().string());
        std::error_code error;
        if (!std::filesystem::exists(candidate, error))
            return candidate;
    }
}
