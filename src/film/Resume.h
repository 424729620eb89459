#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/SettingsStore.h"

namespace rw {

// Where films were left, kept between runs in a settings section of its own.
inline constexpr const char* kResumeSection = "Resume";
// The film options beside the window's in [Settings]: keys of their own.
inline constexpr const char* kResumeKey = "ResumeWhereLeftOff";
inline constexpr const char* kVolumeKey = "Volume";
inline constexpr const char* kMuteKey = "Mute";
inline constexpr const char* kPlayThroughKey = "PlayFolderThrough";

inline constexpr double kResumeMinimumLength = 300;  // seconds: films, not clips
inline constexpr double kResumeEndShare = 0.05;      // the credits: the last 5%...
inline constexpr double kResumeEndSeconds = 30;      // ...or 30 s, whichever is longer
inline constexpr double kResumeMinimumPosition = 5;  // hardly begun: start afresh
inline constexpr std::size_t kResumeCapacity = 100;

// Where a movie left at `position` of `duration` seconds starts next time;
// none when it starts from the beginning: a short movie, a stream without
// a duration, one hardly begun or left in its last minutes.
std::optional<double> ResumePoint(double position, double duration);

// One stored entry, "seconds|reference"; none for text that is not one, or
// for a place ResumePoint would not keep (under kResumeMinimumPosition).
std::optional<std::pair<double, std::string>> ParseResumeEntry(const std::string& text);
std::string FormatResumeEntry(double seconds, const std::string& reference);

// The positions of the last kResumeCapacity movies, newest first. A
// reference is kept as a local path where it is a file:/// address, so that
// every road to the same file finds it.
//
// Several copies of the program may share the store. Each keeps what it
// changed since it last saved, and Save lays only that over what the store
// holds by then: a place another copy stored stays unless this one changed
// the same movie's place later.
class ResumeList {
  public:
    void Remember(const std::string& reference, double seconds);
    void Forget(const std::string& reference);
    std::optional<double> Find(const std::string& reference) const;
    std::size_t Size() const { return entries_.size(); }
    // Places remembered or forgotten since the last Read or Save.
    bool Changed() const { return !changes_.empty(); }

    // Entries "0" (newest) to "99"; a damaged or foreign key is skipped, a
    // movie listed twice keeps its newer place. Never throws; false when
    // the store failed, the list then holding what was read so far.
    bool Read(ISettingsStore& store);
    // Writes the entries, and empties the keys that held entries before, so
    // that no stale entry remains.
    void Write(ISettingsStore& store);
    // Reloads the store, applies this list's changes to the places found
    // there, writes the result, which becomes this list, and stores it at
    // once. Never throws.
    void Save(ISettingsStore& store);

  private:
    void Apply(const std::string& reference, std::optional<double> seconds);

    std::vector<std::pair<std::string, double>> entries_;
    // How many keys the store may hold: those read or written before.
    std::size_t storedKeys_ = 0;
    // Since the last Read or Save, oldest first: a place, or none where
    // the movie's place was forgotten.
    std::vector<std::pair<std::string, std::optional<double>>> changes_;
};

}  // namespace rw
