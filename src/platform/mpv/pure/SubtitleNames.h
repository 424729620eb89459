#pragma once

#include <array>
#include <string_view>

namespace rw {

// The folders beside a movie, within its own, that are searched for its
// subtitle files as well.
constexpr std::array<std::string_view, 3> kSubtitleFolders = {"subs", "Subs", "subtitles"};

// Whether the file named `file` is a subtitle file of the movie named
// `movie` (both names without folders): it has a subtitle file's extension
// and its name starts with the movie's name without its extension, letter
// case aside ("Film.en.srt", "film-commentary.ass" for "Film.mp4").
bool IsSubtitleFor(std::string_view movie, std::string_view file);

}  // namespace rw
