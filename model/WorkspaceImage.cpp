#include "model/WorkspaceImage.h"

#include "model/GraphStore.h"

#include <algorithm>
#include <cstring>

namespace {

void Append(std::vector<std::uint8_t>& image, const void* data, std::size_t size) {
    const std::size_t at = image.size();
    image.resize(at + size);
    std::memcpy(image.data() + at, data, size);
}

template <typename List>
void AppendRecords(std::vector<std::uint8_t>& image, const List& list) {
    for (const auto& record : list)
        Append(image, &record, sizeof record);
}

// Reads up to `count` records from the image; true if all of them were there.
template <typename List>
bool ReadRecords(const std::uint8_t* image, std::size_t size, std::size_t& position, std::int32_t count,
                 List& list) {
    using Record = std::remove_cvref_t<decltype(list[0])>;
    const std::size_t available = (size - position) / sizeof(Record);
    const std::size_t wanted = count > 0 ? static_cast<std::size_t>(count) : 0;
    const std::size_t taken = std::min(wanted, available);
    for (std::size_t i = 0; i < taken; ++i, position += sizeof(Record)) {
        Record record;
        std::memcpy(&record, image + position, sizeof record);
        list.Append(record);
    }
    return taken == wanted;
}

} // namespace

std::vector<std::uint8_t> EncodeWorkspace(const GraphStore& store) {
    std::vector<std::uint8_t> image;
    image.reserve(kWorkspaceHeaderSize + store.functions.Size() * sizeof(FunctionGraph) +
                  store.parametrics.Size() * sizeof(ParametricGraph) +
                  store.inequalities.Size() * sizeof(InequalityGroup) +
                  store.constants.Size() * sizeof(NamedConstant) + PlotView::kStateSize);
    char header[52] = {};
    std::memcpy(header, kWorkspaceHeaderText, sizeof kWorkspaceHeaderText);
    Append(image, header, sizeof header);
    const std::int32_t counts[4] = {
        static_cast<std::int32_t>(store.functions.Size()), static_cast<std::int32_t>(store.parametrics.Size()),
        static_cast<std::int32_t>(store.inequalities.Size()), static_cast<std::int32_t>(store.constants.Size())};
    Append(image, counts, sizeof counts);
    AppendRecords(image, store.functions);
    AppendRecords(image, store.parametrics);
    AppendRecords(image, store.inequalities);
    AppendRecords(image, store.constants);
    std::uint8_t state[PlotView::kStateSize];
    store.plot.WriteState(state);
    Append(image, state, sizeof state);
    return image;
}

bool DecodeWorkspace(const std::uint8_t* image, std::size_t size, GraphStore& store) {
    if (size < kWorkspaceHeaderSize)
        return false;
    std::int32_t counts[4];
    std::memcpy(counts, image + 52, sizeof counts); // the header text is not checked
    std::size_t position = kWorkspaceHeaderSize;
    const bool recordsComplete = ReadRecords(image, size, position, counts[0], store.functions) &&
                                 ReadRecords(image, size, position, counts[1], store.parametrics) &&
                                 ReadRecords(image, size, position, counts[2], store.inequalities) &&
                                 ReadRecords(image, size, position, counts[3], store.constants);
    if (!recordsComplete || size - position < PlotView::kStateSize)
        return false;
    store.plot.ReadState(image + position);
    return std::all_of(counts, counts + 4, [](std::int32_t count) { return count >= 0; });
}

std::vector<std::uint8_t> ToStoredBytes(const std::vector<std::uint8_t>& image) {
    std::vector<std::uint8_t> stored;
    stored.reserve(image.size() + image.size() / 16);
    for (const std::uint8_t byte : image) {
        if (byte == 0x0A)
            stored.push_back(0x0D);
        stored.push_back(byte);
    }
    return stored;
}

std::vector<std::uint8_t> FromStoredBytes(const std::uint8_t* stored, std::size_t size) {
    std::vector<std::uint8_t> image;
    image.reserve(size);
    for (std::size_t i = 0; i < size; ++i) {
        if (stored[i] == 0x0D && i + 1 < size && stored[i + 1] == 0x0A)
            continue; // the 0x0A that follows is the image's byte
        image.push_back(stored[i]);
    }
    return image;
}
