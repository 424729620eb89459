#include "platform/mpv/LoadTracker.h"

#include <algorithm>
#include <utility>

namespace rw {

std::uint64_t LoadTracker::Begin(std::string reference) {
    const auto serial = m_serial + 1;
    *this = LoadTracker();
    m_serial = serial;
    m_phase = Phase::Waiting;
    m_reference = std::move(reference);
    return m_serial;
}

void LoadTracker::Fail() { m_phase = Phase::Failed; }

void LoadTracker::Accepted(std::uint64_t serial, std::int64_t entryId) {
    if (serial == m_serial && m_phase != Phase::Failed) m_entries.push_back(entryId);
}

void LoadTracker::Rejected(std::uint64_t serial) {
    if (serial == m_serial) Fail();
}

void LoadTracker::FileStarted(std::int64_t entryId) {
    if (Owns(entryId)) m_playing = true;
}

bool LoadTracker::FileLoaded() {
    if (!m_playing) return false;
    m_loaded = true;
    return true;
}

void LoadTracker::FileEnded(std::int64_t entryId, EndReason reason, std::int64_t insertId,
                            int insertCount) {
    if (!Owns(entryId)) return;
    m_playing = false;
    m_loaded = false;
    switch (reason) {
        case EndReason::Redirect:
            // A playlist file: its entries are now ours; an empty one ends it.
            for (int i = 0; i < insertCount; ++i) m_entries.push_back(insertId + i);
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
    if (entryId != *std::max_element(m_entries.begin(), m_entries.end())) return;
    if (reason == EndReason::Error || m_phase == Phase::Waiting) Fail();
}

void LoadTracker::VideoTrackKnown(std::uint64_t serial, bool present, int rotation) {
    if (serial != m_serial || !m_loaded) return;
    // Quarter turns only: the metadata of phones and cameras; anything in
    // between is shown as the nearest quarter turn below it.
    m_rotation = (rotation % 360 + 360) % 360 / 90 * 90;
    if (!present && m_phase == Phase::Waiting) m_phase = Phase::NoPicture;
}

void LoadTracker::DisplaySizeKnown(std::uint64_t serial, int width, int height) {
    if (serial != m_serial || !m_playing || width <= 0 || height <= 0) return;
    if (m_phase == Phase::Failed || m_phase == Phase::Idle) return;
    const bool sideways = m_rotation == 90 || m_rotation == 270;
    m_width = sideways ? height : width;
    m_height = sideways ? width : height;
    m_phase = Phase::Sized;
}

void LoadTracker::ReachedEnd() {
    // A file whose video track yields no frame at all reaches its end without
    // ever configuring a picture: it plays (its sound, if any) without one.
    if (m_loaded && m_phase == Phase::Waiting) m_phase = Phase::NoPicture;
}

std::string LoadTracker::Reference() const {
    return m_phase == Phase::Idle || m_phase == Phase::Failed ? std::string() : m_reference;
}

bool LoadTracker::Owns(std::int64_t entryId) const {
    return std::find(m_entries.begin(), m_entries.end(), entryId) != m_entries.end();
}

}  // namespace rw
