#pragma once

namespace rw {

// The ways of keeping the screen on, in the order they are tried: the
// desktop's screen saver service on the session bus, the desktop portal's
// Inhibit, and last the X screen saver, reset now and then while the hold
// lasts. None: nothing is left to try.
enum class HoldWay { ScreenSaver, Portal, X11, None };

// Talks to the desktop for ScreenHold.
class IHoldWays {
  public:
    virtual ~IHoldWays() = default;
    // Asks `way` to hold the screen on. The answer comes through
    // ScreenHold::Answered, later or before Ask returns.
    virtual void Ask(HoldWay way) = 0;
    // Withdraws the hold that `way` granted.
    virtual void Withdraw(HoldWay way) = 0;
};

// Whether the screen is held on, and by which way, with answers that come
// late. One request goes out per change of the wanted state, and one at a
// time: a change that comes while a request is unanswered is applied when
// the answer comes, so a hold granted after it was no longer wanted is
// withdrawn at once. A way that refuses is not asked again; the next one
// is, now when the hold is still wanted, else at the next hold.
class ScreenHold {
  public:
    ScreenHold(IHoldWays& ways, HoldWay first) : ways_(ways), way_(first) {}

    void Set(bool on);
    // The answer to the request that is out.
    void Answered(bool granted);

    HoldWay Way() const { return way_; }
    bool Held() const { return held_; }
    bool Asking() const { return asking_; }

  private:
    void Apply();

    IHoldWays& ways_;
    HoldWay way_;
    bool wanted_ = false;
    bool held_ = false;
    bool asking_ = false;
};

}  // namespace rw
