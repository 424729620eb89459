#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace rw {

// A JPEG picture inside another picture, and where it goes: the part of the
// JPEG (`source`, in its own pixels) is drawn scaled into `place`, in the
// pixels of the picture that holds it.
struct JpegBand {
    std::string jpeg;
    int sourceLeft = 0, sourceTop = 0, sourceWidth = 0, sourceHeight = 0;
    int left = 0, top = 0, width = 0, height = 0;
};

// A picture decoded by one of the player's own readers, for formats libmpv
// does not read: pixels (RGBA, 8 bits each, rows top to bottom with no
// padding) of its size, and JPEG bands to be drawn over them in order.
// Where there are bands the pixels may be empty, which stands for white.
struct StillPicture {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> rgba;
    std::vector<JpegBand> bands;
};

// Limits every reader keeps to.
inline constexpr int kMaxStillSide = 16384;
inline constexpr std::size_t kMaxStillPixelBytes = 256u * 1024 * 1024;
inline constexpr std::size_t kMaxStillFileBytes = 64u * 1024 * 1024;

// Which of the player's readers may take a file, judged from its name and
// its first bytes (552 are enough). A name of the reader's own (.pict,
// .pct, .pic; .mac, .pnt, .pntg) lets it try; so does content that passes
// a strict test (a version 2 PICT header in range, a MacBinary header
// naming a MacPaint file), and content that merely may be one of ours
// (a version 1 PICT, a MacPaint version field) when the name is not one
// libmpv reads. Content that starts as a picture libmpv reads (JPEG, PNG,
// GIF, BMP, TIFF, PSD, WebP) is never ours, whatever its name.
struct StillReaders {
    bool pict = false;
    bool macPaint = false;
};
StillReaders StillReadersFor(std::string_view fileName, std::string_view head);

}  // namespace rw
