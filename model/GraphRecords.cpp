#include "model/GraphRecords.h"

#include <cstdlib>

std::uint32_t RandomColour() {
    const std::uint32_t r1 = static_cast<std::uint32_t>(std::rand()) % 256;
    const std::uint32_t r2 = static_cast<std::uint32_t>(std::rand()) % 256;
    const std::uint32_t r3 = static_cast<std::uint32_t>(std::rand()) % 256;
    return r1 * 65536 + r2 * 256 + r3;
}
