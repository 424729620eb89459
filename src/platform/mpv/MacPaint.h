#pragma once

#include <optional>
#include <string_view>

#include "platform/mpv/StillPicture.h"

namespace rw {

// MacPaint pictures: 576 by 720 pixels of one bit, a 512-byte header, rows
// of 72 bytes packed with PackBits, optionally behind a 128-byte MacBinary
// header. Nothing for anything else or a file that ends before its last row.
inline constexpr int kMacPaintWidth = 576;
inline constexpr int kMacPaintHeight = 720;
std::optional<StillPicture> DecodeMacPaint(std::string_view bytes);

// Whether the bytes start with a MacBinary header naming a MacPaint file.
bool LooksLikeMacPaint(std::string_view bytes);

// PackBits: unpacks exactly `out.size()` bytes from `in`, advancing it.
// False when `in` ends first.
bool UnpackBits(std::string_view& in, std::uint8_t* out, std::size_t size);

}  // namespace rw
