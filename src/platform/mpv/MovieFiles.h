#pragma once

#include <QTemporaryDir>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace rw {

// What the player hands to libmpv for a reference. Playlists are read here,
// never by libmpv, so that every entry passes the same checks as a
// reference the user gave; pictures libmpv cannot read (MacPaint, PICT) are
// decoded here and handed on as a PNG file in a private folder.
class MovieFiles {
  public:
    // How deep playlists within playlists are followed, how many playlist
    // files one reference may make the player read, and how many entries
    // are tried at most.
    static constexpr int kMaxDepth = 4;
    static constexpr int kMaxReads = 32;
    static constexpr std::size_t kMaxTries = 64;

    // The references to try for `reference`, in order: the reference itself,
    // or for a local playlist its entries (resolved against its folder, and
    // those of playlists it lists), each allowed and openable. Empty when
    // nothing may be tried.
    static std::vector<std::string> Candidates(const std::string& reference);

    // The text for libmpv's loadfile for a candidate: the path of a picture
    // decoded for it, or the reference as libmpv takes it (also for a file
    // named or looking like one of ours that our readers refuse: libmpv may
    // know it). Nothing when a decoded picture cannot be written.
    std::optional<std::string> MpvTarget(const std::string& reference);

    // The subtitle files to show with a movie, each as SubtitleTarget gives
    // it: for a local movie the regular files of its subtitles beside it and
    // in its folders subs, Subs and subtitles (see IsSubtitleFor); none for
    // other references. A named pipe or a device named like them would hold
    // libmpv's core until it delivers, so libmpv does not search itself.
    // Starts the movie's own set of checked copies; the previous movie's go.
    std::vector<std::string> SubtitlesFor(const std::string& reference);

    // What libmpv is given for a subtitle file: the file itself, or a copy
    // whose sizes are brought within a screen (see BoundSubtitleText), kept
    // while the movie is; nothing for anything but a regular file, a file
    // that cannot be read or one too large to check. Each copy or refusal is
    // reported (reelwick.player).
    std::optional<std::string> SubtitleTarget(const std::string& path);

  private:
    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<QTemporaryDir> subtitleDir_;  // the movie's checked copies
    std::string previous_;                        // the last picture written, removed with the next
    int count_ = 0;
    int subtitleCount_ = 0;
};

// Whether libmpv may open what a reference names. A directory would become
// a playlist of whatever files it holds, and a device (/dev/zero, a camera)
// is no movie. A named pipe can carry a stream.
bool IsOpenable(const std::string& reference);

}  // namespace rw
