// Loads arbitrary bytes as a workspace file. Whatever it holds, the store must stay consistent:
// the records that were read are written back unchanged, the view state only loses values that
// could not be shown, and every record can be listed.
#include "model/GraphStore.h"
#include "model/WorkspaceImage.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

double DoubleAt(const std::vector<std::uint8_t>& image, std::size_t at) {
    double value;
    std::memcpy(&value, image.data() + at, sizeof value);
    return value;
}

// The view state's 15 doubles are written back as read, unless the value read was not finite
// (for the three speeds, also over a full turn a frame; for a range, either of its two ends):
// then a finite value takes its place.
bool ViewStateKept(const std::vector<std::uint8_t>& image, const std::vector<std::uint8_t>& again) {
    const std::size_t block = image.size() - PlotView::kStateSize;
    for (std::size_t k = 0; k < 15; ++k) {
        const std::size_t at = block + 8 * k;
        const double read = DoubleAt(image, at);
        bool showable = std::isfinite(read);
        if (k >= 6 && k < 9)
            showable = showable && std::fabs(read) <= 360;
        if (k >= 9)
            showable = showable && std::isfinite(DoubleAt(image, block + 8 * (9 + ((k - 9) ^ 1))));
        if (showable ? std::memcmp(image.data() + at, again.data() + at, 8) != 0
                     : !std::isfinite(DoubleAt(again, at)))
            return false;
    }
    return std::memcmp(image.data() + block + 120, again.data() + block + 120, 4) == 0;
}

} // namespace

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

    // A complete file comes back as it was, apart from the header text's bytes and the view
    // values the loader mends; a second load and save changes nothing more.
    const std::vector<std::uint8_t> again = EncodeWorkspace(store);
    if (complete) {
        const std::size_t records = again.size() - PlotView::kStateSize;
        if (again.size() > image.size() || std::memcmp(again.data() + 52, image.data() + 52, records - 52) != 0)
            std::abort();
        const std::vector<std::uint8_t> used(image.begin(), image.begin() + static_cast<long>(again.size()));
        if (!ViewStateKept(used, again))
            std::abort();
        GraphStore reloaded;
        if (!DecodeWorkspace(again.data(), again.size(), reloaded) || EncodeWorkspace(reloaded) != again)
            std::abort();
    }
    if (FromStoredBytes(ToStoredBytes(again).data(), ToStoredBytes(again).size()) != again)
        std::abort();
    return 0;
}
