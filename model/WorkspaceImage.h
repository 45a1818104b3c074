#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

class GraphStore;

// The byte image of a workspace file: a 68-byte header (the text "Workspace of Orvane" in 52
// bytes, then the four record counts), the function, parametric, inequality and constant records
// as they lie in the lists, and the plot view's 124-byte block.
constexpr std::size_t kWorkspaceHeaderSize = 68;
constexpr char kWorkspaceHeaderText[] = "Workspace of Orvane";

std::vector<std::uint8_t> EncodeWorkspace(const GraphStore& store);

// Appends to the store every complete record the image holds and, if its block is whole, reads
// the view state. A negative count counts as none; a count larger than the image can hold, or an
// image ending early, leaves out what is not complete, and everything after it. Returns whether
// the image was complete.
bool DecodeWorkspace(const std::uint8_t* image, std::size_t size, GraphStore& store);

// The file stores the image through text-mode line ends: every byte 0x0A of the image is the pair
// 0x0D 0x0A in the file, wherever it falls (inside a double as well as in a text).
std::vector<std::uint8_t> ToStoredBytes(const std::vector<std::uint8_t>& image);
std::vector<std::uint8_t> FromStoredBytes(const std::uint8_t* stored, std::size_t size);
