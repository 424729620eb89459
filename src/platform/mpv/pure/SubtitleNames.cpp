#include "platform/mpv/pure/SubtitleNames.h"

#include <algorithm>
#include <cctype>

namespace rw {
namespace {

// The extensions libmpv takes for subtitle files when it searches itself.
constexpr std::string_view kExtensions[] = {"utf", "utf8", "utf-8", "idx", "sub", "srt",
                                            "smi", "rt",   "txt",   "ssa", "aqt", "jss",
                                            "js",  "ass",  "mks",   "vtt", "sup", "scc"};

bool SameNoCase(char a, char b) {
    return std::tolower(static_cast<unsigned char>(a)) ==
           std::tolower(static_cast<unsigned char>(b));
}

bool EqualNoCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), SameNoCase);
}

std::string_view Stem(std::string_view name) {
    const auto dot = name.rfind('.');
    return dot == std::string_view::npos ? name : name.substr(0, dot);
}

}  // namespace

bool IsSubtitleFor(std::string_view movie, std::string_view file) {
    const auto dot = file.rfind('.');
    if (dot == std::string_view::npos) return false;
    const std::string_view extension = file.substr(dot + 1);
    if (std::none_of(std::begin(kExtensions), std::end(kExtensions),
                     [&](std::string_view known) { return EqualNoCase(known, extension); })) {
        return false;
    }
    const std::string_view stem = Stem(movie);
    return !stem.empty() && EqualNoCase(file.substr(0, std::min(stem.size(), dot)), stem) &&
           stem.size() <= dot;
}

}  // namespace rw
