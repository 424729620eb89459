#pragma once

#include <optional>
#include <string>
#include <vector>

namespace rw {

// A local movie's folder and file name; none for an address (http://, ...)
// or an empty reference. "file:///" references count as local paths.
struct LocalMovie {
    std::string folder;
    std::string name;
};
std::optional<LocalMovie> SplitLocalMovie(const std::string& reference);

// The name `step` places after `current` (negative: before) in a folder's
// names as the folder list orders them; none past either end, or when
// `current` is not among them.
std::optional<std::string> NeighbourName(const std::vector<std::string>& names,
                                         const std::string& current, int step);

// Subtitle files, by extension: a drop of one goes to the playing movie.
// A .smi file is SAMI subtitles unless its text says it is a SMIL
// presentation (`smilText`: true when it does).
bool IsSubtitleFile(const std::string& name, bool smilText);

// The Load Subtitle File dialog's filter.
extern const char* const kSubtitleFilter;

}  // namespace rw
