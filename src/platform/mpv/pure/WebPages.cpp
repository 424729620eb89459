#include "platform/mpv/pure/WebPages.h"

namespace rw {
namespace {

bool IsLetter(char c) { return c >= 'a' && c <= 'z'; }

// "de_DE.UTF-8@euro" -> "de"; "C", "POSIX", "C.UTF-8" and anything else that
// does not start with a lower-case code -> "".
std::string CodeOf(std::string_view locale) {
    std::size_t n = 0;
    while (n < locale.size() && IsLetter(locale[n])) ++n;
    if (n < 2 || n > 3) return {};
    if (n < locale.size() && locale[n] != '_' && locale[n] != '.' && locale[n] != '@') return {};
    return std::string(locale.substr(0, n));
}

}  // namespace

std::string MessageLanguage(std::string_view language, std::string_view lcAll,
                            std::string_view lcMessages, std::string_view lang) {
    const std::string_view locale = !lcAll.empty()        ? lcAll
                                    : !lcMessages.empty() ? lcMessages
                                                          : lang;
    // gettext ignores LANGUAGE when the locale is C.
    const std::string code = CodeOf(locale);
    if (code.empty()) return {};
    const std::string first = CodeOf(language.substr(0, language.find(':')));
    return first.empty() ? code : first;
}

std::string SubtitleLanguages(std::string_view messageLanguage) {
    if (messageLanguage.empty() || messageLanguage == "en") return "en";
    return std::string(messageLanguage) + ",en";
}

std::string PageFormat(int screenHeight) {
    if (screenHeight <= 0) return "bestvideo+bestaudio/best";
    const std::string h = std::to_string(screenHeight);
    return "bestvideo[height<=?" + h + "]+bestaudio/best[height<=?" + h + "]/best";
}

std::vector<std::string> YtDlpCandidates(std::string_view path, std::string_view home) {
    std::vector<std::string> found;
    if (!home.empty() && home.front() == '/') {
        std::string dir(home);
        if (dir.back() != '/') dir += '/';
        found.push_back(dir + ".local/bin/yt-dlp");
    }
    std::size_t start = 0;
    while (start <= path.size()) {
        std::size_t end = path.find(':', start);
        if (end == std::string_view::npos) end = path.size();
        std::string dir(path.substr(start, end - start));
        if (!dir.empty() && dir.front() == '/') {
            if (dir.back() != '/') dir += '/';
            found.push_back(dir + "yt-dlp");
        }
        start = end + 1;
    }
    return found;
}

}  // namespace rw
