// Loads arbitrary bytes as a workspace file. Whatever it holds, the store must stay consistent:
// what was read is written back unchanged, and every record can be listed.
#include "model/GraphStore.h"
#include "model/WorkspaceImage.h"

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<std::uint8_t> image = FromStoredBytes(data, size);
    GraphStore store;
    const bool complete = DecodeWorkspace(image.data(), image.size(), store);

    for (std::size_t i = 0; i < store.functions.Size(); ++i)
        store.functions.FormatListText(i);
    for (std::size_t i = 0; i < store.parametrics.Size(); ++i)
        store.parametrics.FormatListText(i);
    for (std::size_t i = 0; i < store.inequalities.Size(); ++i)
        store.inequalities.FormatListText(i);

    // A complete file comes back as it was, apart from the header text's bytes.
    const std::vector<std::uint8_t> again = EncodeWorkspace(store);
    if (complete && (again.size() > image.size() ||
                     std::memcmp(again.data() + 52, image.data() + 52, again.size() - 52) != 0))
        std::abort();
    if (FromStoredBytes(ToStoredBytes(again).data(), ToStoredBytes(again).size()) != again)
        std::abort();
    return 0;
}
