#pragma once

#include <optional>
#include <string_view>

#include "formats/StillPicture.h"

namespace rw {

// MacPaint pictures: 576 by 720 pixels of one bit, a 512-byte header whose
// first four bytes are its version (0, or 2 and 3 when patterns follow,
// big-endian), rows of 72 bytes packed with PackBits, optionally behind a
// 128-byte MacBinary header. Nothing for anything else, a header of another
// version, a bare file that passes the PICT test (both start with zeros) or
// a file that ends before its last row.
inline constexpr int kMacPaintWidth = 576;
inline constexpr int kMacPaintHeight = 720;
std::optional<StillPicture> DecodeMacPaint(std::string_view bytes);

// Whether the bytes start with a MacBinary header naming a MacPaint file.
bool LooksLikeMacPaint(std::string_view bytes);

// Whether the bytes start with a MacPaint header's version field (without
// a MacBinary header): four bytes that many other files start with too.
bool HasMacPaintVersion(std::string_view bytes);

// PackBits: unpacks exactly `out.size()` bytes from `in`, advancing it.
// False when `in` ends first.
bool UnpackBits(std::string_view& in, std::uint8_t* out, std::size_t size);

}  // namespace rw
