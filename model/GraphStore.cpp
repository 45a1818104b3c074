#include "model/GraphStore.h"

#include "model/WorkspaceImage.h"

#include <fstream>
#include <system_error>

namespace {

// Writes the bytes to a temporary file, checking every step, and renames it over `file`.
bool ReplaceFile(const std::filesystem::path& file, const std::vector<std::uint8_t>& bytes) {
    std::filesystem::path temporary = file;
    temporary += ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
        out.flush();
        out.close();
        if (!out) {
            std::error_code ignored;
            std::filesystem::remove(temporary, ignored);
            return false;
        }
    }
    std::error_code error;
    std::filesystem::rename(temporary, file, error); // replaces an existing file on every target
    if (error) {
        std::filesystem::remove(temporary, error);
        return false;
    }
    return true;
}

bool ReadFile(const std::filesystem::path& file, std::vector<std::uint8_t>& bytes) {
    std::ifstream in(file, std::ios::binary);
    if (!in)
        return false;
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
}

// Reads the file into the store and keeps the stored bytes it read.
WorkspaceLoad Read(const std::filesystem::path& file, GraphStore& store, std::vector<std::uint8_t>& stored) {
    std::error_code error;
    if (!std::filesystem::exists(file, error))
        return WorkspaceLoad::kMissing;
    if (!ReadFile(file, stored))
        return WorkspaceLoad::kIncomplete;
    const std::vector<std::uint8_t> image = FromStoredBytes(stored.data(), stored.size());
    return DecodeWorkspace(image.data(), image.size(), store) ? WorkspaceLoad::kComplete : WorkspaceLoad::kIncomplete;
}

} // namespace

bool GraphStore::SaveWorkspace(const std::filesystem::path& file) const {
    return ReplaceFile(file, ToStoredBytes(EncodeWorkspace(*this)));
}

WorkspaceLoad GraphStore::ReadWorkspace(const std::filesystem::path& file) {
    std::vector<std::uint8_t> stored;
    return Read(file, *this, stored);
}

WorkspaceLoad GraphStore::LoadWorkspace(const std::filesystem::path& file) {
    std::vector<std::uint8_t> stored;
    const WorkspaceLoad result = Read(file, *this, stored);
    // The copy goes through the same replace-by-rename as saving: copy_file does not replace an
    // existing copy on every target. A file that could not be read at all cannot be copied.
    if (result == WorkspaceLoad::kIncomplete && !stored.empty()) {
        std::filesystem::path backup = file;
        backup += ".bak";
        ReplaceFile(backup, stored);
    }
    return result;
}
