// Which references may reach libmpv, and in what form. A reference can come
// from a settings file, a drop or the URL box, so it must never become an
// option, standard input, a device or one of libmpv's own schemes.

#include <cctype>

#include "FuzzCheck.h"
#include "platform/mpv/pure/References.h"

namespace {

// The scheme in lower case when the text starts with "scheme://".
std::optional<std::string> Scheme(const std::string& text) {
    const auto sep = text.find("://");
    if (sep == std::string::npos || sep == 0) return std::nullopt;
    std::string scheme;
    for (std::size_t i = 0; i < sep; ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (!(std::isalnum(c) || (i > 0 && (c == '+' || c == '-' || c == '.')))) {
            return std::nullopt;
        }
        if (i == 0 && !std::isalpha(c)) return std::nullopt;
        scheme += static_cast<char>(std::tolower(c));
    }
    return scheme;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string ref = rw::fuzz::TextOf(data, size);
    const bool allowed = rw::IsAllowedReference(ref);
    const auto scheme = Scheme(ref);

    if (ref.empty() || ref.find('\0') != std::string::npos) FUZZ_CHECK(!allowed);
    if (scheme && (*scheme == "av" || *scheme == "lavf" || *scheme == "fd" || *scheme == "edl" ||
                   *scheme == "memory" || *scheme == "mf" || *scheme == "ytdl" ||
                   *scheme == "dvd" || *scheme == "ffmpeg")) {
        FUZZ_CHECK(!allowed);
    }

    const auto local = rw::LocalPathOf(ref);
    if (!scheme) {
        FUZZ_CHECK(local && *local == ref);
    } else if (*scheme == "file") {
        FUZZ_CHECK(local && local->size() <= ref.size() - 7);
    } else {
        FUZZ_CHECK(!local);
    }
    if (!allowed) return 0;

    // What libmpv receives is a file name it cannot take for an option or
    // for standard input, and a URL keeps its (allowed) scheme.
    const std::string mpv = rw::ToMpvPath(ref);
    FUZZ_CHECK(!mpv.empty() && mpv.front() != '-');
    FUZZ_CHECK(rw::IsAllowedReference(mpv));
    FUZZ_CHECK(Scheme(mpv) == scheme);
    if (!scheme) {
        FUZZ_CHECK(mpv.starts_with('/') || mpv.starts_with("./"));
        FUZZ_CHECK(rw::fuzz::EndsWith(mpv, ref));
    } else if (*scheme == "file") {
        const auto path = rw::LocalPathOf(mpv);
        FUZZ_CHECK(path && (path->starts_with('/') || path->starts_with("./")));
    } else {
        FUZZ_CHECK(mpv == ref);
    }
    return 0;
}
