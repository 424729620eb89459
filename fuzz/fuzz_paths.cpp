// Path helpers over references that come from the command line, the
// settings file, a drop or the URL box, in both path styles.

#include <algorithm>

#include "FuzzCheck.h"
#include "playback/OpenMovie.h"
#include "sources/Paths.h"
#include "sources/RecentList.h"

namespace {

using rw::PathStyle;
using rw::fuzz::EndsWith;

bool StartsWithFileUrl(const std::string& text) {
    static const std::string prefix = "file:///";
    if (text.size() < prefix.size()) return false;
    return std::equal(prefix.begin(), prefix.end(), text.begin(), [](char a, char b) {
        return a == (b >= 'A' && b <= 'Z' ? static_cast<char>(b - 'A' + 'a') : b);
    });
}

void CheckUrlToPath(const std::string& text) {
    const std::string posix = rw::UrlToPath(text, PathStyle::Posix);
    if (StartsWithFileUrl(text)) {
        FUZZ_CHECK(posix == text.substr(7));  // "file://" goes, the root "/" stays
    } else {
        FUZZ_CHECK(posix == text);
    }
    const std::string windows = rw::UrlToPath(text, PathStyle::Windows);
    FUZZ_CHECK(windows.find('/') == std::string::npos);
    FUZZ_CHECK(windows.size() == (StartsWithFileUrl(text) ? text.size() - 8 : text.size()));
}

void CheckFileNameOf(const std::string& text) {
    const std::string posix = rw::FileNameOf(text, PathStyle::Posix);
    FUZZ_CHECK(posix.find('/') == std::string::npos && EndsWith(text, posix));
    FUZZ_CHECK(posix.size() == text.size() || text[text.size() - posix.size() - 1] == '/');

    const std::string windows = rw::FileNameOf(text, PathStyle::Windows);
    FUZZ_CHECK(windows.find_first_of("/\\") == std::string::npos && EndsWith(text, windows));
    FUZZ_CHECK(windows.size() <= posix.size());
}

void CheckJoin(const std::string& text) {
    const auto cut = std::min(text.find('\n'), text.size());
    const std::string folder = text.substr(0, cut);
    const std::string name = cut < text.size() ? text.substr(cut + 1) : std::string();
    for (PathStyle style : {PathStyle::Posix, PathStyle::Windows}) {
        const char separator = style == PathStyle::Posix ? '/' : '\\';
        const std::string joined = rw::JoinFolderAndName(folder, name, style);
        FUZZ_CHECK(joined.starts_with(folder) && EndsWith(joined, name));
        FUZZ_CHECK(joined.size() - folder.size() - name.size() <= 1);
        FUZZ_CHECK(joined[joined.size() - name.size() - 1] == separator);
    }
}

void CheckCaptions(const std::string& text) {
    const std::string escaped = rw::EscapeAmpersands(text);
    const auto amps = std::count(text.begin(), text.end(), '&');
    FUZZ_CHECK(escaped.size() == text.size() + static_cast<std::size_t>(amps));
    std::string unescaped;
    for (std::size_t i = 0; i < escaped.size(); ++i) {
        unescaped += escaped[i];
        if (escaped[i] == '&') {
            FUZZ_CHECK(i + 1 < escaped.size() && escaped[i + 1] == '&');
            ++i;
        }
    }
    FUZZ_CHECK(unescaped == text);

    const std::string caption = rw::RecentCaption(7, text);
    FUZZ_CHECK(caption.starts_with("&8:"));
    FUZZ_CHECK(caption.substr(3) == rw::EscapeAmpersands(rw::FileNameOf(text)));
}

void CheckQuotes(const std::string& text) {
    const std::string stripped = rw::StripQuotes(text);
    if (text.size() >= 2 && text.front() == '"' && text.back() == '"') {
        FUZZ_CHECK(stripped.size() + 2 == text.size() &&
                   text.compare(1, stripped.size(), stripped) == 0);
    } else {
        FUZZ_CHECK(stripped == text);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text = rw::fuzz::TextOf(data, size);
    CheckUrlToPath(text);
    CheckFileNameOf(text);
    CheckJoin(text);
    CheckCaptions(text);
    CheckQuotes(text);
    return 0;
}
