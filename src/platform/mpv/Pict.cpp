#include "platform/mpv/Pict.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "platform/mpv/MacPaint.h"

namespace rw {
namespace {

constexpr std::size_t kHeaderBytes = 512;

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
    void Skip(std::size_t n) {
        if (!Has(n)) {
            ok = false;
            in = {};
            return;
        }
        in.remove_prefix(n);
    }
    std::uint32_t Uint(int bytes) {
        if (!Has(static_cast<std::size_t>(bytes))) {
            ok = false;
            in = {};
            return 0;
        }
        std::uint32_t value = 0;
        for (int i = 0; i < bytes; ++i) value = value << 8 | static_cast<std::uint8_t>(in[i]);
        in.remove_prefix(static_cast<std::size_t>(bytes));
        return value;
    }
    int Int16() { return static_cast<std::int16_t>(Uint(2)); }
    Rect ReadRect() {
        Rect r;
        r.top = Int16();
        r.left = Int16();
        r.bottom = Int16();
        r.right = Int16();
        return r;
    }
    std::string_view Take(std::size_t n) {
        if (!Has(n)) {
            ok = false;
            in = {};
            return {};
        }
        const auto part = in.substr(0, n);
        in.remove_prefix(n);
        return part;
    }
};

struct Rgb {
    std::uint8_t r = 0, g = 0, b = 0;
};

class Canvas {
  public:
    // The white picture is made when the first bitmap is drawn: a small
    // file that claims a large frame and draws nothing costs nothing.
    explicit Canvas(Rect frame) : frame_(frame) {}
    // Puts a pixel given in the picture's coordinates; outside is clipped.
    void Put(int x, int y, Rgb c) {
        x -= frame_.left;
        y -= frame_.top;
        if (x < 0 || y < 0 || x >= frame_.Width() || y >= frame_.Height()) return;
        if (pixels_.empty()) {
            pixels_.assign(static_cast<std::size_t>(frame_.Width()) * frame_.Height() * 4, 255);
        }
        auto* p = pixels_.data() + (static_cast<std::size_t>(y) * frame_.Width() + x) * 4;
        p[0] = c.r;
        p[1] = c.g;
        p[2] = c.b;
        drawn_ = true;
    }
    bool Drawn() const { return drawn_; }
    StillPicture Take() {
        StillPicture picture;
        picture.width = frame_.Width();
        picture.height = frame_.Height();
        picture.rgba = std::move(pixels_);
        return picture;
    }

  private:
    Rect frame_;
    std::vector<std::uint8_t> pixels_;
    bool drawn_ = false;
};

bool SizeFits(int width, int height) {
    return width > 0 && height > 0 && width <= kMaxStillSide && height <= kMaxStillSide &&
           static_cast<std::size_t>(width) * height * 4 <= kMaxStillPixelBytes;
}

// A bitmap opcode: its header, colour table, rectangles and rows, drawn
// scaled from its source to its destination rectangle.
bool DrawBits(Reader& r, std::uint16_t opcode, Canvas& canvas) {
    const bool direct = opcode == 0x9A || opcode == 0x9B;
    const bool region = opcode == 0x91 || opcode == 0x99 || opcode == 0x9B;
    const bool packed = opcode != 0x90 && opcode != 0x91;
    if (direct) r.Skip(4);  // base address
    const std::uint32_t rowWord = r.Uint(2);
    const bool pixMap = direct || (rowWord & 0x8000) != 0;
    const std::size_t rowBytes = rowWord & 0x3FFF;
    const Rect bounds = r.ReadRect();
    int packType = 0, pixelSize = 1, cmpCount = 1;
    std::vector<Rgb> colours = {{255, 255, 255}, {0, 0, 0}};
    if (pixMap) {
        r.Skip(2);  // version
        packType = r.Int16();
        r.Skip(12);  // pack size, resolutions
        r.Skip(2);   // pixel type
        pixelSize = r.Int16();
        cmpCount = r.Int16();
        r.Skip(14);  // component size, plane bytes, table, reserved
        if (!direct) {
            r.Skip(4);                                      // seed
            const bool device = (r.Uint(2) & 0x8000) != 0;  // entries in index order
            const int count = r.Int16() + 1;
            if (count < 0 || count > 256 || !r.Has(static_cast<std::size_t>(count) * 8))
                return false;
            colours.assign(256, Rgb{});
            for (int i = 0; i < count; ++i) {
                const int index = r.Int16() & 0xFF;
                const auto red = r.Uint(2), green = r.Uint(2), blue = r.Uint(2);
                colours[static_cast<std::size_t>(device ? i : index)] = {
                    static_cast<std::uint8_t>(red >> 8), static_cast<std::uint8_t>(green >> 8),
                    static_cast<std::uint8_t>(blue >> 8)};
            }
        }
    }
    const Rect src = r.ReadRect();
    const Rect dst = r.ReadRect();
    r.Skip(2);  // transfer mode
    if (region) {
        const auto size = r.Uint(2);  // the mask region, its size counting itself
        if (size < 2) return false;
        r.Skip(size - 2);
    }
    if (!r.ok) return false;
    const int width = bounds.Width(), height = bounds.Height();
    const bool knownDepth = pixelSize == 1 || pixelSize == 2 || pixelSize == 4 || pixelSize == 8 ||
                            pixelSize == 16 || pixelSize == 32;
    if (!SizeFits(width, height) || !knownDepth || rowBytes == 0 ||
        rowBytes * 8 < static_cast<std::size_t>(width) * pixelSize) {
        return false;
    }
    if (!SizeFits(dst.Width(), dst.Height()) || src.Width() <= 0 || src.Height() <= 0) return false;
    // Every row takes at least two bytes of the file (its rowBytes when
    // sent as they are): a short file cannot claim a large bitmap.
    const bool raw = !packed || rowBytes < 8 || packType == 1 || packType == 2;
    const std::size_t leastRow = raw ? (packType == 2 ? rowBytes * 3 / 4 : rowBytes) : 2;
    if (r.in.size() / leastRow < static_cast<std::size_t>(height)) return false;
    std::vector<std::uint8_t> rows(rowBytes * static_cast<std::size_t>(height));
    for (int y = 0; y < height; ++y) {
        std::uint8_t* row = rows.data() + rowBytes * static_cast<std::size_t>(y);
        if (raw) {
            const auto bytes = r.Take(packType == 2 ? rowBytes * 3 / 4 : rowBytes);
            if (!r.ok) return false;
            if (packType == 2) {
                // 24-bit pixels without their pad byte.
                for (std::size_t i = 0; i < bytes.size() / 3; ++i) {
                    row[i * 4] = 0;
                    std::copy_n(bytes.data() + i * 3, 3, row + i * 4 + 1);
                }
            } else {
                std::copy(bytes.begin(), bytes.end(), row);
            }
            continue;
        }
        const std::size_t count = rowBytes > 250 ? r.Uint(2) : r.Uint(1);
        auto line = r.Take(count);
        if (!r.ok) return false;
        if (packType == 3 && pixelSize == 16) {
            // PackBits over 16-bit words.
            std::size_t filled = 0;
            while (filled < rowBytes && !line.empty()) {
                const auto n = static_cast<std::int8_t>(line.front());
                line.remove_prefix(1);
                const std::size_t words = n >= 0 ? n + 1u : n == -128 ? 0u : 1u - n;
                const bool run = n < 0;
                for (std::size_t i = 0; i < words && filled + 1 < rowBytes; ++i) {
                    if (line.size() < 2) break;
                    row[filled++] = static_cast<std::uint8_t>(line[0]);
                    row[filled++] = static_cast<std::uint8_t>(line[1]);
                    if (!run) line.remove_prefix(2);
                }
                if (run && line.size() >= 2) line.remove_prefix(2);
            }
        } else if (packType == 4 || (pixelSize == 32 && packType == 0)) {
            // Components one plane after another within the row, each
            // becoming one byte of a 32-bit pixel.
            if (pixelSize != 32 || cmpCount < 3 || cmpCount > 4) return false;
            std::vector<std::uint8_t> planes(static_cast<std::size_t>(width) * cmpCount);
            if (!UnpackBits(line, planes.data(), planes.size())) return false;
            const int first = cmpCount - 3;
            for (int x = 0; x < width; ++x) {
                row[x * 4] = 0;
                for (int c = 0; c < 3; ++c) row[x * 4 + 1 + c] = planes[(first + c) * width + x];
            }
        } else if (!UnpackBits(line, row, rowBytes)) {
            return false;
        }
    }
    const auto pixelAt = [&](int x, int y) -> Rgb {
        const std::uint8_t* row = rows.data() + rowBytes * static_cast<std::size_t>(y);
        switch (pixelSize) {
            case 32:
                return {row[x * 4 + 1], row[x * 4 + 2], row[x * 4 + 3]};
            case 16: {
                const unsigned v = row[x * 2] << 8 | row[x * 2 + 1];
                const auto five = [](unsigned c) {
                    return static_cast<std::uint8_t>(c << 3 | c >> 2);
                };
                return {five(v >> 10 & 31), five(v >> 5 & 31), five(v & 31)};
            }
            default: {
                const int perByte = 8 / pixelSize;
                const int shift = (perByte - 1 - x % perByte) * pixelSize;
                const int index = row[x / perByte] >> shift & ((1 << pixelSize) - 1);
                return colours[static_cast<std::size_t>(index) % colours.size()];
            }
        }
    };
    for (int y = 0; y < dst.Height(); ++y) {
        const int sy = src.top - bounds.top +
                       static_cast<int>(static_cast<long long>(y) * src.Height() / dst.Height());
        if (sy < 0 || sy >= height) continue;
        for (int x = 0; x < dst.Width(); ++x) {
            const int sx = src.left - bounds.left +
                           static_cast<int>(static_cast<long long>(x) * src.Width() / dst.Width());
            if (sx < 0 || sx >= width) continue;
            canvas.Put(dst.left + x, dst.top + y, pixelAt(sx, sy));
        }
    }
    return true;
}

// The JPEG inside a QuickTime-compressed picture, or nothing for other
// codecs.
std::optional<std::string> CompressedJpeg(std::string_view data) {
    Reader r{data};
    r.Skip(2 + 36);  // version, matrix
    const auto matteSize = r.Uint(4);
    r.Skip(8 + 2 + 8 + 4);  // matte rectangle, mode, source rectangle, accuracy
    const auto maskSize = r.Uint(4);
    r.Skip(matteSize);
    r.Skip(maskSize);
    const auto description = r.in;
    const auto idSize = r.Uint(4);
    const auto codec = r.Take(4);
    r.Skip(36);
    const auto dataSize = r.Uint(4);
    if (!r.ok || codec != "jpeg" || idSize < 86 || idSize > description.size()) return std::nullopt;
    auto jpeg = description.substr(idSize);
    if (dataSize != 0 && dataSize < jpeg.size()) jpeg = jpeg.substr(0, dataSize);
    if (jpeg.substr(0, 2) != "\xFF\xD8") return std::nullopt;
    return std::string(jpeg);
}

// How many bytes of data follow an opcode that is skipped, read from the
// data where its length is part of it; nothing for opcodes that cannot be
// skipped safely.
std::optional<std::size_t> SkipLength(std::uint16_t op, Reader& r) {
    static constexpr std::uint8_t kFixed[0x100] = {
        // 0x00-0x0F
        0, 0, 8, 2, 1, 2, 4, 4, 2, 8, 8, 4, 4, 2, 4, 4,
        // 0x10-0x1F (0x12-0x14 patterns are not skippable, marked 255)
        8, 2, 255, 255, 255, 2, 2, 0, 0, 0, 6, 6, 0, 6, 0, 6,
        // 0x20-0x2F (text and variable ones handled below)
        8, 4, 6, 2, 254, 254, 254, 254, 253, 253, 253, 253, 254, 254, 254, 254};
    if (op < 0x30) {
        const auto fixed = kFixed[op];
        if (fixed == 255) return std::nullopt;
        if (fixed == 254) return r.Uint(2);
        if (fixed == 253) {
            r.Skip(op == 0x28 ? 4 : op == 0x2B ? 2 : 1);
            return r.Uint(1);
        }
        if (op == 0x01) return r.Uint(2) - 2;  // clip region, its size counts itself
        return fixed;
    }
    if (op <= 0x6F) {
        const int group = (op >> 3) & 1;  // second half of each block of 16 is "same" shapes
        if (op >= 0x60) return group ? 4 : 12;
        return group ? 0 : 8;
    }
    if (op <= 0x8F) {
        if ((op & 0x08) != 0) return 0;
        const auto size = r.Uint(2);
        if (size < 2) return std::nullopt;
        return size - 2;
    }
    if (op == 0xA0) return 2;
    if (op == 0xA1) {
        r.Skip(2);
        return r.Uint(2);
    }
    if ((op >= 0x92 && op <= 0x97) || (op >= 0x9C && op <= 0x9F) || (op >= 0xA2 && op <= 0xAF)) {
        return r.Uint(2);
    }
    if (op >= 0xB0 && op <= 0xCF) return 0;
    if (op >= 0xD0 && op <= 0xFE) return r.Uint(4);
    if (op == 0x0C00) return 24;
    if (op >= 0x0100 && op <= 0x7FFF) return static_cast<std::size_t>(op >> 8) * 2;
    if (op >= 0x8000 && op <= 0x80FF) return 0;
    return r.Uint(4);
}

}  // namespace

bool LooksLikePict(std::string_view bytes) {
    if (bytes.size() < kHeaderBytes + 14) return false;
    const auto version = bytes.substr(kHeaderBytes + 10, 4);
    return version == std::string_view("\x00\x11\x02\xFF", 4) ||
           version.substr(0, 2) == std::string_view("\x11\x01", 2);
}

std::optional<StillPicture> DecodePict(std::string_view bytes) {
    if (bytes.size() > kMaxStillFileBytes || bytes.size() < kHeaderBytes) return std::nullopt;
    Reader r{bytes.substr(kHeaderBytes)};
    r.Skip(2);  // the old size field, too small for today's pictures
    const Rect frame = r.ReadRect();
    if (!r.ok || !SizeFits(frame.Width(), frame.Height())) return std::nullopt;
    bool version2 = false;
    if (r.Uint(1) == 0x11 && r.Uint(1) == 0x01) {
        version2 = false;
    } else {
        r = Reader{bytes.substr(kHeaderBytes + 10)};
        if (r.Uint(2) != 0x0011 || r.Uint(2) != 0x02FF) return std::nullopt;
        version2 = true;
    }
    Canvas canvas(frame);
    std::optional<std::string> jpeg;
    // Each opcode takes at least one byte: the loop ends with the data.
    while (r.ok && !r.in.empty()) {
        if (version2 && (bytes.size() - r.in.size()) % 2 != 0) r.Skip(1);
        const auto op = static_cast<std::uint16_t>(version2 ? r.Uint(2) : r.Uint(1));
        if (!r.ok || op == 0xFF) break;
        bool handled = true;
        if (op == 0x90 || op == 0x91 || (op >= 0x98 && op <= 0x9B)) {
            handled = DrawBits(r, op, canvas);
        } else if (op == 0x8200) {
            const auto data = r.Take(r.Uint(4));
            if (!jpeg && r.ok) jpeg = CompressedJpeg(data);
        } else if (const auto length = SkipLength(op, r)) {
            r.Skip(*length);
        } else {
            handled = false;
        }
        if (!handled || !r.ok) break;
    }
    if (canvas.Drawn()) return canvas.Take();
    if (jpeg) {
        StillPicture picture;
        picture.width = frame.Width();
        picture.height = frame.Height();
        picture.jpeg = std::move(*jpeg);
        return picture;
    }
    return std::nullopt;
}

}  // namespace rw
