#include "formats/StillPicture.h"

#include <algorithm>
#include <cctype>

#include "formats/MacPaint.h"
#include "formats/Pict.h"

namespace rw {
namespace {

// The file name's extension in lower case, with its dot; empty for none.
std::string ExtensionOf(std::string_view fileName) {
    const auto slash = fileName.find_last_of('/');
    if (slash != std::string_view::npos) fileName.remove_prefix(slash + 1);
    const auto dot = fileName.find_last_of('.');
    if (dot == std::string_view::npos || dot == 0) return {};
    std::string ext(fileName.substr(dot));
    std::transform(ext.begin(), ext.end(), ext.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return ext;
}

bool OneOf(const std::string& ext, std::initializer_list<std::string_view> names) {
    return std::find(names.begin(), names.end(), ext) != names.end();
}

// Names of pictures, movies and sounds libmpv reads: such a file is never
// taken for one of ours on a guess.
bool IsMpvName(const std::string& ext) {
    return OneOf(
        ext, {".jpg",  ".jpeg", ".jpe",  ".jfif", ".png", ".apng", ".gif", ".bmp", ".dib",  ".tif",
              ".tiff", ".webp", ".tga",  ".psd",  ".sgi", ".rgb",  ".pcx", ".ppm", ".pgm",  ".pbm",
              ".exr",  ".jp2",  ".avif", ".ico",  ".jxl", ".mp4",  ".m4v", ".mov", ".qt",   ".avi",
              ".mkv",  ".webm", ".mpg",  ".mpeg", ".ts",  ".m2ts", ".flv", ".wmv", ".ogv",  ".3gp",
              ".mp3",  ".wav",  ".flac", ".ogg",  ".oga", ".m4a",  ".aac", ".aif", ".aiff", ".au"});
}

// The signatures of pictures libmpv reads, at the file's start. A PICT
// starts with a header of zeros and a MacPaint file with its version or a
// MacBinary header, both zero in their first byte.
bool StartsAsOtherPicture(std::string_view head) {
    const auto starts = [head](std::string_view magic) {
        return head.substr(0, magic.size()) == magic;
    };
    return starts("\xFF\xD8\xFF") || starts("\x89PNG\r\n\x1A\n") || starts("GIF87a") ||
           starts("GIF89a") || starts("BM") || starts(std::string_view("II*\0", 4)) ||
           starts(std::string_view("MM\0*", 4)) || starts("8BPS") ||
           (starts("RIFF") && head.size() >= 12 && head.substr(8, 4) == "WEBP");
}

}  // namespace

StillReaders StillReadersFor(std::string_view fileName, std::string_view head) {
    StillReaders readers;
    if (StartsAsOtherPicture(head)) return readers;
    const auto ext = ExtensionOf(fileName);
    const bool guessAllowed = !IsMpvName(ext);
    const int pictVersion = PictVersionOf(head);
    readers.pict = OneOf(ext, {".pict", ".pct", ".pic"}) || pictVersion == 2 ||
                   (pictVersion == 1 && guessAllowed);
    readers.macPaint = OneOf(ext, {".mac", ".pnt", ".pntg"}) || LooksLikeMacPaint(head) ||
                       (HasMacPaintVersion(head) && guessAllowed && pictVersion == 0);
    return readers;
}

}  // namespace rw
