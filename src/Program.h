#pragma once

#include <memory>
#include <string>

#include "platform/StdFileSystem.h"
#include "platform/desktop/SessionBus.h"
#include "window/Form.h"

namespace rw {

class MpvPlayer;
class QtWindow;
class QtSettingsStore;
class QtDialogs;
class QtDesktop;
class DesktopEvents;
class FilmControls;
class Commands;
class FilmInput;
class QtFilmServices;

// The real platform wired to the main window's logic: what main() runs, and
// what the integration tests start in-process.
class Program {
  public:
    // settingsFile empty: the user's configuration folder.
    explicit Program(std::string commandLine, std::string settingsFile = {});
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // Form_Load, then shows the window when no movie did.
    void Start();
    bool Unloaded() const;

    QtWindow& Window() { return *window_; }
    MpvPlayer& Player() { return *player_; }
    Form& MainForm() { return *form_; }
    QtSettingsStore& Settings() { return *settings_; }
    QtDesktop& Desktop() { return *desktop_; }
    FilmControls& Film() { return *film_; }
    Commands& Dispatcher() { return *commands_; }
    QtFilmServices& FilmServices() { return *filmServices_; }

  private:
    // Desktop services (see StartDesktop). Whether the session has a bus is
    // settled first, before the window is built: its accessibility would
    // otherwise start a bus of its own where there is none.
    const bool sessionBus_ = PrepareSessionBus();

    MpvPlayer* player_;  // owned by the window
    std::unique_ptr<QtWindow> window_;
    std::unique_ptr<QtSettingsStore> settings_;
    StdFileSystem files_;
    std::unique_ptr<QtDialogs> dialogs_;
    std::unique_ptr<Form> form_;

    // The film commands around the window: the menu on the movie,
    // the added keys, tracks, speed, the next movie, frames.
    void StartFilm();
    std::unique_ptr<QtFilmServices> filmServices_;
    std::unique_ptr<FilmControls> film_;
    std::unique_ptr<Commands> commands_;
    FilmInput* filmInput_ = nullptr;  // owned by the window

    // Desktop services: the screen held on while a movie plays, media keys
    // and widgets. Last, so they go first, while the player is still there.
    void StartDesktop();
    std::unique_ptr<DesktopEvents> desktopEvents_;
    std::unique_ptr<QtDesktop> desktop_;
};

}  // namespace rw
