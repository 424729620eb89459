#include "platform/mpv/pure/Playback.h"

#include <cmath>

namespace rw {

void ObservedPlayback::NewLoad() {
    atEnd = false;
    sound = false;
    position = 0;
    duration = 0;
    mediaTitle.clear();
}

void StartRequest::Ask(double seconds) {
    if (std::isfinite(seconds) && seconds > 0) {
        next_ = seconds;
    } else {
        next_.reset();
    }
}

std::optional<double> StartRequest::TakeForLoad() {
    const std::optional<double> start = next_;
    set_ = start.has_value();
    place_ = start.value_or(0);
    next_.reset();
    return start;
}

}  // namespace rw
