#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace rw {

// What the player needs to know of a Standard MIDI File before it plays it:
// how long it lasts and where a moment in seconds falls in its ticks. Plain
// C++, for the stream that synthesises MIDI files (MidiStream.cpp), the tests
// and the fuzz target; every read is bounded.

// Larger files are refused: real MIDI files are a few hundred KiB at most.
inline constexpr std::size_t kMaxMidiFileBytes = 16 * 1024 * 1024;
// Events counted over all tracks before a file is refused as unreasonable.
inline constexpr std::size_t kMaxMidiEvents = 2'000'000;
// Tempo changes kept before a file is refused as unreasonable.
inline constexpr std::size_t kMaxMidiTempoChanges = 65'536;
// How long a file plays on after its last note has ended, for the release
// of its notes and the reverb to die away. With the small General MIDI font
// a note of each of the 128 programs, let go, falls below -60 dBFS within
// 1.4 s, but for two sound effects (seashore 2.1 s, rain 2.5 s): 2 s lets a
// last chord fade out without a long silence after it.
inline constexpr double kMidiReleaseSeconds = 2.0;

struct MidiTempoChange {
    std::uint64_t tick = 0;
    std::uint32_t microsPerQuarter = 500'000;
};

struct MidiTiming {
    int format = 0;
    int tracks = 0;
    // Ticks per quarter note; 0 for a file timed in SMPTE frames.
    int ticksPerQuarter = 0;
    // Ticks per second of a file timed in SMPTE frames; 0 otherwise.
    double ticksPerSecond = 0;
    // The tick of the last end of track over all tracks.
    std::uint64_t lastTick = 0;
    // The tick the last note ends: its note-off (or note-on of velocity 0),
    // the sustain pedal let go after it, or the end of its track for a note
    // still sounding there. Files often end their tracks long after their
    // music; without any note, lastTick.
    std::uint64_t musicEndTick = 0;
    // In tick order; the first at tick 0 (120 beats a minute unless the file
    // sets another tempo there).
    std::vector<MidiTempoChange> tempos;

    double SecondsAt(std::uint64_t tick) const;
    // The tick playing at `seconds`: the last one at or before it.
    std::uint64_t TickAt(double seconds) const;
    // How long the file plays: to the end of its music, and its release.
    double Duration() const { return SecondsAt(musicEndTick) + kMidiReleaseSeconds; }
};

// Whether the first bytes of a file are those of a MIDI file: "MThd", or a
// RIFF file of form "RMID" that wraps one.
bool LooksLikeMidi(std::span<const unsigned char> head);

// The Standard MIDI File in `bytes`: the bytes themselves when they start
// with "MThd", the "data" chunk of an RMID file; nothing for anything else.
std::optional<std::span<const unsigned char>> StandardMidiData(
    std::span<const unsigned char> bytes);

// The timing of a Standard MIDI File (an RMID file is unwrapped first).
// Nothing for a file that is not one, is larger than kMaxMidiFileBytes, has
// no track, a division of 0, a track or event cut short, a status byte where
// none may stand, more than kMaxMidiEvents events or more than
// kMaxMidiTempoChanges tempo changes. Chunks other than tracks are skipped.
std::optional<MidiTiming> ReadMidiTiming(std::span<const unsigned char> bytes);

}  // namespace rw
