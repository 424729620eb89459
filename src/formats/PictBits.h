#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

#include "formats/StillPicture.h"

// The PICT reader's parts: big-endian fields, the picture being drawn, and
// the bitmap opcodes.
namespace rw::pict {

struct Rect {
    int top = 0, left = 0, bottom = 0, right = 0;
    int Width() const { return right - left; }
    int Height() const { return bottom - top; }
};

// Reads big-endian fields; every read past the end marks the reader failed
// and yields zero, so callers check `ok` once after a group of reads.
struct Reader {
    std::string_view in;
    bool ok = true;

    bool Has(std::size_t n) const { return ok && in.size() >= n; }
    void Skip(std::size_t n);
    std::uint32_t Uint(int bytes);
    int Int16() { return static_cast<std::int16_t>(Uint(2)); }
    std::int32_t Int32() { return static_cast<std::int32_t>(Uint(4)); }
    Rect ReadRect();
    std::string_view Take(std::size_t n);
};

struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
};

// Whether a picture of this size stays within the readers' limits.
bool SizeFits(int width, int height);

class Canvas {
  public:
    // The white picture is made when the first bitmap is drawn: a small
    // file that claims a large frame and draws nothing costs nothing.
    explicit Canvas(Rect frame) : frame_(frame) {}
    // Puts a pixel given in the picture's coordinates; outside is clipped.
    void Put(int x, int y, Rgb c);
    bool Drawn() const { return drawn_; }
    const Rect& Frame() const { return frame_; }
    // The pixels, empty when nothing was drawn.
    std::vector<std::uint8_t> TakePixels() { return std::move(pixels_); }

  private:
    Rect frame_;
    std::vector<std::uint8_t> pixels_;
    bool drawn_ = false;
};

// A bitmap opcode (BitsRect, BitsRgn, PackBitsRect, PackBitsRgn,
// DirectBitsRect, DirectBitsRgn): its header, colour table, rectangles and
// rows, drawn scaled from its source to its destination rectangle, or only
// read past when `canvas` is null. False for a bitmap that cannot be read.
bool DrawBits(Reader& r, std::uint16_t opcode, Canvas* canvas);

inline bool IsBitsOpcode(std::uint16_t op) {
    return op == 0x90 || op == 0x91 || (op >= 0x98 && op <= 0x9B);
}

}  // namespace rw::pict
