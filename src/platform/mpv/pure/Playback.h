#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/PlayerControls.h"

namespace rw {

// libmpv's dropped-frame counters, for tests and benchmarks.
struct FrameDrops {
    long long droppedFrames = 0;         // frames the output dropped
    long long decoderDroppedFrames = 0;  // frames the decoder dropped
};

// Playback as libmpv last reported it through observed properties: the GUI
// thread reads this and never asks libmpv directly.
struct ObservedPlayback {
    double position = 0;
    double duration = 0;
    bool paused = true;
    bool atEnd = false;
    double volume = 100;
    bool muted = false;
    bool sound = false;  // a sound track is selected
    double speed = 1;
    double subtitleDelay = 0;
    std::vector<Track> subtitleTracks;
    std::vector<Track> audioTracks;
    std::vector<Chapter> chapters;
    FrameDrops drops;
    // libmpv's media-title: a web page's own title once yt-dlp has read it.
    std::string mediaTitle;

    // A new load began: nothing of the last movie's place, length or sound
    // is shown for it until libmpv reports the new one's.
    void NewLoad();
    // Playing, as the play bar's button shows it: a movie at its end is not.
    bool Playing() const { return !paused && !atEnd; }
};

// What changed while libmpv's events were drained; the signals go out
// afterwards, once libmpv's event is no longer in use.
struct PlaybackChanges {
    bool position = false;
    bool playback = false;
    bool speed = false;
    bool tracks = false;
    std::optional<double> seeked;  // where the last jump landed
};

// Where the next load starts: asked for before it, set as libmpv's start
// option for that load alone, and dropped once it has played from there (a
// movie that loops goes back to its beginning) or when the place turns out
// to lie past the movie's end (see StartPlace).
class StartRequest {
  public:
    // A place that is not a positive number asks for none.
    void Ask(double seconds);
    // A load begins: the place it starts at, taken for it alone.
    std::optional<double> TakeForLoad();
    // Whether the place taken is still set for the load; Drop clears it.
    bool Set() const { return set_; }
    double Place() const { return place_; }
    void Drop() { set_ = false; }

  private:
    std::optional<double> next_;
    bool set_ = false;
    double place_ = 0;
};

}  // namespace rw
