#include "platform/desktop/ScreenHold.h"

namespace rw {
namespace {

HoldWay After(HoldWay way) {
    switch (way) {
        case HoldWay::ScreenSaver:
            return HoldWay::Portal;
        case HoldWay::Portal:
            return HoldWay::X11;
        case HoldWay::X11:
        case HoldWay::None:
            break;
    }
    return HoldWay::None;
}

}  // namespace

void ScreenHold::Set(bool on) {
    if (on == wanted_) return;
    wanted_ = on;
    Apply();
}

void ScreenHold::Answered(bool granted) {
    if (!asking_) return;
    asking_ = false;
    if (granted) {
        held_ = true;
    } else {
        way_ = After(way_);
    }
    Apply();
}

void ScreenHold::Apply() {
    if (asking_) return;
    if (wanted_ && !held_ && way_ != HoldWay::None) {
        asking_ = true;
        ways_.Ask(way_);
    } else if (!wanted_ && held_) {
        held_ = false;
        ways_.Withdraw(way_);
    }
}

}  // namespace rw
