#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace rw {

// Where a load asked to start at `place` seconds starts, once its length is
// known: there when it lies within the movie, else (none) from the
// beginning. A stored place may be stale or hand-edited; one at or past the
// end would show the last frame and end at once. A movie of unknown length
// (a stream) starts at the place; one that is not a number, at the start.
std::optional<double> StartPlace(double place, double duration);

// Follows the newest movie load through what libmpv reports about it, and
// decides when the load has settled: the display size is known, the movie
// turned out to have no picture, or it failed. No libmpv types here; the
// player translates events into these calls.
//
// libmpv names the playlist entry it created for a loadfile in the command's
// reply, and tags START_FILE and END_FILE with entry ids, so events of an
// older load (which may still trickle in) are told apart from the current
// one. Requests the player makes on behalf of a load (its video track, its
// display size) carry the load's serial number for the same reason.
class LoadTracker {
  public:
    enum class Phase { Idle, Waiting, Sized, NoPicture, Failed };
    enum class EndReason { Eof, Stop, Quit, Error, Redirect };

    // Starts a new load; any older one is forgotten. Returns its serial.
    std::uint64_t Begin(std::string reference);
    // The current load failed before reaching libmpv (a refused reference).
    void Fail();

    // The loadfile command of load `serial` was accepted as playlist entry
    // `entryId`, or rejected.
    void Accepted(std::uint64_t serial, std::int64_t entryId);
    void Rejected(std::uint64_t serial);

    void FileStarted(std::int64_t entryId);
    // Returns whether the loaded file is the current load's; then the player
    // asks for its video track.
    bool FileLoaded();
    void FileEnded(std::int64_t entryId, EndReason reason, std::int64_t insertId, int insertCount);
    // libmpv read the current load's file `entryId` as a playlist and queued
    // its entries. The player reads playlists itself and hands libmpv only
    // the entry to play, so libmpv's own expansion (a playlist it found
    // inside a file or behind a URL) would bypass the checks on references:
    // the load fails instead, and the player stops libmpv before the entries
    // play. Returns whether the file was the current load's.
    bool RefuseRedirect(std::int64_t entryId);
    // Whether the file libmpv plays now is the current load's, so that a
    // video reconfiguration is about its picture.
    bool OwnsPlayingFile() const { return playing_; }

    // `rotation` is the track's rotation metadata in degrees clockwise.
    void VideoTrackKnown(std::uint64_t serial, bool present, int rotation = 0);
    // The size of the decoded picture with its pixel aspect, before rotation.
    void DisplaySizeKnown(std::uint64_t serial, int width, int height);
    // Playback reached the end of the file.
    void ReachedEnd();

    std::uint64_t Serial() const { return serial_; }
    Phase CurrentPhase() const { return phase_; }
    bool Settled() const { return phase_ != Phase::Waiting; }
    // The reference being loaded or loaded; empty when idle or failed.
    std::string Reference() const;
    // The display size: pixel aspect and rotation applied.
    int Width() const { return width_; }
    int Height() const { return height_; }
    // How far the picture is turned for display: 0, 90, 180 or 270 degrees
    // clockwise.
    int Rotation() const { return rotation_; }

  private:
    bool Owns(std::int64_t entryId) const;

    std::uint64_t serial_ = 0;
    Phase phase_ = Phase::Idle;
    std::string reference_;
    std::vector<std::int64_t> entries_;  // ours, in playlist order
    bool playing_ = false;
    bool loaded_ = false;
    int width_ = 0;
    int height_ = 0;
    int rotation_ = 0;
};

}  // namespace rw
