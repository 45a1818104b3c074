#include "model/GraphStore.h"

#include "model/WorkspaceImage.h"

#include <gtest/gtest.h>

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
    EXPECT_EQ(loaded.LoadWorkspace(file), WorkspaceLoad::kComplete);
    EXPECT_EQ(EncodeWorkspace(loaded), EncodeWorkspace(saved));
    EXPECT_FALSE(fs::exists(folder / "Default.wsp.bak"));
}

TEST_F(WorkspaceFile, AMissingFileLoadsNothing) {
    GraphStore store;
    EXPECT_EQ(store.LoadWorkspace(file), WorkspaceLoad::kMissing);
    EXPECT_TRUE(store.functions.Empty());
    EXPECT_EQ(store.plot.view.position[1], -2.5);
    EXPECT_FALSE(fs::exists(folder / "Default.wsp.bak"));
}

TEST_F(WorkspaceFile, AnIncompleteFileIsKeptAsBak) {
    Bytes stored = ToStoredBytes(EncodeWorkspace(StoreWithOneFunction()));
    stored.resize(stored.size() - 10);
    Write(file, stored);
    Write(folder / "Default.wsp.bak", {1, 2, 3}); // an older copy is replaced

    GraphStore store;
    EXPECT_EQ(store.LoadWorkspace(file), WorkspaceLoad::kIncomplete);
    EXPECT_EQ(store.functions.Size(), 1u);
    EXPECT_EQ(store.plot.view.mode, kRightHanded); // the view block was cut
    EXPECT_EQ(Read(folder / "Default.wsp.bak"), stored);

    // Reading alone leaves no copy behind.
    fs::remove(folder / "Default.wsp.bak");
    GraphStore reader;
    EXPECT_EQ(reader.ReadWorkspace(file), WorkspaceLoad::kIncomplete);
    EXPECT_FALSE(fs::exists(folder / "Default.wsp.bak"));
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
