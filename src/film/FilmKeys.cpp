#include "film/FilmKeys.h"

#include <cmath>

#include "platform/Keys.h"

namespace rw {

std::optional<FilmAction> FilmKeyAction(std::int16_t keyCode, std::int16_t shift) {
    using namespace keys;
    // Alt belongs to the menu bar's access keys, Shift and Ctrl to the
    // window's shortcuts; only Ctrl with the side arrows is the film's.
    if (shift == kCtrl) {
        if (keyCode == kLeft) return FilmAction{FilmCommand::SeekBy, -kLongSeek};
        if (keyCode == kRight) return FilmAction{FilmCommand::SeekBy, kLongSeek};
        return std::nullopt;
    }
    if (shift != 0) return std::nullopt;
    switch (keyCode) {
        case kSpace:
            return FilmAction{FilmCommand::PlayPause};
        case kLeft:
            return FilmAction{FilmCommand::SeekBy, -kShortSeek};
        case kRight:
            return FilmAction{FilmCommand::SeekBy, kShortSeek};
        case kUp:
            return FilmAction{FilmCommand::VolumeBy, kVolumeStep};
        case kDown:
            return FilmAction{FilmCommand::VolumeBy, -kVolumeStep};
        case kM:
            return FilmAction{FilmCommand::Mute};
        case kBracketLeft:
            return FilmAction{FilmCommand::SpeedDown};
        case kBracketRight:
            return FilmAction{FilmCommand::SpeedUp};
        case kBackspace:
            return FilmAction{FilmCommand::SpeedNormal};
        case kPageUp:
            return FilmAction{FilmCommand::PreviousMovie};
        case kPageDown:
            return FilmAction{FilmCommand::NextMovie};
        case kComma:
            return FilmAction{FilmCommand::FrameBack};
        case kPeriod:
            return FilmAction{FilmCommand::FrameForward};
        case kZ:
            return FilmAction{FilmCommand::SubtitlesSooner};
        case kX:
            return FilmAction{FilmCommand::SubtitlesLater};
        default:
            return std::nullopt;
    }
}

FilmAction WheelAction(double notches) {
    return {FilmCommand::VolumeBy, std::isfinite(notches) ? notches * kVolumeStep : 0};
}

}  // namespace rw
