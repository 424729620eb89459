#pragma once

#include <cstddef>
#include <string>
#include <utility>
#include <vector>

namespace rw {

// How libmpv ended a file it could not play: its error code (mpv_error),
// translated by the player.
enum class LoadError { None, LoadingFailed, UnknownFormat, NothingToPlay, Other };

// What the player knows of a load that failed.
struct FailedLoad {
    LoadError error = LoadError::None;
    // The player refused the reference itself: libmpv never saw it.
    bool refused = false;
    // The reference names a file on this machine, and whether it is there.
    bool local = false;
    bool exists = false;
    // libmpv's warnings and errors during the load, "prefix: text" each
    // (prefix "ffmpeg", "stream", "ytdl_hook", ...), oldest first.
    std::vector<std::string> log;

    // Keeps a log line, up to kLogLines: the first ones tell why.
    static constexpr std::size_t kLogLines = 40;
    void Note(std::string line) {
        if (log.size() < kLogLines) log.push_back(std::move(line));
    }
};

// Why the movie cannot play, one sentence in the user's language with %1
// where the movie's name goes ("%1 was not found", "%1 could not be opened:
// the server answered 404 Not Found"). Text quoted from the log is kept to
// one line of limited length.
std::string FailureReason(const FailedLoad& load);

// The name a user knows a reference by: the file name of a local file (a
// path or a file:// URL), the whole address otherwise.
std::string ShownName(const std::string& reference);

}  // namespace rw
