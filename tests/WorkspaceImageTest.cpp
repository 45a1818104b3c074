#include "model/WorkspaceImage.h"

#include "model/GraphStore.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

// A store with two records of every kind and a view that is not the default one.
GraphStore FullStore() {
    GraphStore store;
    for (const char* name : {"FA", "FB"}) {
        FunctionGraph f{};
        SetFieldText(f.name, name);
        SetFieldText(f.text, "cosx");
        f.colour = 0x00336699;
        store.functions.Append(f);
        ParametricGraph p{};
        SetFieldText(p.name, name);
        SetFieldText(p.text, "cost&sint&t");
        p.creatorKind = 2;
        store.parametrics.Append(p);
        InequalityGroup g{};
        SetFieldText(g.name, name);
        g.precision = kPrecisionLow;
        store.inequalities.Append(g);
        NamedConstant c{};
        SetFieldText(c.name, name);
        c.value = 9.8;
        store.constants.Append(c);
    }
    store.plot.view.mode = kLeftHanded;
    store.plot.view.angles[0] = 12.5;
    store.plot.view.ranges[5] = 42;
    return store;
}

TEST(WorkspaceImage, EmptyStoreIsHeaderAndViewBlock) {
    const Bytes image = EncodeWorkspace(GraphStore{});
    ASSERT_EQ(image.size(), 68u + 124u);
    EXPECT_STREQ(reinterpret_cast<const char*>(image.data()), "Workspace of Orvane");
    for (std::size_t i = sizeof kWorkspaceHeaderText; i < 68; ++i) // padding, then four zero counts
        EXPECT_EQ(image[i], 0) << i;
    std::int32_t mode;
    std::memcpy(&mode, image.data() + 68 + 120, 4);
    EXPECT_EQ(mode, kRightHanded);
}

TEST(WorkspaceImage, RoundTripsEveryRecordByteForByte) {
    GraphStore store = FullStore();
    // Bytes after a NUL and reserved fields travel unchanged.
    store.functions[0].text[100] = 'Z';
    store.functions[0].reserved = 77;
    store.constants[1].reserved[3] = 9;
    const Bytes image = EncodeWorkspace(store);
    EXPECT_EQ(image.size(), 68u + 2 * (248 + 248 + 264 + 32) + 124);

    GraphStore loaded;
    ASSERT_TRUE(DecodeWorkspace(image.data(), image.size(), loaded));
    EXPECT_EQ(EncodeWorkspace(loaded), image);
    EXPECT_EQ(loaded.plot.view.ranges[5], 42);

    // Loading appends to the lists, and the header text is not checked.
    Bytes renamed = image;
    std::memcpy(renamed.data(), "Something else entirely", 24);
    ASSERT_TRUE(DecodeWorkspace(renamed.data(), renamed.size(), loaded));
    EXPECT_EQ(loaded.functions.Size(), 4u);
}

// Every line feed is stored with a carriage return before it; reading takes off only those.
TEST(StoredBytes, EveryLineFeedIsStoredWithACarriageReturn) {
    const struct {
        Bytes stored;
        Bytes image;
        bool written; // whether storing the image gives these bytes back
    } cases[] = {
        {{0x0D, 0x0A}, {0x0A}, true},             {{0x0D, 0x0A, 0x41, 0x0D, 0x0A}, {0x0A, 0x41, 0x0A}, true},
        {{0x0D}, {0x0D}, true},                   {{0x0D, 0x0D, 0x0A}, {0x0D, 0x0A}, true},
        {{0x1A, 0x41}, {0x1A, 0x41}, true}, // 0x1A is data, not an end
        {{0x0A}, {0x0A}, false},                  {{0x0A, 0x0D}, {0x0A, 0x0D}, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FromStoredBytes(c.stored.data(), c.stored.size()), c.image);
        if (c.written) {
            EXPECT_EQ(ToStoredBytes(c.image), c.stored);
        }
    }
}

// Cut anywhere or given impossible counts, a file loads its complete records only.
TEST(WorkspaceImage, DamagedImagesKeepWhatIsComplete) {
    const GraphStore full = FullStore();
    const Bytes image = EncodeWorkspace(full);
    const std::size_t functionsEnd = 68 + 2 * 248;
    const std::size_t parametricsEnd = functionsEnd + 2 * 248;
    const std::size_t recordsEnd = parametricsEnd + 2 * 264 + 2 * 32;
    const struct {
        std::size_t cut;
        std::size_t functions, parametrics, inequalities, constants;
        bool view;
    } cuts[] = {
        {0, 0, 0, 0, 0, false}, {67, 0, 0, 0, 0, false}, {68, 0, 0, 0, 0, false},
        {68 + 247, 0, 0, 0, 0, false}, {68 + 248, 1, 0, 0, 0, false}, {functionsEnd + 1, 2, 0, 0, 0, false},
        {parametricsEnd + 264, 2, 2, 1, 0, false}, {recordsEnd, 2, 2, 2, 2, false},
        {recordsEnd + 123, 2, 2, 2, 2, false}, {recordsEnd + 124, 2, 2, 2, 2, true},
    };
    for (const auto& c : cuts) {
        GraphStore store;
        const bool complete = DecodeWorkspace(image.data(), c.cut, store);
        EXPECT_EQ(complete, c.view) << c.cut;
        EXPECT_EQ(store.functions.Size(), c.functions) << c.cut;
        EXPECT_EQ(store.parametrics.Size(), c.parametrics) << c.cut;
        EXPECT_EQ(store.inequalities.Size(), c.inequalities) << c.cut;
        EXPECT_EQ(store.constants.Size(), c.constants) << c.cut;
        EXPECT_EQ(store.plot.view.mode, c.view ? kLeftHanded : kRightHanded) << c.cut;
    }

    // A count larger than the file takes as many whole records as the rest of the file holds.
    const std::size_t rest = image.size() - 68;
    const struct {
        std::int32_t counts[4];
        std::size_t functions, parametrics;
        bool complete;
    } counts[] = {
        {{2, 2, 2, 2}, 2, 2, true}, {{2000000000, 2, 2, 2}, rest / 248, 0, false},
        {{2, 100, 2, 2}, 2, (rest - 2 * 248) / 248, false},
        {{-1, 2, 2, 2}, 0, 2, false}, // counts as none: the parametrics are read from the functions' bytes
        {{-2147483647 - 1, 0, 0, 0}, 0, 0, false},
    };
    for (const auto& c : counts) {
        Bytes damaged = image;
        std::memcpy(damaged.data() + 52, c.counts, sizeof c.counts);
        GraphStore store;
        EXPECT_EQ(DecodeWorkspace(damaged.data(), damaged.size(), store), c.complete) << c.counts[0];
        EXPECT_EQ(store.functions.Size(), c.functions) << c.counts[0];
        EXPECT_EQ(store.parametrics.Size(), c.parametrics) << c.counts[0];
    }
}

} // namespace
