#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace rw {

// The values MPRIS 2 speaks in, worked out from the player's state. No Qt
// and no D-Bus here, so each rule is tested on its own.

// Positions and lengths travel in microseconds.
std::int64_t ToMicroseconds(double seconds);

// What OpenUri hands to OpenMovie: a file:// URI with an empty host (what
// file managers send) becomes the local path it names, %-escapes decoded to
// bytes, so that the movie enters the recent list as a dropped file does;
// anything else goes on as it is, and the player refuses what it refuses.
// Empty (nothing to open) for a file URI whose path would hold a NUL byte.
std::string ReferenceOfUri(std::string_view uri);

// xesam:title: the file name, the part after the last "/"; the whole
// reference where that part is empty. For a web address, libmpv's media
// title where it has one (`mediaTitle`): a page's own title, as yt-dlp read it.
std::string TitleOf(std::string_view reference, std::string_view mediaTitle = {});

// xesam:url: a URL as it is; an absolute local path as a file:// URL with
// every byte outside the unreserved characters and "/" %-escaped. Empty for
// a relative path, which names no place a widget could reach.
std::string UrlOf(std::string_view reference);

// LoopStatus: "None" is off, "Track" on; "Playlist" is on as well, there
// being no playlist to repeat. Nothing for any other text.
std::optional<bool> LoopOfStatus(std::string_view status);
const char* LoopStatusOf(bool on);

// Seek(offset): from `position` by `offsetUs`, kept within the movie.
double SeekTarget(double position, std::int64_t offsetUs, double duration);

// SetPosition: the position in seconds, or nothing when it lies before the
// start or after the end (MPRIS asks that such a call be ignored).
std::optional<double> PositionTarget(std::int64_t us, double duration);

// Volume: MPRIS speaks of 0 to 1 for the player's 0 to 100%, which is all
// the program plays at (its keys and its stored Volume stop at 100). A
// value asked for beyond that range is held to it, and not-a-number asks
// for nothing; the player's volume is reported within the same range.
std::optional<double> VolumePercentOf(double volume);
double VolumeOfPercent(double percent);

// The D-Bus object path naming the movie of load `serial`.
std::string TrackIdOf(std::uint64_t serial);
// The track id that stands for "nothing loaded".
inline constexpr const char* kNoTrack = "/org/mpris/MediaPlayer2/TrackList/NoTrack";

// PlaybackStatus.
enum class Status { Playing, Paused, Stopped };
Status StatusOf(bool loaded, bool paused, bool atEnd);
const char* StatusText(Status status);

}  // namespace rw
