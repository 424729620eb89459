#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace rw {

// A picture decoded by one of the player's own readers, for formats libmpv
// does not read: either pixels (RGBA, 8 bits each, rows top to bottom with
// no padding) with their size, or the bytes of a JPEG file found inside.
struct StillPicture {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgba;
    std::string jpeg;
};

// Limits every reader keeps to.
inline constexpr int kMaxStillSide = 16384;
inline constexpr std::size_t kMaxStillPixelBytes = 256u * 1024 * 1024;
inline constexpr std::size_t kMaxStillFileBytes = 64u * 1024 * 1024;

}  // namespace rw
