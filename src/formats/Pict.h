#pragma once

#include <optional>
#include <string_view>

#include "formats/StillPicture.h"

namespace rw {

// What to do with the JPEG pictures a QuickTime-compressed opcode holds.
enum class PictJpeg {
    // Listed as bands, each with its place; the ordinary bitmap that follows
    // each band for readers without QuickTime is not drawn.
    Bands,
    // Left out, and those bitmaps drawn: the picture as a reader without
    // JPEG sees it, for when the bands do not decode.
    Fallback,
};

// QuickDraw pictures, version 2 (and the bitmaps of version 1 files): a
// 512-byte header, then the picture's opcodes. The picture's pixels are its
// frame, or with an extended version 2 header (a resolution other than
// 72 dpi) the header's source rectangle, which the opcodes draw in. The
// bitmap opcodes (BitsRect, PackBitsRect, DirectBitsRect and their region
// forms) are drawn on white. Lines, shapes, text and QuickTime codecs other
// than JPEG are not drawn: a picture with nothing drawable, a bad opcode
// before anything was drawn, a truncated file or a frame past the limits
// gives nothing.
std::optional<StillPicture> DecodePict(std::string_view bytes, PictJpeg jpeg = PictJpeg::Bands);

// The version of the PICT file the bytes start, by a strict test of their
// first 552 bytes: 1 for the version opcode of version 1, 2 for that of
// version 2 followed by a header opcode whose fields are in range; either
// with a frame that is not empty. 0 for anything else.
int PictVersionOf(std::string_view bytes);

}  // namespace rw
