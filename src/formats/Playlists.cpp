#include "formats/Playlists.h"

#include <algorithm>
#include <cctype>
#include <cstdint>

namespace rw {
namespace {

char Lower(char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); }

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n' || c == '\f'; }

std::string_view Trim(std::string_view text) {
    while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
    while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
    return text;
}

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
    if (text.size() < prefix.size()) return false;
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        if (Lower(text[i]) != Lower(prefix[i])) return false;
    }
    return true;
}

std::size_t FindNoCase(std::string_view text, std::string_view needle, std::size_t from = 0) {
    for (std::size_t i = from; i + needle.size() <= text.size(); ++i) {
        if (StartsWithNoCase(text.substr(i), needle)) return i;
    }
    return std::string_view::npos;
}

bool EndsWithNoCase(std::string_view text, std::string_view tail) {
    return text.size() >= tail.size() &&
           StartsWithNoCase(text.substr(text.size() - tail.size()), tail);
}

std::string_view WithoutBom(std::string_view text) {
    if (text.substr(0, 3) == "\xEF\xBB\xBF") text.remove_prefix(3);
    return text;
}

void AppendUtf8(std::string& out, std::uint32_t code);

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

void Add(std::vector<std::string>& entries, std::string_view entry) {
    entry = Trim(entry);
    if (entry.empty() || entry.size() > kMaxEntryBytes) return;
    if (entries.size() < kMaxPlaylistEntries) entries.emplace_back(entry);
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

void AppendUtf8(std::string& out, std::uint32_t code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | code >> 6);
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | code >> 12);
        out += static_cast<char>(0x80 | (code >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | code >> 18);
        out += static_cast<char>(0x80 | (code >> 12 & 0x3F));
        out += static_cast<char>(0x80 | (code >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

// XML's five named entities and numeric references; anything else stays as
// it is written.
std::string DecodeEntities(std::string_view text) {
    std::string out;
    while (!text.empty()) {
        const auto amp = text.find('&');
        out += text.substr(0, amp);
        if (amp == std::string_view::npos) break;
        text.remove_prefix(amp);
        const auto semi = text.find(';');
        const auto name = semi == std::string_view::npos || semi > 10 ? std::string_view()
                                                                      : text.substr(1, semi - 1);
        static constexpr std::pair<std::string_view, char> kNamed[] = {
            {"amp", '&'}, {"lt", '<'}, {"gt", '>'}, {"quot", '"'}, {"apos", '\''}};
        bool done = false;
        for (const auto& [entity, c] : kNamed) {
            if (name == entity) {
                out += c;
                done = true;
            }
        }
        if (!done && name.size() > 1 && name.front() == '#') {
            const bool hex = name[1] == 'x' || name[1] == 'X';
            const auto digits = name.substr(hex ? 2 : 1);
            std::uint32_t code = 0;
            bool valid = !digits.empty();
            for (const char c : digits) {
                const int value = std::isdigit(static_cast<unsigned char>(c)) ? c - '0'
                                  : hex && std::isxdigit(static_cast<unsigned char>(c))
                                      ? Lower(c) - 'a' + 10
                                      : -1;
                if (value < 0 || code > 0x10FFFF) valid = false;
                if (!valid) break;
                code = code * (hex ? 16 : 10) + static_cast<std::uint32_t>(value);
            }
            // A character XML cannot hold stays as it is written.
            valid = valid && code != 0 && code <= 0x10FFFF && (code < 0xD800 || code > 0xDFFF);
            if (valid) {
                AppendUtf8(out, code);
                done = true;
            }
        }
        if (done) {
            text.remove_prefix(semi + 1);
        } else {
            out += '&';
            text.remove_prefix(1);
        }
    }
    return out;
}

// The value of attribute `name` in a tag's text (after its element name).
std::optional<std::string> Attribute(std::string_view tag, std::string_view name) {
    for (std::size_t at = FindNoCase(tag, name); at != std::string_view::npos;
         at = FindNoCase(tag, name, at + 1)) {
        if (at == 0 || !IsBlank(tag[at - 1])) continue;
        auto rest = Trim(tag.substr(at + name.size()));
        if (rest.empty() || rest.front() != '=') continue;
        rest = Trim(rest.substr(1));
        if (rest.empty() || (rest.front() != '"' && rest.front() != '\'')) continue;
        const auto close = rest.find(rest.front(), 1);
        if (close == std::string_view::npos) return std::nullopt;
        return DecodeEntities(rest.substr(1, close - 1));
    }
    return std::nullopt;
}

// The src of every element named in `elements`, in document order; comments,
// processing instructions and declarations are skipped.
std::vector<std::string> ReadXmlSources(std::string_view text,
                                        std::initializer_list<std::string_view> elements) {
    std::vector<std::string> entries;
    std::size_t pos = 0;
    while ((pos = text.find('<', pos)) != std::string_view::npos) {
        const auto rest = text.substr(pos);
        if (rest.substr(0, 4) == "<!--") {
            const auto end = text.find("-->", pos + 4);
            if (end == std::string_view::npos) break;
            pos = end + 3;
            continue;
        }
        const auto close = text.find('>', pos);
        if (close == std::string_view::npos) break;
        const auto tag = text.substr(pos + 1, close - pos - 1);
        pos = close + 1;
        const auto nameEnd = std::min(tag.find_first_of(" \t\r\n/"), tag.size());
        const auto name = tag.substr(0, nameEnd);
        const bool wanted = std::any_of(elements.begin(), elements.end(), [name](auto element) {
            return name.size() == element.size() && StartsWithNoCase(name, element);
        });
        if (!wanted) continue;
        if (const auto src = Attribute(tag.substr(nameEnd), "src")) Add(entries, *src);
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
    return ReadXmlSources(text, {"embed"});
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

std::vector<std::string> ReadPlaylist(PlaylistKind kind, std::string_view text) {
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
            // <media> is SMIL's element for media of any kind.
            return ReadXmlSources(utf8, {"video", "audio", "img", "ref", "animation", "media"});
    }
    return {};
}

std::string ResolveEntry(std::string_view entry, std::string_view folder) {
    entry = Trim(entry);
    if (entry.empty()) return {};
    const auto sep = entry.find("://");
    const bool url =
        sep != std::string_view::npos && sep > 0 &&
        std::isalpha(static_cast<unsigned char>(entry.front())) &&
        std::all_of(entry.begin(), entry.begin() + static_cast<std::ptrdiff_t>(sep), [](char c) {
            return std::isalnum(static_cast<unsigned char>(c)) || c == '+' || c == '-' || c == '.';
        });
    if (url || entry.front() == '/' || folder.empty()) return std::string(entry);
    std::string joined(folder);
    if (joined.back() != '/') joined += '/';
    joined += entry;
    return joined;
}

}  // namespace rw
