#pragma once

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "film/MovieMenu.h"
#include "film/Resume.h"
#include "platform/FilmServices.h"
#include "platform/PlayerControls.h"
#include "window/Form.h"

namespace rw {

// The speeds of the Speed menu and of the [ and ] keys, slowest first.
inline constexpr double kSpeeds[] = {0.5, 0.75, 1, 1.25, 1.5, 2};
// How far Sooner and Later move the subtitles.
inline constexpr double kSubtitleStep = 0.1;

// The next speed of kSpeeds up (direction > 0) or down from `current`; a
// speed between two steps goes to the nearer one in that direction; the
// ends stay where they are.
double SpeedStep(double current, int direction);
// The volume moved by `by` points, kept within 0 to 100.
double VolumeAfter(double volume, double by);
// The name a saved frame gets: the movie's name without its extension and
// the time, "Harbour lights 00-12-34.png"; "frame 00-00-00.png" without a name.
std::string FrameFileName(const std::string& movieName, double seconds);

// The film's state and its longer handlers, which the commands of the menu
// on the movie, the film's keys and the desktop's media controls run
// (film/Commands.h).
class FilmControls {
  public:
    FilmControls(Form& form, IPlayerControls& player, IFilmServices& services)
        : form_(form), player_(player), services_(services) {}

    IPlayerControls& Player() { return player_; }

    // Builds the menu on the movie for things as they are and shows it,
    // where the pointer is or, asked from the keyboard, over the movie; the
    // choice, none when it was closed without one.
    std::optional<Action> ChooseFromMenu(bool overMovie);
    MovieMenuState MenuState();
    // Opens the movie `step` places from the loaded one in its folder.
    void OpenNeighbour(int step);
    void SaveFrameAs();
    void LoadSubtitleFile();

    // The player loaded another movie (or none): its folder is listed for
    // the movies before and after it.
    void MovieChanged();
    // The names of a folder listed at MovieChanged's request.
    void FolderListed(const std::string& folder, std::vector<std::string> names);
    // The local movie `step` places from the loaded one in its folder, as a
    // full path; none at the ends, for an address, or while the folder is
    // still being listed.
    std::optional<std::string> Neighbour(int step);

    // Resume Where Left Off.
    bool resume = true;
    // Play Folder Through: at the end of a movie the next of its folder
    // opens, as Next Movie in Folder opens it.
    bool playThrough = false;

    // Playback went on, paused or reached the end.
    void PlaybackChanged();

    // Start-up, before the first movie: where films were left, Resume Where
    // Left Off, the volume and mute as they were at the last exit.
    void ReadSettings();
    // Exit: the playing movie's place, and the rest as ReadSettings reads
    // it. Another copy of the program may have stored places and options
    // meanwhile: only what changed here is laid over them.
    void WriteSettings();
    // The player is about to load `reference` in place of the movie it
    // has: that one's place is kept (and stored at once, so that of two
    // windows the one that left a movie later has the last word on its
    // place), and the new one starts where it was left.
    void MovieStarting(const std::string& reference);
    const ResumeList& Positions() const { return positions_; }

    // Files dropped on the window: a subtitle file goes to the loaded movie
    // (and with none loaded, nowhere); true when the drop was one. Anything
    // else is left to the window's drop handlers.
    bool Dropped(const std::vector<std::string>& files);

    // Told when whether there is a movie before or after may have changed.
    std::function<void()> onNeighboursChanged;

  private:
    void ListAgain();
    void RememberPlaying();
    // Stores the places and the options changed since the last time.
    void SaveKept(bool always);
    // Resume Where Left Off, Volume and Mute as they would be stored now;
    // none for a value the player cannot tell.
    std::vector<std::pair<const char*, std::optional<std::string>>> OptionTexts();

    Form& form_;
    IPlayerControls& player_;
    IFilmServices& services_;
    std::string listedFolder_;
    std::vector<std::string> names_;
    ResumeList positions_;
    bool atEnd_ = false;  // the movie was at its end when playback last changed
    // Each option's text as last read or stored here: an option still at
    // it was not changed in this run, and the store's value stands.
    std::map<std::string, std::string> optionsKept_;
};

}  // namespace rw
