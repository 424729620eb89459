#pragma once

#include <string>

namespace rw {

// What a media key or a desktop's media widget asks of the program (MPRIS 2).
// Each command runs the handler of the menu item that does the same, so the
// check marks, the settings and the recent list end up as the menu would
// leave them. Any call may throw; the desktop layer runs each in Step().
class IDesktopEvents {
  public:
    virtual ~IDesktopEvents() = default;
    virtual void OnPlay() = 0;
    virtual void OnPause() = 0;
    // Pauses and goes back to the start.
    virtual void OnStop() = 0;
    // Opens a movie reference: a local path or a URL.
    virtual void OnOpen(const std::string& reference) = 0;
    // Turns Loop Movie on or off; nothing when it already is.
    virtual void OnLoop(bool on) = 0;
    // Closes the window the normal way, so the settings are written.
    virtual void OnQuit() = 0;
    // The Loop Movie option as its menu item shows it.
    virtual bool LoopOn() = 0;
    // The movie after or before the playing one in its folder, as Next Movie
    // in Folder and Previous Movie in Folder open them, and whether there is
    // one.
    virtual void OnNext() = 0;
    virtual void OnPrevious() = 0;
    virtual bool CanGoNext() = 0;
    virtual bool CanGoPrevious() = 0;
    // Plays at this speed (1 normal), as the Speed menu does.
    virtual void OnRate(double rate) = 0;
    // Goes to this place of the movie, in seconds; sets the volume in percent.
    virtual void OnSeek(double seconds) = 0;
    virtual void OnVolume(double percent) = 0;
};

// The desktop session around the window.
class IDesktop {
  public:
    virtual ~IDesktop() = default;
    // Asks the desktop not to blank the screen or go idle while `on`, and
    // withdraws the request otherwise. Only a change reaches the desktop.
    virtual void HoldScreen(bool on) = 0;
    // The Loop Movie option changed; media widgets are told.
    virtual void LoopChanged() = 0;
};

// Playback as far as holding the screen on is concerned.
struct PlaybackState {
    bool loaded = false;   // a movie's load settled and did not fail
    bool picture = false;  // it has a picture (sound alone has none)
    bool playing = false;  // not paused
    bool atEnd = false;    // stopped at its end
};

// The screen is held on while a movie with a picture plays: someone is
// watching. Sound alone, a paused movie, one at its end, or nothing loaded
// leave the screen to the desktop's own rules.
constexpr bool ShouldHoldScreen(const PlaybackState& s) {
    return s.loaded && s.picture && s.playing && !s.atEnd;
}

}  // namespace rw
