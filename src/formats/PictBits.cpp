#include "formats/PictBits.h"

#include <algorithm>

#include "formats/MacPaint.h"

namespace rw::pict {

void Reader::Skip(std::size_t n) {
    if (!Has(n)) {
        ok = false;
        in = {};
        return;
    }
    in.remove_prefix(n);
}

std::uint32_t Reader::Uint(int bytes) {
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

Rect Reader::ReadRect() {
    Rect r;
    r.top = Int16();
    r.left = Int16();
    r.bottom = Int16();
    r.right = Int16();
    return r;
}

std::string_view Reader::Take(std::size_t n) {
    if (!Has(n)) {
        ok = false;
        in = {};
        return {};
    }
    const auto part = in.substr(0, n);
    in.remove_prefix(n);
    return part;
}

void Canvas::Put(int x, int y, Rgb c) {
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

bool SizeFits(int width, int height) {
    return width > 0 && height > 0 && width <= kMaxStillSide && height <= kMaxStillSide &&
           static_cast<std::size_t>(width) * height * 4 <= kMaxStillPixelBytes;
}

bool DrawBits(Reader& r, std::uint16_t opcode, Canvas* canvas) {
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
    if (canvas == nullptr) return true;
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
    // Only the part of the destination inside the picture is visited.
    const Rect& frame = canvas->Frame();
    const int firstX = std::max(0, frame.left - dst.left);
    const int endX = std::min(dst.Width(), frame.right - dst.left);
    const int endY = std::min(dst.Height(), frame.bottom - dst.top);
    for (int y = std::max(0, frame.top - dst.top); y < endY; ++y) {
        const int sy = src.top - bounds.top +
                       static_cast<int>(static_cast<long long>(y) * src.Height() / dst.Height());
        if (sy < 0 || sy >= height) continue;
        for (int x = firstX; x < endX; ++x) {
            const int sx = src.left - bounds.left +
                           static_cast<int>(static_cast<long long>(x) * src.Width() / dst.Width());
            if (sx < 0 || sx >= width) continue;
            canvas->Put(dst.left + x, dst.top + y, pixelAt(sx, sy));
        }
    }
    return true;
}

}  // namespace rw::pict
