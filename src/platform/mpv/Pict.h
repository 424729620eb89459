#pragma once

#include <optional>
#include <string_view>

#include "platform/mpv/StillPicture.h"

namespace rw {

// QuickDraw pictures, version 2 (and the bitmaps of version 1 files): a
// 512-byte header, then the picture's opcodes. The bitmap opcodes (BitsRect,
// PackBitsRect, DirectBitsRect and their region forms) are drawn on a white
// picture of the picture's frame; a QuickTime-compressed picture holding a
// JPEG gives that JPEG. Lines, shapes and text are not drawn: a picture with
// nothing drawable, a bad opcode before anything was drawn, a truncated file
// or a frame past the limits gives nothing.
std::optional<StillPicture> DecodePict(std::string_view bytes);

// Whether the bytes look like a PICT file (the version opcode after the
// 512-byte header and the picture's size and frame).
bool LooksLikePict(std::string_view bytes);

}  // namespace rw
