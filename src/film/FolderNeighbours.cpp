#include "film/FolderNeighbours.h"

#include <algorithm>
#include <cctype>

#include "sources/Paths.h"

namespace rw {

const char* const kSubtitleFilter =
    "Subtitle Files|*.srt;*.ass;*.ssa;*.vtt;*.sub;*.idx;*.smi;*.sami;*.sup|All files (*.*)|*.*";

std::optional<LocalMovie> SplitLocalMovie(const std::string& reference) {
    const std::string path = UrlToPath(reference);
    // Only absolute paths: anything else is an address (scheme://...) or
    // nothing the player loads as a file.
    if (path.empty() || path.front() != '/') return std::nullopt;
    const std::size_t slash = path.rfind('/');
    LocalMovie movie{path.substr(0, slash == 0 ? 1 : slash), path.substr(slash + 1)};
    if (movie.name.empty()) return std::nullopt;
    return movie;
}

std::optional<std::string> NeighbourName(const std::vector<std::string>& names,
                                         const std::string& current, int step) {
    const auto at = std::find(names.begin(), names.end(), current);
    if (at == names.end()) return std::nullopt;
    const auto index = static_cast<long long>(at - names.begin()) + step;
    if (index < 0 || index >= static_cast<long long>(names.size()) || step == 0) {
        return std::nullopt;
    }
    return names[static_cast<std::size_t>(index)];
}

bool IsSubtitleFile(const std::string& name, bool smilText) {
    static const char* const kExtensions[] = {"srt", "ass", "ssa",  "vtt",
                                              "sub", "idx", "sami", "sup"};
    const std::string extension = ExtensionOf(name);
    if (extension == "smi") return !smilText;
    return std::find(std::begin(kExtensions), std::end(kExtensions), extension) !=
           std::end(kExtensions);
}

}  // namespace rw
