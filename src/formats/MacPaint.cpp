#include "formats/MacPaint.h"

#include <algorithm>
#include <cstring>

#include "formats/Pict.h"

namespace rw {
namespace {

constexpr std::size_t kHeaderBytes = 512;
constexpr std::size_t kMacBinaryBytes = 128;
constexpr std::size_t kRowBytes = kMacPaintWidth / 8;

std::optional<StillPicture> DecodeAt(std::string_view bytes, std::size_t offset) {
    if (bytes.size() < offset + kHeaderBytes) return std::nullopt;
    std::string_view in = bytes.substr(offset + kHeaderBytes);
    StillPicture picture;
    picture.width = kMacPaintWidth;
    picture.height = kMacPaintHeight;
    picture.rgba.resize(static_cast<std::size_t>(kMacPaintWidth) * kMacPaintHeight * 4);
    std::uint8_t row[kRowBytes];
    for (int y = 0; y < kMacPaintHeight; ++y) {
        if (!UnpackBits(in, row, kRowBytes)) return std::nullopt;
        std::uint8_t* out = picture.rgba.data() + static_cast<std::size_t>(y) * kMacPaintWidth * 4;
        for (int x = 0; x < kMacPaintWidth; ++x) {
            // A set bit is black ink on white paper.
            const bool ink = (row[x / 8] >> (7 - x % 8) & 1) != 0;
            const std::uint8_t level = ink ? 0 : 255;
            out[0] = out[1] = out[2] = level;
            out[3] = 255;
            out += 4;
        }
    }
    return picture;
}

}  // namespace

bool UnpackBits(std::string_view& in, std::uint8_t* out, std::size_t size) {
    std::size_t filled = 0;
    while (filled < size) {
        if (in.empty()) return false;
        const auto n = static_cast<std::int8_t>(in.front());
        in.remove_prefix(1);
        if (n >= 0) {
            const std::size_t count = static_cast<std::size_t>(n) + 1;
            if (in.size() < count) return false;
            // A run that crosses the end of the row is cut there.
            const auto take = std::min(count, size - filled);
            std::memcpy(out + filled, in.data(), take);
            in.remove_prefix(count);
            filled += take;
        } else if (n != -128) {
            const std::size_t count = static_cast<std::size_t>(1 - n);
            if (in.empty()) return false;
            const auto value = static_cast<std::uint8_t>(in.front());
            in.remove_prefix(1);
            const auto take = std::min(count, size - filled);
            std::memset(out + filled, value, take);
            filled += take;
        }
    }
    return true;
}

bool LooksLikeMacPaint(std::string_view bytes) {
    // MacBinary: a zero byte, a name of 1 to 63 characters, the Finder type
    // at offset 65.
    return bytes.size() >= kMacBinaryBytes && bytes[0] == 0 && bytes[1] > 0 && bytes[1] < 64 &&
           bytes.substr(65, 4) == "PNTG";
}

bool HasMacPaintVersion(std::string_view bytes) {
    return bytes.size() >= 4 && bytes.substr(0, 3) == std::string_view("\0\0\0", 3) &&
           (bytes[3] == 0 || bytes[3] == 2 || bytes[3] == 3);
}

std::optional<StillPicture> DecodeMacPaint(std::string_view bytes) {
    if (bytes.size() > kMaxStillFileBytes) return std::nullopt;
    if (LooksLikeMacPaint(bytes)) return DecodeAt(bytes, kMacBinaryBytes);
    // A bare file starts with the version; behind a MacBinary header of
    // another Finder type, the version follows the 128 bytes. A MacBinary
    // header starts with a zero and the name's length (1 to 63), never with
    // a version.
    // A PICT file starts with 512 bytes of zeros too: one that passes the
    // PICT test is none of ours.
    if (HasMacPaintVersion(bytes) && PictVersionOf(bytes) == 0) return DecodeAt(bytes, 0);
    if (bytes.size() >= kMacBinaryBytes && bytes[0] == 0 && bytes[1] > 0 && bytes[1] < 64 &&
        HasMacPaintVersion(bytes.substr(kMacBinaryBytes))) {
        return DecodeAt(bytes, kMacBinaryBytes);
    }
    return std::nullopt;
}

}  // namespace rw
