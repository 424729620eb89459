#pragma once

#include <string>

#include "film/FilmControls.h"
#include "platform/Desktop.h"
#include "window/Form.h"

namespace rw {

// Routes the desktop's media commands to the window's handlers, as
// FormEvents does for the window's own events.
class DesktopEvents final : public IDesktopEvents {
  public:
    // `film`: the film commands, for the next and previous movie and the
    // speed; without them there are none.
    explicit DesktopEvents(Form& form, FilmControls* film = nullptr) : form_(form), film_(film) {}

    void OnPlay() override;
    void OnPause() override;
    void OnStop() override;
    void OnOpen(const std::string& reference) override;
    void OnLoop(bool on) override;
    void OnQuit() override;
    bool LoopOn() override;
    void OnNext() override;
    void OnPrevious() override;
    bool CanGoNext() override;
    bool CanGoPrevious() override;
    void OnRate(double rate) override;

  private:
    Form& form_;
    FilmControls* film_;
};

}  // namespace rw
