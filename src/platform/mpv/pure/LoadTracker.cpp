#include "platform/mpv/pure/LoadTracker.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace rw {

std::optional<double> StartPlace(double place, double duration) {
    if (!std::isfinite(place) || place <= 0) return std::nullopt;
    if (!std::isfinite(duration) || duration <= 0) return place;
    if (place >= duration) return std::nullopt;
    return place;
}

std::uint64_t LoadTracker::Begin(std::string reference) {
    const auto serial = serial_ + 1;
    *this = LoadTracker();
    serial_ = serial;
    phase_ = Phase::Waiting;
    reference_ = std::move(reference);
    return serial_;
}

void LoadTracker::Fail() { phase_ = Phase::Failed; }

void LoadTracker::Accepted(std::uint64_t serial, std::int64_t entryId) {
    if (serial == serial_ && phase_ != Phase::Failed) entries_.push_back(entryId);
}

void LoadTracker::Rejected(std::uint64_t serial) {
    if (serial == serial_) Fail();
}

void LoadTracker::FileStarted(std::int64_t entryId) {
    if (Owns(entryId)) playing_ = true;
}

bool LoadTracker::FileLoaded() {
    if (!playing_) return false;
    loaded_ = true;
    return true;
}

void LoadTracker::FileEnded(std::int64_t entryId, EndReason reason, std::int64_t insertId,
                            int insertCount) {
    if (!Owns(entryId)) return;
    playing_ = false;
    loaded_ = false;
    switch (reason) {
        case EndReason::Redirect:
            // A playlist file: its entries are now ours; an empty one ends it.
            for (int i = 0; i < insertCount; ++i) entries_.push_back(insertId + i);
            if (insertCount <= 0) Fail();
            return;
        case EndReason::Stop:
        case EndReason::Quit:
            // Only a newer load or shutdown stops a file: nothing to decide.
            return;
        case EndReason::Eof:
        case EndReason::Error:
            break;
    }
    // libmpv goes on with the next entry of a playlist; only the last one's
    // end decides. A movie that played and then ended normally stays loaded.
    if (entryId != *std::max_element(entries_.begin(), entries_.end())) return;
    if (reason == EndReason::Error || phase_ == Phase::Waiting) Fail();
}

bool LoadTracker::RefuseRedirect(std::int64_t entryId) {
    if (!Owns(entryId)) return false;
    playing_ = false;
    loaded_ = false;
    Fail();
    return true;
}

void LoadTracker::VideoTrackKnown(std::uint64_t serial, bool present, int rotation) {
    if (serial != serial_ || !loaded_) return;
    // Quarter turns only: the metadata of phones and cameras; anything in
    // between is shown as the nearest quarter turn below it.
    rotation_ = (rotation % 360 + 360) % 360 / 90 * 90;
    if (!present && phase_ == Phase::Waiting) phase_ = Phase::NoPicture;
}

void LoadTracker::DisplaySizeKnown(std::uint64_t serial, int width, int height) {
    if (serial != serial_ || !playing_ || width <= 0 || height <= 0) return;
    if (phase_ == Phase::Failed || phase_ == Phase::Idle) return;
    const bool sideways = rotation_ == 90 || rotation_ == 270;
    width_ = sideways ? height : width;
    height_ = sideways ? width : height;
    phase_ = Phase::Sized;
}

void LoadTracker::ReachedEnd() {
    // A file whose video track yields no frame at all reaches its end without
    // ever configuring a picture: it plays (its sound, if any) without one.
    if (loaded_ && phase_ == Phase::Waiting) phase_ = Phase::NoPicture;
}

std::string LoadTracker::Reference() const {
    return phase_ == Phase::Idle || phase_ == Phase::Failed ? std::string() : reference_;
}

bool LoadTracker::Owns(std::int64_t entryId) const {
    return std::find(entries_.begin(), entries_.end(), entryId) != entries_.end();
}

}  // namespace rw
