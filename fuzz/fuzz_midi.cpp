// MIDI files as the player reads them before FluidSynth plays them: any
// bytes at all, from a file named anything.

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <span>

#include "FuzzCheck.h"
#include "formats/MidiFile.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const unsigned char> bytes(data, size);
    const auto smf = rw::StandardMidiData(bytes);
    if (smf) {
        // What it finds lies within the file and starts as a MIDI file does.
        FUZZ_CHECK(smf->data() >= bytes.data());
        FUZZ_CHECK(smf->data() + smf->size() <= bytes.data() + bytes.size());
        FUZZ_CHECK(rw::LooksLikeMidi(*smf));
    }
    const auto timing = rw::ReadMidiTiming(bytes);
    if (!timing) return 0;
    FUZZ_CHECK(smf.has_value());
    FUZZ_CHECK(timing->tracks > 0);
    FUZZ_CHECK((timing->ticksPerQuarter > 0) != (timing->ticksPerSecond > 0));
    FUZZ_CHECK(timing->tempos.size() <= rw::kMaxMidiTempoChanges);
    for (std::size_t i = 0; i < timing->tempos.size(); ++i) {
        FUZZ_CHECK(timing->tempos[i].microsPerQuarter > 0);
        if (i > 0) FUZZ_CHECK(timing->tempos[i - 1].tick <= timing->tempos[i].tick);
    }
    FUZZ_CHECK(timing->musicEndTick <= timing->lastTick);
    const double duration = timing->Duration();
    FUZZ_CHECK(std::isfinite(duration) && duration >= 0);
    // Seconds and ticks agree: a moment maps to a tick no later than it, and
    // time never runs backwards over the file.
    for (const double fraction : {0.0, 0.25, 0.5, 1.0}) {
        const double at = duration * fraction;
        const std::uint64_t tick = timing->TickAt(at);
        FUZZ_CHECK(timing->SecondsAt(tick) <= at + 1e-6 * (1 + at));
        FUZZ_CHECK(timing->SecondsAt(tick) <= timing->SecondsAt(tick + 1));
    }
    return 0;
}
