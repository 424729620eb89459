#include "formats/Smil.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <utility>

#include "formats/PlaylistText.h"

namespace rw {
namespace {

using namespace playlist_text;

// Elements nested deeper than this are read as if they were empty.
constexpr std::size_t kMaxNesting = 256;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

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
                const char lower = Lower(c);
                const int value = IsDigit(c)                            ? c - '0'
                                  : hex && lower >= 'a' && lower <= 'f' ? lower - 'a' + 10
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

enum class TagKind { Open, Close, Empty };

// Calls `onTag(kind, name, attributes)` for every element tag in document
// order; comments, processing instructions and declarations are skipped,
// and so is a tag left open at the end.
template <typename OnTag>
void ForEachTag(std::string_view text, OnTag onTag) {
    std::size_t pos = 0;
    while ((pos = text.find('<', pos)) != std::string_view::npos) {
        if (text.substr(pos, 4) == "<!--") {
            const auto end = text.find("-->", pos + 4);
            if (end == std::string_view::npos) break;
            pos = end + 3;
            continue;
        }
        const auto close = text.find('>', pos);
        if (close == std::string_view::npos) break;
        auto tag = text.substr(pos + 1, close - pos - 1);
        pos = close + 1;
        if (tag.empty() || tag.front() == '?' || tag.front() == '!') continue;
        TagKind kind = TagKind::Open;
        if (tag.front() == '/') {
            kind = TagKind::Close;
            tag.remove_prefix(1);
        } else if (tag.back() == '/') {
            kind = TagKind::Empty;
        }
        const auto nameEnd = std::min(tag.find_first_of(" \t\r\n/"), tag.size());
        onTag(kind, tag.substr(0, nameEnd), tag.substr(nameEnd));
    }
}

bool IsMedia(std::string_view name) {
    // <media> is SMIL's element for media of any kind.
    static constexpr std::string_view kMedia[] = {"video", "audio",     "img",
                                                  "ref",   "animation", "media"};
    return std::any_of(std::begin(kMedia), std::end(kMedia),
                       [name](std::string_view media) { return EqualsNoCase(name, media); });
}

// Whether one language tag names the other, or a more precise form of it:
// "en" and "en-GB" match, "en" and "eng" do not.
bool LanguagesMatch(std::string_view a, std::string_view b) {
    if (a.size() > b.size()) std::swap(a, b);
    return !a.empty() && StartsWithNoCase(b, a) && (b.size() == a.size() || b[a.size()] == '-');
}

// SMIL 2 writes test attributes in camel case, SMIL 1 with hyphens.
std::optional<std::string> TestAttribute(std::string_view tag, std::string_view smil2,
                                         std::string_view smil1) {
    auto value = Attribute(tag, smil2);
    return value ? value : Attribute(tag, smil1);
}

bool TestsPass(std::string_view tag, const std::vector<std::string>& languages) {
    if (const auto required = TestAttribute(tag, "systemRequired", "system-required")) {
        if (!Trim(*required).empty()) return false;
    }
    const auto wanted = TestAttribute(tag, "systemLanguage", "system-language");
    if (!wanted) return true;
    std::string_view list = *wanted;
    while (!list.empty()) {
        const auto comma = std::min(list.find(','), list.size());
        const auto language = Trim(list.substr(0, comma));
        for (const auto& user : languages) {
            if (LanguagesMatch(language, user)) return true;
        }
        list.remove_prefix(std::min(comma + 1, list.size()));
    }
    return false;
}

// An element being read and the entries it holds so far.
struct Element {
    std::string_view name;
    bool isSwitch = false;
    bool passes = true;   // its test attributes
    bool chosen = false;  // of a switch: an alternative is taken
    std::vector<std::string> entries;
};

// What a finished element gives the one around it.
void Finish(Element& parent, const Element& child) {
    if (!child.passes) return;
    if (parent.isSwitch) {
        if (parent.chosen || child.entries.empty()) return;
        parent.chosen = true;
    }
    for (const auto& entry : child.entries) Add(parent.entries, entry);
}

}  // namespace

std::vector<std::string> ReadEmbedSources(std::string_view text) {
    std::vector<std::string> entries;
    ForEachTag(text, [&](TagKind kind, std::string_view name, std::string_view attributes) {
        if (kind == TagKind::Close || !EqualsNoCase(name, "embed")) return;
        if (const auto src = Attribute(attributes, "src")) Add(entries, *src);
    });
    return entries;
}

std::vector<std::string> ReadSmil(std::string_view text,
                                  const std::vector<std::string>& languages) {
    std::vector<Element> open(1);  // the document around it all
    const auto finishLast = [&open] {
        const Element done = std::move(open.back());
        open.pop_back();
        Finish(open.back(), done);
    };
    ForEachTag(text, [&](TagKind kind, std::string_view name, std::string_view attributes) {
        if (kind == TagKind::Close) {
            // Elements left open inside the one that ends end with it; an
            // end tag of no open element is ignored.
            const auto match = std::find_if(open.rbegin(), open.rend() - 1, [name](const auto& e) {
                return EqualsNoCase(e.name, name);
            });
            if (match == open.rend() - 1) return;
            const auto depth = static_cast<std::size_t>(open.rend() - match) - 1;
            while (open.size() > depth) finishLast();
            return;
        }
        Element element;
        element.name = name;
        element.isSwitch = EqualsNoCase(name, "switch");
        element.passes = TestsPass(attributes, languages);
        if (IsMedia(name)) {
            if (const auto src = Attribute(attributes, "src")) Add(element.entries, *src);
        }
        open.push_back(std::move(element));
        if (kind == TagKind::Empty || open.size() > kMaxNesting) finishLast();
    });
    while (open.size() > 1) finishLast();
    return std::move(open.front().entries);
}

}  // namespace rw
