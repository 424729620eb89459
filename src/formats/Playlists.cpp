#include "formats/Playlists.h"

#include <algorithm>
#include <cctype>
#include <cstdint>
#include <string>

#include "formats/PlaylistText.h"
#include "formats/Smil.h"

namespace rw {
namespace {

using namespace playlist_text;

bool EndsWithNoCase(std::string_view text, std::string_view tail) {
    return text.size() >= tail.size() &&
           StartsWithNoCase(text.substr(text.size() - tail.size()), tail);
}

std::string_view WithoutBom(std::string_view text) {
    if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
    return text;
}

// UTF-16 text with its byte order mark, as some programs save playlists,
// in UTF-8; a surrogate without its pair becomes U+FFFD and an odd last
// byte is dropped. Anything else as it is, without a UTF-8 mark.
std::string Utf8Text(std::string_view text) {
    const bool little = text.substr(0, 2) == "\xFF\xFE";
    if (!little && text.substr(0, 2) != "\xFE\xFF") return std::string(WithoutBom(text));
    const auto unit = [&](std::size_t at) -> std::uint32_t {
        const auto first = static_cast<std::uint8_t>(text[at]);
        const auto second = static_cast<std::uint8_t>(text[at + 1]);
        return little ? second << 8 | first : first << 8 | second;
    };
    std::string out;
    out.reserve(text.size());
    for (std::size_t at = 2; at + 1 < text.size(); at += 2) {
        std::uint32_t code = unit(at);
        if (code >= 0xD800 && code <= 0xDBFF && at + 3 < text.size() && unit(at + 2) >= 0xDC00 &&
            unit(at + 2) <= 0xDFFF) {
            code = 0x10000 + ((code - 0xD800) << 10) + (unit(at + 2) - 0xDC00);
            at += 2;
        } else if (code >= 0xD800 && code <= 0xDFFF) {
            code = 0xFFFD;
        }
        AppendUtf8(out, code);
    }
    return out;
}

// The text's lines, whatever ends them.
std::vector<std::string_view> Lines(std::string_view text) {
    std::vector<std::string_view> lines;
    while (!text.empty()) {
        const auto end = text.find_first_of("\r\n");
        lines.push_back(text.substr(0, end));
        if (end == std::string_view::npos) break;
        text.remove_prefix(end + 1);
    }
    return lines;
}

std::vector<std::string> ReadM3u(std::string_view text) {
    std::vector<std::string> entries;
    for (const auto line : Lines(text)) {
        const auto trimmed = Trim(line);
        if (!trimmed.empty() && trimmed.front() != '#') Add(entries, trimmed);
    }
    return entries;
}

std::vector<std::string> ReadPls(std::string_view text) {
    std::vector<std::string> entries;
    for (const auto line : Lines(text)) {
        const auto trimmed = Trim(line);
        const auto equals = trimmed.find('=');
        if (!StartsWithNoCase(trimmed, "file") || equals == std::string_view::npos) continue;
        const auto number = Trim(trimmed.substr(4, equals - 4));
        if (number.empty() || !std::all_of(number.begin(), number.end(), [](char c) {
                return std::isdigit(static_cast<unsigned char>(c)) != 0;
            })) {
            continue;
        }
        Add(entries, trimmed.substr(equals + 1));
    }
    return entries;
}

std::vector<std::string> ReadQtl(std::string_view text) {
    const auto trimmed = Trim(text);
    if (StartsWithNoCase(trimmed, "RTSPtext") || StartsWithNoCase(trimmed, "SMILtext")) {
        // The reference follows the keyword, on its line or the next ones.
        std::vector<std::string> entries;
        for (const auto line : Lines(trimmed.substr(8))) Add(entries, line);
        return entries;
    }
    return ReadEmbedSources(text);
}

bool IsUrl(std::string_view entry) {
    const auto sep = entry.find("://");
    return sep != std::string_view::npos && sep > 0 &&
           std::isalpha(static_cast<unsigned char>(entry.front())) &&
           std::all_of(entry.begin(), entry.begin() + static_cast<std::ptrdiff_t>(sep), [](char c) {
               return std::isalnum(static_cast<unsigned char>(c)) || c == '+' || c == '-' ||
                      c == '.';
           });
}

// Whether the bytes are UTF-8: no stray or missing continuation byte, no
// overlong form, no surrogate, nothing past U+10FFFF.
bool IsUtf8(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<std::uint8_t>(text[i]);
        const int length = lead < 0x80   ? 1
                           : lead < 0xC2 ? 0
                           : lead < 0xE0 ? 2
                           : lead < 0xF0 ? 3
                           : lead < 0xF5 ? 4
                                         : 0;
        if (length == 0 || text.size() - i < static_cast<std::size_t>(length)) return false;
        std::uint32_t code = lead & (0x7Fu >> length);
        for (int k = 1; k < length; ++k) {
            const auto next = static_cast<std::uint8_t>(text[i + k]);
            if ((next & 0xC0) != 0x80) return false;
            code = code << 6 | (next & 0x3Fu);
        }
        if ((length == 3 && (code < 0x800 || (code >= 0xD800 && code <= 0xDFFF))) ||
            (length == 4 && (code < 0x10000 || code > 0x10FFFF))) {
            return false;
        }
        i += static_cast<std::size_t>(length);
    }
    return true;
}

// Latin-1 text in UTF-8, read as Windows writes it (Windows-1252): the
// printable characters it puts where Latin-1 has control codes (the euro
// sign, dashes, curly quotes) are what a file name written there holds.
std::string FromLatin1(std::string_view text) {
    static constexpr std::uint16_t kWindows80[32] = {
        0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
        0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
        0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};
    std::string out;
    for (const char c : text) {
        const auto byte = static_cast<std::uint8_t>(c);
        AppendUtf8(out, byte >= 0x80 && byte < 0xA0 ? kWindows80[byte - 0x80] : byte);
    }
    return out;
}

}  // namespace

std::optional<PlaylistKind> PlaylistKindOf(std::string_view fileName, std::string_view head) {
    const std::string utf8 = Utf8Text(head);
    const auto text = Trim(utf8);
    const bool hls = text.find("#EXT-X-") != std::string_view::npos;
    if (StartsWithNoCase(text, "#EXTM3U")) {
        return hls ? std::nullopt : std::optional(PlaylistKind::M3u);
    }
    if (StartsWithNoCase(text, "[playlist]")) return PlaylistKind::Pls;
    if (StartsWithNoCase(text, "RTSPtext") || StartsWithNoCase(text, "SMILtext")) {
        return PlaylistKind::Qtl;
    }
    if (text.substr(0, 1) == "<") {
        if (FindNoCase(text, "x-quicktime-media-link") != std::string_view::npos) {
            return PlaylistKind::Qtl;
        }
        // The first element decides: <smil> is a presentation, <SAMI> is
        // a subtitle file that shares the .smi extension.
        std::size_t pos = 0;
        while ((pos = text.find('<', pos)) != std::string_view::npos) {
            const auto c = pos + 1 < text.size() ? text[pos + 1] : '\0';
            if (c != '?' && c != '!') break;
            ++pos;
        }
        if (pos != std::string_view::npos && StartsWithNoCase(text.substr(pos), "<smil")) {
            return PlaylistKind::Smil;
        }
        if (EndsWithNoCase(fileName, ".qtl")) return PlaylistKind::Qtl;
        return std::nullopt;
    }
    if (EndsWithNoCase(fileName, ".m3u") || EndsWithNoCase(fileName, ".m3u8")) {
        return hls ? std::nullopt : std::optional(PlaylistKind::M3u);
    }
    if (EndsWithNoCase(fileName, ".pls")) return PlaylistKind::Pls;
    if (EndsWithNoCase(fileName, ".qtl")) return PlaylistKind::Qtl;
    return std::nullopt;
}

std::vector<std::string> ReadPlaylist(PlaylistKind kind, std::string_view text,
                                      const std::vector<std::string>& languages) {
    if (text.size() > kMaxPlaylistBytes) return {};
    const std::string utf8 = Utf8Text(text);
    switch (kind) {
        case PlaylistKind::M3u:
            return ReadM3u(utf8);
        case PlaylistKind::Pls:
            return ReadPls(utf8);
        case PlaylistKind::Qtl:
            return ReadQtl(utf8);
        case PlaylistKind::Smil:
            return ReadSmil(utf8, languages);
    }
    return {};
}

std::string ResolveEntry(std::string_view entry, std::string_view folder) {
    entry = Trim(entry);
    if (entry.empty()) return {};
    if (IsUrl(entry) || entry.front() == '/' || folder.empty()) return std::string(entry);
    std::string joined(folder);
    if (joined.back() != '/') joined += '/';
    joined += entry;
    return joined;
}

bool MayHoldLatin1(PlaylistKind kind, std::string_view fileName) {
    return kind == PlaylistKind::M3u && !EndsWithNoCase(fileName, ".m3u8");
}

std::string FindEntry(std::string_view entry, std::string_view folder, bool latin1,
                      const std::function<bool(const std::string& path)>& exists) {
    const std::string asWritten = ResolveEntry(entry, folder);
    entry = Trim(entry);
    if (entry.empty() || IsUrl(entry)) return asWritten;
    // The bytes as written, then read as Latin-1; each with its back slashes
    // as written, then as slashes.
    std::vector<std::string> names;
    const auto addSpelling = [&names](std::string name) {
        names.push_back(name);
        if (name.find('\\') == std::string::npos) return;
        std::replace(name.begin(), name.end(), '\\', '/');
        names.push_back(std::move(name));
    };
    addSpelling(std::string(entry));
    if (latin1 && !IsUtf8(entry)) addSpelling(FromLatin1(entry));
    for (const auto& name : names) {
        std::string path = ResolveEntry(name, folder);
        if (exists(path)) return path;
    }
    return asWritten;
}

}  // namespace rw
