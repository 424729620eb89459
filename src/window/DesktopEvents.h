#pragma once

#include <string>

#include "platform/Desktop.h"
#include "window/Form.h"

namespace rw {

// Routes the desktop's media commands to the window's handlers, as
// FormEvents does for the window's own events.
class DesktopEvents final : public IDesktopEvents {
  public:
    explicit DesktopEvents(Form& form) : form_(form) {}

    void OnPlay() override;
    void OnPause() override;
    void OnStop() override;
    void OnOpen(const std::string& reference) override;
    void OnLoop(bool on) override;
    void OnQuit() override;
    bool LoopOn() override;

  private:
    Form& form_;
};

}  // namespace rw
