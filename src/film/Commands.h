#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "film/FilmControls.h"
#include "platform/Commands.h"
#include "platform/Window.h"
#include "window/Form.h"

namespace rw {

// The command of a menu item of the window.
Action ActionOfMenu(Menu item);

// The one dispatcher of the program's commands. The window's events come
// here (its menu items, its keys, drops, the folder list), and so do the
// film's keys, the menu on the movie, the wheel and the desktop's media
// controls: each command runs through Run, which calls its handler.
class Commands final : public IFormEvents {
  public:
    // `film`: the film's commands; without them those do nothing.
    explicit Commands(Form& form, FilmControls* film = nullptr) : form_(form), film_(film) {}

    // Runs one command; each of its steps that fails is skipped. A change
    // of the film's shows a short line over the movie (film/ChangeLine.h).
    void Run(Action action);
    // The window was closed: keys and the desktop's commands do nothing.
    bool Unloaded() const { return unloaded_; }
    FilmControls* Film() { return film_; }
    Form& MainForm() { return form_; }

    void OnResize() override;
    void OnUnload() override;
    void OnMenu(Menu item) override;
    void OnKeyUp(std::int16_t& keyCode, std::int16_t shift) override;
    bool OnKeyDown(std::int16_t keyCode, std::int16_t shift) override;
    void OnDrop(DropTarget target, const std::vector<std::string>& files) override;
    void OnFilesDblClick() override;
    void OnFilesKeyDown(std::int16_t& keyCode, std::int16_t shift) override;

  private:
    // Run without the line over the movie.
    void RunOne(Action action);
    void RunFilm(Action action);

    Form& form_;
    FilmControls* film_;
    bool unloaded_ = false;
};

}  // namespace rw
