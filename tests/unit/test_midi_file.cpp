// The reader of MIDI files that tells the player how long one lasts and
// where a moment falls in its ticks, on hand-made files.

#include <gtest/gtest.h>

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

#include "formats/MidiFile.h"
#include "platform/mpv/MidiStream.h"
#include "platform/mpv/pure/References.h"

namespace rw {
namespace {

using Bytes = std::vector<unsigned char>;

Bytes Cat(std::initializer_list<Bytes> parts) {
    Bytes out;
    for (const auto& part : parts) out.insert(out.end(), part.begin(), part.end());
    return out;
}

Bytes Be32(std::uint32_t v) {
    return {static_cast<unsigned char>(v >> 24), static_cast<unsigned char>(v >> 16),
            static_cast<unsigned char>(v >> 8), static_cast<unsigned char>(v)};
}

Bytes Le32(std::uint32_t v) {
    return {static_cast<unsigned char>(v), static_cast<unsigned char>(v >> 8),
            static_cast<unsigned char>(v >> 16), static_cast<unsigned char>(v >> 24)};
}

Bytes Chunk(const char* tag, const Bytes& data) {
    return Cat({Bytes(tag, tag + 4), Be32(static_cast<std::uint32_t>(data.size())), data});
}

Bytes Header(int format, int tracks, int division) {
    return Chunk("MThd",
                 {0, static_cast<unsigned char>(format), static_cast<unsigned char>(tracks >> 8),
                  static_cast<unsigned char>(tracks), static_cast<unsigned char>(division >> 8),
                  static_cast<unsigned char>(division)});
}

Bytes Track(const Bytes& events) { return Chunk("MTrk", events); }

const Bytes kEnd = {0x00, 0xFF, 0x2F, 0x00};
// A note of a quarter at 96 ticks a quarter: 0.5 s at the default tempo.
const Bytes kQuarterNote = {0x00, 0x90, 0x3C, 0x40, 0x60, 0x80, 0x3C, 0x00};
// Tempo meta events at delta 0: 60 and 240 beats a minute.
const Bytes kTempo60 = {0x00, 0xFF, 0x51, 0x03, 0x0F, 0x42, 0x40};
const Bytes kTempo240 = {0x00, 0xFF, 0x51, 0x03, 0x03, 0xD0, 0x90};

Bytes Smf(const Bytes& events) { return Cat({Header(0, 1, 96), Track(events)}); }

TEST(MidiFile, TimingOfWellFormedFiles) {
    const struct {
        const char* name;
        Bytes bytes;
        std::uint64_t lastTick;
        double seconds;
    } cases[] = {
        {"one quarter note", Smf(Cat({kQuarterNote, kEnd})), 96, 0.5},
        {"running status", Smf(Cat({{0x00, 0x90, 0x3C, 0x40, 0x60, 0x3C, 0x00}, kEnd})), 96, 0.5},
        {"running status over a meta event",
         Smf(Cat({{0x00, 0x90, 0x3C, 0x40, 0x00, 0xFF, 0x01, 0x01, 'x', 0x60, 0x3C, 0x00}, kEnd})),
         96, 0.5},
        {"two-byte delta", Smf(Cat({{0x81, 0x00, 0x90, 0x3C, 0x40}, kEnd})), 128, 128 / 192.0},
        {"four-byte delta", Smf(Cat({{0x81, 0x80, 0x80, 0x00, 0xC0, 0x05}, kEnd})), 1u << 21,
         (1u << 21) / 192.0},
        {"program change has one data byte", Smf(Cat({{0x60, 0xC0, 0x05, 0x60, 0xD0, 0x10}, kEnd})),
         192, 1.0},
        {"end of track delayed", Smf({0x00, 0x90, 0x3C, 0x40, 0x83, 0x60, 0xFF, 0x2F, 0x00}), 480,
         2.5},
        {"no end of track: the last event ends it", Smf(kQuarterNote), 96, 0.5},
        {"bytes after the end of track are ignored", Smf(Cat({kQuarterNote, kEnd, {0x00, 0xF3}})),
         96, 0.5},
        {"tempo 60", Smf(Cat({kTempo60, kQuarterNote, kEnd})), 96, 1.0},
        {"tempo 60 then 240 after a quarter",
         Smf(Cat({kTempo60, kQuarterNote, kTempo240, {0x60, 0x90, 0x3C, 0x40}, kEnd})), 192, 1.25},
        {"zero tempo is ignored", Smf(Cat({{0x00, 0xFF, 0x51, 0x03, 0, 0, 0}, kQuarterNote, kEnd})),
         96, 0.5},
        {"sysex and escape",
         Smf(Cat({{0x00, 0xF0, 0x03, 0x7E, 0x7F, 0xF7, 0x60, 0xF7, 0x01, 0xF8}, kEnd})), 96, 0.5},
        {"format 1: the longest track, the first track's tempo",
         Cat({Header(1, 2, 96), Track(Cat({kTempo60, kEnd})),
              Track(Cat({kQuarterNote, kQuarterNote, kEnd}))}),
         192, 2.0},
        {"format 1: the longest track first",
         Cat({Header(1, 2, 96), Track(Cat({kQuarterNote, kQuarterNote, kEnd})),
              Track(Cat({kQuarterNote, kEnd}))}),
         192, 1.0},
        {"a tempo change in a later track counts",
         Cat({Header(1, 2, 96), Track(Cat({kQuarterNote, kEnd})),
              Track(Cat(
                  {{0x60, 0xFF, 0x51, 0x03, 0x0F, 0x42, 0x40}, {0x60, 0x90, 0x3C, 0x40}, kEnd}))}),
         192, 1.5},
        {"unknown chunks are skipped",
         Cat({Header(0, 1, 96), Chunk("XFIH", {1, 2, 3}), Track(Cat({kQuarterNote, kEnd}))}), 96,
         0.5},
        {"a longer header",
         Cat({Chunk("MThd", {0, 0, 0, 1, 0, 96, 9, 9}), Track(Cat({kQuarterNote, kEnd}))}), 96,
         0.5},
        {"SMPTE 25 fps, 40 ticks a frame",
         Cat({Header(0, 1, 0xE728), Track({0x83, 0x74, 0xFF, 0x2F, 0x00})}), 500, 0.5},
        {"SMPTE 29 means 29.97 fps, 40 ticks a frame",
         Cat({Header(0, 1, 0xE328), Track({0xDD, 0x54, 0xFF, 0x2F, 0x00})}), 11988, 10.0},
        {"empty track", Smf(kEnd), 0, 0.0},
        {"RMID",
         Cat({Bytes{'R', 'I', 'F', 'F'}, Le32(0), Bytes{'R', 'M', 'I', 'D'},
              Bytes{'L', 'I', 'S', 'T'}, Le32(3), Bytes{1, 2, 3, 0}, Bytes{'d', 'a', 't', 'a'},
              Le32(static_cast<std::uint32_t>(Smf(Cat({kQuarterNote, kEnd})).size())),
              Smf(Cat({kQuarterNote, kEnd}))}),
         96, 0.5},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_TRUE(LooksLikeMidi(c.bytes));
        const auto timing = ReadMidiTiming(c.bytes);
        ASSERT_TRUE(timing.has_value());
        EXPECT_EQ(timing->lastTick, c.lastTick);
        EXPECT_NEAR(timing->SecondsAt(timing->lastTick), c.seconds, 1e-9);
    }
}

// A file lasts until its last note has ended, however long its tracks run on.
TEST(MidiFile, MusicEndsWithItsLastNote) {
    // Four quarters of silence (2 s), then the end of track.
    const Bytes kLateEnd = {0x83, 0x00, 0xFF, 0x2F, 0x00};
    const struct {
        const char* name;
        Bytes bytes;
        std::uint64_t musicEndTick;
        double seconds;  // of music, before the release
    } cases[] = {
        {"note-off long before the end of track", Smf(Cat({kQuarterNote, kLateEnd})), 96, 0.5},
        {"note-on of velocity 0 ends the note",
         Smf(Cat({{0x00, 0x90, 0x3C, 0x40, 0x60, 0x90, 0x3C, 0x00}, kLateEnd})), 96, 0.5},
        {"no notes at all: the end of track", Smf(Cat({{0x00, 0xC0, 0x05}, kLateEnd})), 384, 2.0},
        {"a note held to the end of track",
         Smf(Cat({{0x00, 0x90, 0x40, 0x40}, kQuarterNote, kLateEnd})), 480, 2.5},
        {"a note-off ends only its own channel's note",
         Smf(Cat({{0x00, 0x91, 0x3C, 0x40}, kQuarterNote, kLateEnd})), 480, 2.5},
        {"a note-off with no note sounding",
         Smf(Cat({kQuarterNote, {0x60, 0x80, 0x3E, 0x00}, kLateEnd})), 96, 0.5},
        {"the sustain pedal holds a note until let go",
         Smf(Cat({{0x00, 0xB0, 0x40, 0x7F}, kQuarterNote, {0x60, 0xB0, 0x40, 0x00}, kLateEnd})),
         192, 1.0},
        {"a pedal down at the end of track holds the note to it",
         Smf(Cat({{0x00, 0xB0, 0x40, 0x7F}, kQuarterNote, kLateEnd})), 480, 2.5},
        {"a tempo change after the last note",
         Smf(Cat({kTempo60, kQuarterNote, {0x60, 0xFF, 0x51, 0x03, 0x03, 0xD0, 0x90}, kLateEnd})),
         96, 1.0},
        {"tempo changes before the last note",
         Smf(Cat({kTempo60, kQuarterNote, kTempo240, kQuarterNote, kLateEnd})), 192, 1.25},
        {"format 1: the last note of any track",
         Cat({Header(1, 2, 96), Track(Cat({kQuarterNote, kLateEnd})),
              Track(Cat({kQuarterNote, kQuarterNote, kEnd}))}),
         192, 1.0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto timing = ReadMidiTiming(c.bytes);
        ASSERT_TRUE(timing.has_value());
        EXPECT_EQ(timing->musicEndTick, c.musicEndTick);
        EXPECT_NEAR(timing->Duration(), c.seconds + kMidiReleaseSeconds, 1e-9);
    }
}

Bytes ManyEvents(std::size_t count, const Bytes& event) {
    Bytes events;
    events.reserve(count * event.size() + kEnd.size());
    for (std::size_t i = 0; i < count; ++i) events.insert(events.end(), event.begin(), event.end());
    return Cat({events, kEnd});
}

TEST(MidiFile, RefusesMalformedFiles) {
    const Bytes oneTrack = Smf(Cat({kQuarterNote, kEnd}));
    Bytes tooLarge = oneTrack;
    tooLarge.resize(kMaxMidiFileBytes + 1, 0);
    const struct {
        const char* name;
        Bytes bytes;
    } cases[] = {
        {"empty", {}},
        {"magic alone", {'M', 'T', 'h', 'd'}},
        {"header cut short", Bytes(oneTrack.begin(), oneTrack.begin() + 10)},
        {"header length under 6", Cat({Chunk("MThd", {0, 0, 0, 1}), Track(kEnd)})},
        {"header length past the end",
         Cat({Bytes{'M', 'T', 'h', 'd'}, Be32(0xFFFFFFFF), Bytes{0, 0, 0, 1, 0, 96}})},
        {"zero tracks", Header(0, 0, 96)},
        {"zero tracks and a track", Cat({Header(0, 0, 96), Track(kEnd)})},
        {"format 3", Cat({Header(3, 1, 96), Track(kEnd)})},
        {"division 0", Cat({Header(0, 1, 0), Track(kEnd)})},
        {"SMPTE with 0 ticks a frame", Cat({Header(0, 1, 0xE700), Track(kEnd)})},
        {"SMPTE at 23 fps", Cat({Header(0, 1, 0xE928), Track(kEnd)})},
        {"no track chunk", Header(0, 1, 96)},
        {"fewer tracks than the header names", Cat({Header(1, 2, 96), Track(kEnd)})},
        {"track length past the end",
         Cat({Header(0, 1, 96), Bytes{'M', 'T', 'r', 'k'}, Be32(0xFFFFFFFF), kEnd})},
        {"track cut short", Bytes(oneTrack.begin(), oneTrack.end() - 3)},
        {"event cut short", Smf({0x00, 0x90, 0x3C})},
        {"delta cut short", Smf({0x81})},
        {"delta of five bytes", Smf(Cat({{0x81, 0x80, 0x80, 0x80, 0x00, 0x90, 0x3C, 0x40}, kEnd}))},
        {"data byte with no status", Smf(Cat({{0x00, 0x3C, 0x40}, kEnd}))},
        {"system message in a track", Smf(Cat({{0x00, 0xF2, 0x00, 0x00}, kEnd}))},
        {"meta length past the track", Smf({0x00, 0xFF, 0x01, 0x7F, 'x'})},
        {"sysex length past the track", Smf({0x00, 0xF0, 0x8F, 0x7F, 0x7E})},
        {"meta type missing", Smf({0x00, 0xFF})},
        {"too many events", Smf(ManyEvents(kMaxMidiEvents + 1, {0x00, 0xB0, 0x07, 0x64}))},
        {"too many tempo changes", Smf(ManyEvents(kMaxMidiTempoChanges + 1, kTempo60))},
        {"larger than the bound", tooLarge},
        {"RIFF of another form",
         Cat({Bytes{'R', 'I', 'F', 'F'}, Le32(4), Bytes{'W', 'A', 'V', 'E'}, oneTrack})},
        {"RMID without data", Cat({Bytes{'R', 'I', 'F', 'F'}, Le32(4), Bytes{'R', 'M', 'I', 'D'}})},
        {"RMID chunk past the end",
         Cat({Bytes{'R', 'I', 'F', 'F'}, Le32(4), Bytes{'R', 'M', 'I', 'D'},
              Bytes{'d', 'a', 't', 'a'}, Le32(0xFFFFFFF0), oneTrack})},
        {"RMID data that is no MIDI file",
         Cat({Bytes{'R', 'I', 'F', 'F'}, Le32(4), Bytes{'R', 'M', 'I', 'D'},
              Bytes{'d', 'a', 't', 'a'}, Le32(4), Bytes{'M', 'T', 'r', 'k'}})},
        {"a WAV file", Cat({Bytes{'R', 'I', 'F', 'F'}, Le32(4), Bytes{'W', 'A', 'V', 'E'}})},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_FALSE(ReadMidiTiming(c.bytes).has_value());
    }
}

TEST(MidiFile, BoundsAreInclusive) {
    EXPECT_TRUE(ReadMidiTiming(Smf(ManyEvents(kMaxMidiEvents - 1, {0x00, 0xB0, 0x07, 0x64}))));
    EXPECT_TRUE(ReadMidiTiming(Smf(ManyEvents(kMaxMidiTempoChanges, kTempo60))));
}

TEST(MidiFile, LooksLikeMidiByMagic) {
    const struct {
        Bytes head;
        bool midi;
    } cases[] = {
        {{'M', 'T', 'h', 'd'}, true},
        {{'M', 'T', 'h', 'd', 0, 0, 0, 6}, true},
        {{'R', 'I', 'F', 'F', 0, 0, 0, 0, 'R', 'M', 'I', 'D'}, true},
        {{'R', 'I', 'F', 'F', 0, 0, 0, 0, 'W', 'A', 'V', 'E'}, false},
        {{'R', 'I', 'F', 'F', 0, 0, 0, 0, 'R', 'M', 'I'}, false},
        {{'M', 'T', 'h'}, false},
        {{'m', 't', 'h', 'd'}, false},
        {{'I', 'D', '3', 4}, false},
        {{}, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(LooksLikeMidi(c.head), c.midi) << std::string(c.head.begin(), c.head.end());
    }
}

// Seeking turns seconds into ticks: the inverse of the duration's sum over
// the tempo map, to the tick.
TEST(MidiFile, TicksAndSecondsAgreeAcrossTempoChanges) {
    const auto timing = ReadMidiTiming(Smf(Cat({kTempo60,
                                                kQuarterNote,
                                                kTempo240,
                                                kQuarterNote,
                                                {0x60, 0xFF, 0x51, 0x03, 0x07, 0xA1, 0x20},
                                                kQuarterNote,
                                                kEnd})));
    ASSERT_TRUE(timing);
    ASSERT_EQ(timing->tempos.size(), 3u);
    // 96 ticks at 60 bpm (1 s), 192 at 240 (0.5 s), 96 at 120 (0.5 s).
    const struct {
        std::uint64_t tick;
        double seconds;
    } points[] = {{0, 0.0},    {48, 0.5},  {96, 1.0},   {144, 1.125},
                  {192, 1.25}, {288, 1.5}, {336, 1.75}, {384, 2.0}};
    for (const auto& p : points) {
        EXPECT_NEAR(timing->SecondsAt(p.tick), p.seconds, 1e-9) << p.tick;
        EXPECT_EQ(timing->TickAt(p.seconds), p.tick) << p.seconds;
    }
    EXPECT_EQ(timing->TickAt(-1), 0u);
    EXPECT_EQ(timing->TickAt(1.0 - 1e-6), 95u);
    EXPECT_NEAR(timing->Duration(), 2.0 + kMidiReleaseSeconds, 1e-9);
}

// The stream that plays MIDI files is the player's own: nobody may name it.
TEST(MidiFile, InternalSchemeIsRefusedToUsers) {
    // Appended in place: GCC 12 warns of a false overrun in operator+ here.
    const auto scheme = [](const char* before, const char* after) {
        return std::string(before).append(kMidiStreamScheme).append(after);
    };
    for (const std::string& ref :
         {scheme("", ":///tmp/a.mid"), std::string("REELWICK-MIDI:///tmp/a.mid"),
          scheme("", "://%2Ftmp%2Fa.mid")}) {
        EXPECT_FALSE(IsAllowedReference(ref)) << ref;
    }
    // Without "//" it is a file name, and libmpv is told so.
    EXPECT_EQ(ToMpvPath(scheme("", ":/tmp/a.mid")), scheme("./", ":/tmp/a.mid"));
}

}  // namespace
}  // namespace rw
