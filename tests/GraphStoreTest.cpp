#include "model/GraphStore.h"

#include "model/FileAccess.h"
#include "model/WorkspaceImage.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

class WorkspaceFile : public ::testing::Test {
protected:
    void SetUp() override {
        folder = fs::temp_directory_path() / ("orvane-test-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                                              "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(folder);
        fs::create_directories(folder);
        file = folder / kWorkspaceFileName;
    }
    void TearDown() override { fs::remove_all(folder); }

    static Bytes Read(const fs::path& path) {
        std::ifstream in(path, std::ios::binary);
        return Bytes(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    static void Write(const fs::path& path, const Bytes& bytes) {
        std::ofstream out(path, std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    }
    static GraphStore StoreWithOneFunction() {
        GraphStore store;
        FunctionGraph f{};
        f.colour = 0x0A0A0A; // stored with carriage returns
        store.functions.Append(f);
        store.plot.view.mode = kPlane;
        return store;
    }

    fs::path folder;
    fs::path file;
};

TEST_F(WorkspaceFile, SavesWithLineEndTranslationAndLoadsBack) {
    const GraphStore saved = StoreWithOneFunction();
    ASSERT_TRUE(saved.SaveWorkspace(file));
    EXPECT_EQ(Read(file), ToStoredBytes(EncodeWorkspace(saved)));
    EXPECT_FALSE(fs::exists(folder / "Default.wsp.tmp"));

    GraphStore loaded;
    EXPECT_EQ(loaded.LoadWorkspace(file).status, WorkspaceLoad::kComplete);
    EXPECT_EQ(EncodeWorkspace(loaded), EncodeWorkspace(saved));
    EXPECT_FALSE(fs::exists(folder / "Default.wsp.bak"));
}

TEST_F(WorkspaceFile, AMissingFileLoadsNothing) {
    GraphStore store;
    EXPECT_EQ(store.LoadWorkspace(file).status, WorkspaceLoad::kMissing);
    EXPECT_TRUE(store.functions.Empty());
    EXPECT_EQ(store.plot.view.position[1], -2.5);
    EXPECT_FALSE(fs::exists(folder / "Default.wsp.bak"));
}

TEST_F(WorkspaceFile, AnIncompleteFileIsKeptAsBak) {
    Bytes cut = ToStoredBytes(EncodeWorkspace(StoreWithOneFunction()));
    cut.resize(cut.size() - 10);
    // A file cut short and an empty file are both read to their end and copied whole.
    for (const Bytes& stored : {cut, Bytes{}}) {
        Write(file, stored);
        Write(folder / "Default.wsp.bak", {1, 2, 3}); // an older copy is replaced
        GraphStore store;
        const GraphStore::Loaded loaded = store.LoadWorkspace(file);
        EXPECT_EQ(loaded.status, WorkspaceLoad::kIncomplete);
        EXPECT_TRUE(loaded.backedUp);
        EXPECT_FALSE(loaded.MustKeepFile());
        EXPECT_EQ(store.functions.Size(), stored.empty() ? 0u : 1u);
        EXPECT_EQ(store.plot.view.mode, kRightHanded); // the view block was cut
        EXPECT_EQ(Read(folder / "Default.wsp.bak"), stored);
    }

    // Reading alone leaves no copy behind.
    fs::remove(folder / "Default.wsp.bak");
    GraphStore reader;
    EXPECT_EQ(reader.ReadWorkspace(file), WorkspaceLoad::kIncomplete);
    EXPECT_FALSE(fs::exists(folder / "Default.wsp.bak"));
}

// When the copy cannot be made, the load says so: the file must then stay as it is.
TEST_F(WorkspaceFile, AnIncompleteFileWithoutACopyMustBeKept) {
    const Bytes stored = {1, 2, 3};
    Write(file, stored);
    fs::create_directory(folder / "Default.wsp.bak"); // no copy can be renamed over a folder
    fs::create_directory(folder / "Default.wsp.bak" / "inside");
    GraphStore store;
    const GraphStore::Loaded loaded = store.LoadWorkspace(file);
    EXPECT_EQ(loaded.status, WorkspaceLoad::kIncomplete);
    EXPECT_FALSE(loaded.backedUp);
    EXPECT_TRUE(loaded.MustKeepFile());
    EXPECT_EQ(Read(file), stored);
}

// A file that cannot be read to its end (here a folder in its place) is a read error, not a short
// file: what was read is not all of it, so no copy replaces an older one and it must be kept.
TEST_F(WorkspaceFile, AReadErrorIsToldApartAndNeverCopied) {
    fs::create_directory(file);
    Write(folder / "Default.wsp.bak", {1, 2, 3});
    GraphStore store;
    const GraphStore::Loaded loaded = store.LoadWorkspace(file);
    EXPECT_EQ(loaded.status, WorkspaceLoad::kReadError);
    EXPECT_TRUE(loaded.MustKeepFile());
    EXPECT_EQ(Read(folder / "Default.wsp.bak"), (Bytes{1, 2, 3}));
    EXPECT_TRUE(fs::is_directory(file));
}

TEST_F(WorkspaceFile, AFreeNameBesideTheFileIsNumbered) {
    EXPECT_EQ(GraphStore::FreeNameBeside(file), folder / "Default-1.wsp");
    Write(folder / "Default-1.wsp", {});
    Write(folder / "Default-2.wsp", {});
    EXPECT_EQ(GraphStore::FreeNameBeside(file), folder / "Default-3.wsp");
}

// The safe save waits for the disk; a flush that cannot reach it is a failed save.
TEST(FileSync, AFlushThatCannotReachTheDiskFails) {
    const fs::path file = fs::temp_directory_path() / "orvane-test-flush.bin";
    std::FILE* out = OpenForWriting(file);
    ASSERT_NE(out, nullptr);
    std::fputs("bytes", out);
    EXPECT_TRUE(FlushToDisk(out));
    std::fclose(out);
    EXPECT_EQ(fs::file_size(file), 5u);
    fs::remove(file);
    if (!fs::exists("/dev/full"))
        GTEST_SKIP() << "no device that is always full";
    out = OpenForWriting("/dev/full");
    ASSERT_NE(out, nullptr);
    std::fputs("bytes", out);
    EXPECT_FALSE(FlushToDisk(out));
    std::fclose(out);
}

TEST_F(WorkspaceFile, AFailedSaveKeepsTheOldFile) {
    const Bytes old = ToStoredBytes(EncodeWorkspace(StoreWithOneFunction()));
    Write(file, old);
    // The temporary file cannot be made where a folder of its name stands.
    fs::create_directory(folder / "Default.wsp.tmp");
    fs::create_directory(folder / "Default.wsp.tmp" / "inside");
    const GraphStore empty;
    EXPECT_FALSE(empty.SaveWorkspace(file));
    EXPECT_EQ(Read(file), old);
    EXPECT_FALSE(empty.SaveWorkspace(folder / "no such folder" / kWorkspaceFileName));
}

} // namespace
