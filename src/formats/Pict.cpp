#include "formats/Pict.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "formats/PictBits.h"

namespace rw {
namespace {

using pict::Reader;
using pict::Rect;

constexpr std::size_t kHeaderBytes = 512;
// More bands than this in one picture are left out (their fallbacks drawn).
constexpr std::size_t kMaxBands = 1024;

// What the first opcodes say: the version, the rectangle the opcodes draw
// in and where the opcodes after the header start.
struct Header {
    int version = 0;
    Rect space;
    std::size_t opcodesAt = 0;
};

std::optional<Header> ReadHeader(std::string_view bytes) {
    Reader r{bytes.substr(std::min(bytes.size(), kHeaderBytes))};
    if (bytes.size() < kHeaderBytes) return std::nullopt;
    r.Skip(2);  // the old size field, too small for today's pictures
    Header header;
    header.space = r.ReadRect();  // the frame, at 72 dpi
    const auto first = r.Uint(2);
    if (!r.ok || header.space.Width() <= 0 || header.space.Height() <= 0) return std::nullopt;
    if (first == 0x1101) {
        header.version = 1;
        header.opcodesAt = kHeaderBytes + 12;
        return header;
    }
    if (first != 0x0011 || r.Uint(2) != 0x02FF || r.Uint(2) != 0x0C00) return std::nullopt;
    const auto version = r.Uint(4);
    if (version >> 16 == 0xFFFE) {
        // Extended: resolutions and the source rectangle, which is the
        // picture in its own pixels (the frame scaled by resolution / 72).
        const auto hRes = r.Int32(), vRes = r.Int32();
        const Rect source = r.ReadRect();
        if (!r.ok || hRes <= 0 || vRes <= 0 || source.Width() <= 0 || source.Height() <= 0) {
            return std::nullopt;
        }
        header.space = source;
    } else {
        // The bounding rectangle in fixed point: left, top, right, bottom.
        const auto left = r.Int32(), top = r.Int32(), right = r.Int32(), bottom = r.Int32();
        if (!r.ok || right <= left || bottom <= top) return std::nullopt;
    }
    r.Skip(4);  // reserved
    if (!r.ok) return std::nullopt;
    header.version = 2;
    header.opcodesAt = kHeaderBytes + 40;
    return header;
}

// A fixed-point value with 16 bits of fraction, as a double.
double Fixed(std::int32_t value) { return value / 65536.0; }

// The JPEG of a QuickTime-compressed picture and its place in `space`;
// nothing for other codecs and for a matrix that turns or shears it.
std::optional<JpegBand> CompressedBand(std::string_view data, const Rect& space) {
    Reader r{data};
    r.Skip(2);  // version
    std::int32_t matrix[9] = {};
    for (auto& m : matrix) m = r.Int32();
    const auto matteSize = r.Uint(4);
    r.Skip(8 + 2);  // matte rectangle, mode
    const Rect source = r.ReadRect();
    r.Skip(4);  // accuracy
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
    const double scaleX = Fixed(matrix[0]), scaleY = Fixed(matrix[4]);
    if (matrix[1] != 0 || matrix[3] != 0 || scaleX <= 0 || scaleY <= 0) return std::nullopt;
    if (source.Width() <= 0 || source.Height() <= 0) return std::nullopt;
    // The place in the picture's pixels, whole pixels from the matrix.
    const auto at = [](double v) { return std::lround(std::clamp(v, -1e6, 1e6)); };
    const double x = Fixed(matrix[6]) - space.left, y = Fixed(matrix[7]) - space.top;
    JpegBand band;
    band.left = static_cast<int>(at(x + scaleX * source.left));
    band.top = static_cast<int>(at(y + scaleY * source.top));
    band.width = static_cast<int>(at(x + scaleX * source.right)) - band.left;
    band.height = static_cast<int>(at(y + scaleY * source.bottom)) - band.top;
    if (!pict::SizeFits(band.width, band.height)) return std::nullopt;
    band.sourceLeft = source.left;
    band.sourceTop = source.top;
    band.sourceWidth = source.Width();
    band.sourceHeight = source.Height();
    band.jpeg = std::string(jpeg);
    return band;
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

int PictVersionOf(std::string_view bytes) {
    const auto header = ReadHeader(bytes);
    return header ? header->version : 0;
}

std::optional<StillPicture> DecodePict(std::string_view bytes, PictJpeg jpeg) {
    if (bytes.size() > kMaxStillFileBytes) return std::nullopt;
    const auto header = ReadHeader(bytes);
    if (!header || !pict::SizeFits(header->space.Width(), header->space.Height())) {
        return std::nullopt;
    }
    const bool version2 = header->version == 2;
    Reader r{bytes.substr(header->opcodesAt)};
    pict::Canvas canvas(header->space);
    std::vector<JpegBand> bands;
    // After a band, the next bitmap is the picture shown where QuickTime is
    // missing: the band replaces it.
    bool fallbackNext = false;
    // Each opcode takes at least one byte: the loop ends with the data.
    while (r.ok && !r.in.empty()) {
        if (version2 && (bytes.size() - r.in.size()) % 2 != 0) r.Skip(1);
        const auto op = static_cast<std::uint16_t>(version2 ? r.Uint(2) : r.Uint(1));
        if (!r.ok || op == 0xFF) break;
        bool handled = true;
        if (pict::IsBitsOpcode(op)) {
            handled = pict::DrawBits(r, op, fallbackNext ? nullptr : &canvas);
            fallbackNext = false;
        } else if (op == 0x8200) {
            const auto data = r.Take(r.Uint(4));
            if (r.ok && jpeg == PictJpeg::Bands && bands.size() < kMaxBands) {
                if (auto band = CompressedBand(data, header->space)) {
                    bands.push_back(std::move(*band));
                    fallbackNext = true;
                }
            }
        } else if (const auto length = SkipLength(op, r)) {
            r.Skip(*length);
        } else {
            handled = false;
        }
        if (!handled || !r.ok) break;
    }
    if (!canvas.Drawn() && bands.empty()) return std::nullopt;
    StillPicture picture;
    picture.width = header->space.Width();
    picture.height = header->space.Height();
    picture.rgba = canvas.TakePixels();
    picture.bands = std::move(bands);
    return picture;
}

}  // namespace rw
