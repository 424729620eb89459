#pragma once

#include <optional>
#include <string>
#include <string_view>

struct mpv_handle;

namespace rw {

// MIDI files hold notes, not sound, and libmpv cannot play them. The player
// hands libmpv a stream of its own for them instead: a WAV file (16-bit
// stereo PCM at 44.1 kHz, its length that of the music) that FluidSynth
// synthesises with a General MIDI sound font as libmpv reads it, so sound
// starts at once, however long the file, and libmpv seeks, pauses, loops and
// sets the volume as for any file of sound.
//
// Only the player names this stream: IsAllowedReference refuses its scheme
// (as any scheme it does not list), so a typed URL, a drop or a settings file
// cannot reach it.
inline constexpr std::string_view kMidiStreamScheme = "reelwick-midi";

// Registers the stream with a libmpv core. False when libmpv refused it;
// MIDI files then fail to load as any file libmpv cannot read.
bool AddMidiStream(mpv_handle* mpv);

// What to give libmpv's loadfile for a reference that names a local MIDI
// file (by its first bytes: "MThd", or RIFF "RMID"); nothing for anything
// else, which libmpv opens itself.
std::optional<std::string> MidiStreamUri(const std::string& reference);

// The General MIDI sound font the stream plays with: the larger one when
// installed, else the small one the package depends on; nothing when none
// is installed.
std::optional<std::string> MidiSoundFont();

}  // namespace rw
