#pragma once

#include <functional>
#include <memory>

#include "platform/Desktop.h"
#include "platform/desktop/ScreenHold.h"

class QWidget;

namespace rw {

class HoldWays;
class Mpris;
class MpvPlayer;

// The desktop on Linux: the screen held on through the session bus or the
// X screen saver, and the program published as an MPRIS 2 player. Without
// a session bus (see PrepareSessionBus) the bus is never asked for: the X
// screen saver is the only way, and there are no media keys.
class QtDesktop final : public IDesktop {
  public:
    QtDesktop(bool sessionBus, MpvPlayer& player, QWidget& window, IDesktopEvents& events,
              std::function<bool()> windowClosed);
    // Withdraws a hold that is still there.
    ~QtDesktop() override;
    QtDesktop(const QtDesktop&) = delete;
    QtDesktop& operator=(const QtDesktop&) = delete;

    void HoldScreen(bool on) override;
    void LoopChanged() override;
    // Whether there is a movie before or after the playing one may have
    // changed; media widgets are told.
    void FilmChanged();

    // For tests: the way the screen is held or will be asked for next,
    // whether it is held, and the MPRIS name (empty without one).
    HoldWay ScreenHoldWay() const { return hold_->Way(); }
    bool ScreenHeld() const { return hold_->Held(); }
    const Mpris* MediaPlayer() const { return mpris_.get(); }

  private:
    std::unique_ptr<HoldWays> ways_;
    std::unique_ptr<ScreenHold> hold_;
    std::unique_ptr<Mpris> mpris_;
};

}  // namespace rw
