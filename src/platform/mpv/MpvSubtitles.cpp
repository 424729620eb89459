// MpvPlayer's loading of a movie with its subtitle files, which the player
// finds and checks itself (see MovieFiles::SubtitlesFor).

#include <mpv/client.h>

#include <vector>

#include "platform/mpv/MpvPlayer.h"

namespace rw {

bool MpvPlayer::StartLoad(std::uint64_t tag, const std::string& path,
                          const std::string& reference) {
    const std::vector<std::string> subtitles = files_.SubtitlesFor(reference);
    // loadfile with named arguments; each subtitle file is one option of
    // the movie's own, sub-files-append, which takes its value whole: a path
    // with ':' or ',' needs no escaping.
    std::vector<mpv_node> options(subtitles.size());
    std::vector<char*> keys(subtitles.size(), const_cast<char*>("sub-files-append"));
    for (std::size_t i = 0; i < subtitles.size(); ++i) {
        options[i].format = MPV_FORMAT_STRING;
        options[i].u.string = const_cast<char*>(subtitles[i].c_str());
    }
    mpv_node_list optionList{static_cast<int>(options.size()), options.data(), keys.data()};
    mpv_node values[4];
    char* names[4] = {const_cast<char*>("name"), const_cast<char*>("url"),
                      const_cast<char*>("flags"), const_cast<char*>("options")};
    const char* texts[3] = {"loadfile", path.c_str(), "replace"};
    for (int i = 0; i < 3; ++i) {
        values[i].format = MPV_FORMAT_STRING;
        values[i].u.string = const_cast<char*>(texts[i]);
    }
    values[3].format = MPV_FORMAT_NODE_MAP;
    values[3].u.list = &optionList;
    mpv_node_list argList{subtitles.empty() ? 3 : 4, values, names};
    mpv_node command;
    command.format = MPV_FORMAT_NODE_MAP;
    command.u.list = &argList;
    return mpv_command_node_async(mpv_, tag, &command) >= 0;
}

}  // namespace rw
