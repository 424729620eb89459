#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace rw {

// What the player tells libmpv's yt-dlp hook, which reads a web page for the
// movie on it when libmpv cannot open an http or https address itself.

// The language of the user's messages as a two- or three-letter code ("de"
// for "de_DE.UTF-8"), taken the way gettext takes it: the first entry of
// LANGUAGE, else LC_ALL, LC_MESSAGES, LANG, the first one set. Empty for the
// C locale, or when the value is not a language code.
std::string MessageLanguage(std::string_view language, std::string_view lcAll,
                            std::string_view lcMessages, std::string_view lang);

// The subtitle languages to ask yt-dlp for: the user's, then English.
std::string SubtitleLanguages(std::string_view messageLanguage);

// yt-dlp's choice of formats: the best picture no taller than the screen
// (in device pixels), and its sound; with no screen height, the best.
std::string PageFormat(int screenHeight);

// Where yt-dlp is looked for, in order: ~/.local/bin first, where
// `pip install --user` puts a newer one than the system's, then each folder
// of PATH. Relative folders of PATH are left out.
std::vector<std::string> YtDlpCandidates(std::string_view path, std::string_view home);

}  // namespace rw
