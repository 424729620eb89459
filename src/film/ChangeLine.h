#pragma once

#include <string>
#include <vector>

#include "platform/Commands.h"
#include "platform/PictureControls.h"
#include "platform/PlayerControls.h"

namespace rw {

// Playback as the player last reported it, read just before a command runs.
// The player reports a change only some time after it was asked for, so the
// line of a command is worked out from this and the command, with the same
// arithmetic the command itself uses.
struct FilmState {
    bool movie = false;
    double position = 0;
    double duration = 0;  // 0 for a live stream
    bool paused = true;
    bool atEnd = false;
    double volume = 100;
    bool muted = false;
    double speed = 1;
    double subtitleDelay = 0;
    std::vector<Track> subtitles;
    std::vector<Track> audio;
    std::vector<Chapter> chapters;
    bool hasPicture = false;  // without one a picture command changes nothing
    PictureState picture;
    LoopPoints loop;
    double audioDelay = 0;
    std::vector<SoundDevice> devices;
    bool hardwareDecoding = false;
};

// Reads what the line of any command may need; a value the player cannot
// tell keeps its default.
FilmState ReadFilmState(IPlayerControls& player);

// The short line shown over the movie for about a second after `action`
// changed playback as it stood (`before`): "1:02 / 5:00", "Volume 80%",
// "Speed 1.5×", "Subtitles: English". Empty for a command that shows none
// (the window's menus among them) or that changes nothing here.
std::string ChangeLine(const Action& action, const FilmState& before);
// Whether ChangeLine has a line for `command` at all.
bool HasChangeLine(Command command);

// The subtitle delay after moving it by `by` seconds, rounded to tenths so
// that ten presses of a key make exactly a second.
double SubtitleDelayAfter(double delay, double by);

}  // namespace rw
