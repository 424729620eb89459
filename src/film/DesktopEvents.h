#pragma once

#include <string>

#include "film/Commands.h"
#include "platform/Desktop.h"

namespace rw {

// The desktop's media commands, run as the program's commands.
class DesktopEvents final : public IDesktopEvents {
  public:
    explicit DesktopEvents(Commands& commands) : commands_(commands) {}

    void OnPlay() override { commands_.Run({Command::PlayIfLoaded}); }
    void OnPause() override { commands_.Run({Command::PauseIfLoaded}); }
    void OnStop() override { commands_.Run({Command::Stop}); }
    void OnOpen(const std::string& reference) override;
    void OnLoop(bool on) override { commands_.Run({Command::SetLoop, on ? 1.0 : 0.0}); }
    void OnQuit() override { commands_.Run({Command::Exit}); }
    bool LoopOn() override;
    void OnNext() override { commands_.Run({Command::NextMovie}); }
    void OnPrevious() override { commands_.Run({Command::PreviousMovie}); }
    bool CanGoNext() override;
    bool CanGoPrevious() override;
    void OnRate(double rate) override { commands_.Run({Command::SetSpeed, rate}); }
    void OnSeek(double seconds) override { commands_.Run({Command::SeekTo, seconds}); }
    void OnVolume(double percent) override { commands_.Run({Command::SetVolume, percent}); }

  private:
    Commands& commands_;
};

}  // namespace rw
