#include "platform/mpv/pure/References.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <optional>
#include <string_view>

namespace rw {
namespace {

// Schemes a user may open. libmpv also accepts many of its own (av, lavf,
// fd, edl, memory, mf, dvd, ...), which reach devices, file descriptors,
// filter graphs or other files; a reference can come from a settings file or
// a drop, so only these reach it.
constexpr std::array<std::string_view, 12> kAllowedSchemes = {
    "file", "http", "https", "rtsp", "rtmp", "rtmps", "mms", "mmsh", "ftp", "udp", "rtp", "srt",
};

// libmpv decides "this is a URL" exactly like RFC 3986 spells a scheme
// followed by "://": a letter, then letters, digits, '+', '-' or '.'. A
// colon without the two slashes ("clip:1.mov", "/a/b:c.mov") is a file name
// to libmpv, so it is one here too. Returns the scheme in lower case.
std::optional<std::string> SchemeOf(std::string_view ref) {
    const auto sep = ref.find("://");
    if (sep == std::string_view::npos || sep == 0) return std::nullopt;
    std::string scheme;
    for (std::size_t i = 0; i < sep; ++i) {
        const auto c = static_cast<unsigned char>(ref[i]);
        const bool ok = i == 0 ? std::isalpha(c) != 0
                               : (std::isalnum(c) != 0 || c == '+' || c == '-' || c == '.');
        if (!ok) return std::nullopt;
        scheme += static_cast<char>(std::tolower(c));
    }
    return scheme;
}

constexpr std::string_view kFileUrlPrefix = "file://";

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// Decodes %XX escapes; a '%' not followed by two hex digits stays as it is.
std::string PercentDecoded(std::string_view text) {
    std::string decoded;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 2 < text.size() && HexValue(text[i + 1]) >= 0 &&
            HexValue(text[i + 2]) >= 0) {
            decoded += static_cast<char>(HexValue(text[i + 1]) * 16 + HexValue(text[i + 2]));
            i += 2;
        } else {
            decoded += text[i];
        }
    }
    return decoded;
}

}  // namespace

bool IsAllowedReference(const std::string& ref) {
    // libmpv takes C strings: an embedded NUL would silently cut the name.
    if (ref.empty() || ref.find('\0') != std::string::npos) return false;
    const auto scheme = SchemeOf(ref);
    if (!scheme) return true;
    return std::find(kAllowedSchemes.begin(), kAllowedSchemes.end(), *scheme) !=
           kAllowedSchemes.end();
}

std::vector<std::string_view> AllowedSchemes() {
    return {kAllowedSchemes.begin(), kAllowedSchemes.end()};
}

std::string ToMpvPath(const std::string& ref) {
    const auto scheme = SchemeOf(ref);
    if (!scheme) {
        if (ref.starts_with('/')) return ref;
        return "./" + ref;
    }
    // libmpv turns "file://x" into the path "x" (after %-decoding), so
    // "file://-" would read standard input; keep such names relative files.
    if (*scheme == "file") {
        const std::string rest = ref.substr(kFileUrlPrefix.size());
        if (!rest.starts_with('/')) return std::string(kFileUrlPrefix) + "./" + rest;
    }
    return ref;
}

std::optional<std::string> LocalPathOf(const std::string& ref) {
    const auto scheme = SchemeOf(ref);
    if (!scheme) return ref;
    if (*scheme != "file") return std::nullopt;
    return PercentDecoded(std::string_view(ref).substr(kFileUrlPrefix.size()));
}

}  // namespace rw
