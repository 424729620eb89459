#include "formats/MidiFile.h"

#include <algorithm>
#include <bitset>
#include <cmath>
#include <string_view>

namespace rw {
namespace {

using Bytes = std::span<const unsigned char>;

constexpr std::uint32_t kDefaultTempo = 500'000;  // microseconds a quarter: 120 bpm
constexpr std::uint8_t kMetaTempo = 0x51;
constexpr std::uint8_t kMetaEndOfTrack = 0x2F;

bool HasTag(Bytes bytes, std::size_t at, std::string_view tag) {
    if (at > bytes.size() || bytes.size() - at < tag.size()) return false;
    return std::equal(tag.begin(), tag.end(), bytes.begin() + static_cast<std::ptrdiff_t>(at),
                      [](char a, unsigned char b) { return static_cast<unsigned char>(a) == b; });
}

std::uint32_t Le32(Bytes bytes, std::size_t at) {
    return static_cast<std::uint32_t>(bytes[at]) | static_cast<std::uint32_t>(bytes[at + 1]) << 8 |
           static_cast<std::uint32_t>(bytes[at + 2]) << 16 |
           static_cast<std::uint32_t>(bytes[at + 3]) << 24;
}

// Reads big-endian numbers and variable-length quantities, never past its
// end; a read that would is a failure the caller sees as nothing.
class Cursor {
  public:
    explicit Cursor(Bytes bytes) : bytes_(bytes) {}

    bool AtEnd() const { return pos_ >= bytes_.size(); }
    std::size_t Left() const { return bytes_.size() - pos_; }

    std::optional<std::uint8_t> Peek() const {
        if (AtEnd()) return std::nullopt;
        return bytes_[pos_];
    }
    std::optional<std::uint8_t> Byte() {
        if (AtEnd()) return std::nullopt;
        return bytes_[pos_++];
    }
    std::optional<std::uint32_t> Be(int count) {
        if (Left() < static_cast<std::size_t>(count)) return std::nullopt;
        std::uint32_t value = 0;
        for (int i = 0; i < count; ++i) value = value << 8 | bytes_[pos_++];
        return value;
    }
    // At most four bytes of seven bits, as the format allows.
    std::optional<std::uint32_t> VarLen() {
        std::uint32_t value = 0;
        for (int i = 0; i < 4; ++i) {
            const auto byte = Byte();
            if (!byte) return std::nullopt;
            value = value << 7 | (*byte & 0x7Fu);
            if ((*byte & 0x80u) == 0) return value;
        }
        return std::nullopt;
    }
    std::optional<Bytes> Take(std::size_t count) {
        if (Left() < count) return std::nullopt;
        const Bytes taken = bytes_.subspan(pos_, count);
        pos_ += count;
        return taken;
    }

  private:
    Bytes bytes_;
    std::size_t pos_ = 0;
};

// Data bytes that follow a channel status.
int DataBytesOf(std::uint8_t status) {
    const int kind = status & 0xF0;
    return kind == 0xC0 || kind == 0xD0 ? 1 : 2;
}

// The notes of one track, to tell when its last one ends. A note-off ends
// every sounding note of its key on its channel, as it does in FluidSynth,
// unless the sustain pedal holds the channel: the notes then end when the
// pedal is let go.
class Notes {
  public:
    void Event(std::uint64_t tick, std::uint8_t status, Bytes data) {
        const int channel = status & 0x0F;
        const int kind = status & 0xF0;
        if (kind == 0x90 && data[1] != 0) {
            sounding_.set(Key(channel, data[0]));
            any_ = true;
        } else if ((kind == 0x80 || kind == 0x90) && sounding_.test(Key(channel, data[0]))) {
            sounding_.reset(Key(channel, data[0]));
            if (pedal_.test(channel))
                held_.set(channel);
            else
                Ended(tick);
        } else if (kind == 0xB0 && data[0] == kSustainPedal) {
            const bool down = data[1] >= 64;
            if (!down && held_.test(channel)) Ended(tick);
            if (!down) held_.reset(channel);
            pedal_.set(channel, down);
        }
    }
    // The tick the track's last note ends, the track ending at `end`; nothing
    // for a track without notes.
    std::optional<std::uint64_t> LastEnd(std::uint64_t end) const {
        if (sounding_.any() || held_.any()) return end;
        return any_ ? std::optional(last_) : std::nullopt;
    }

  private:
    static constexpr std::uint8_t kSustainPedal = 64;
    static std::size_t Key(int channel, std::uint8_t key) {
        return static_cast<std::size_t>(channel) * 128 + (key & 0x7Fu);
    }
    void Ended(std::uint64_t tick) { last_ = std::max(last_, tick); }

    std::bitset<16 * 128> sounding_;
    std::bitset<16> pedal_;  // channels whose sustain pedal is down
    std::bitset<16> held_;   // channels with notes ended under the pedal
    bool any_ = false;
    std::uint64_t last_ = 0;
};

struct TrackEnds {
    std::uint64_t end = 0;                  // its end of track
    std::optional<std::uint64_t> lastNote;  // when its last note ends
};

// One track: its tempo changes go to `tempos`, its events count against
// `events`; where it and its notes end, or nothing when it is malformed.
std::optional<TrackEnds> ReadTrack(Bytes track, std::vector<MidiTempoChange>& tempos,
                                   std::size_t& events) {
    Cursor in(track);
    Notes notes;
    std::uint64_t tick = 0;
    std::uint8_t running = 0;
    while (!in.AtEnd()) {
        if (++events > kMaxMidiEvents) return std::nullopt;
        const auto delta = in.VarLen();
        if (!delta) return std::nullopt;
        tick += *delta;
        const auto first = in.Peek();
        if (!first) return std::nullopt;
        std::uint8_t status = running;
        if ((*first & 0x80u) != 0) {
            status = *first;
            in.Byte();
        } else if (running == 0) {
            return std::nullopt;  // a data byte with no status to run on
        }
        if (status == 0xFF) {
            const auto type = in.Byte();
            const auto length = type ? in.VarLen() : std::nullopt;
            const auto data = length ? in.Take(*length) : std::nullopt;
            if (!data) return std::nullopt;
            if (*type == kMetaEndOfTrack) return TrackEnds{tick, notes.LastEnd(tick)};
            if (*type == kMetaTempo && data->size() >= 3) {
                const std::uint32_t micros = static_cast<std::uint32_t>((*data)[0]) << 16 |
                                             static_cast<std::uint32_t>((*data)[1]) << 8 |
                                             (*data)[2];
                if (micros == 0) continue;  // no tempo: ignored
                if (tempos.size() >= kMaxMidiTempoChanges) return std::nullopt;
                tempos.push_back({tick, micros});
            }
        } else if (status == 0xF0 || status == 0xF7) {
            const auto length = in.VarLen();
            if (!length || !in.Take(*length)) return std::nullopt;
        } else if (status > 0xF0) {
            return std::nullopt;  // system messages have no place in a file
        } else {
            running = status;
            const auto data = in.Take(static_cast<std::size_t>(DataBytesOf(status)));
            if (!data) return std::nullopt;
            if (data->size() == 2) notes.Event(tick, status, *data);
        }
    }
    // A track without its end-of-track event ends with its last event.
    return TrackEnds{tick, notes.LastEnd(tick)};
}

}  // namespace

double MidiTiming::SecondsAt(std::uint64_t tick) const {
    if (ticksPerSecond > 0) return static_cast<double>(tick) / ticksPerSecond;
    if (ticksPerQuarter <= 0) return 0;
    double seconds = 0;
    std::uint64_t from = 0;
    std::uint32_t tempo = kDefaultTempo;
    for (const auto& change : tempos) {
        if (change.tick >= tick) break;
        seconds += static_cast<double>(change.tick - from) * tempo / ticksPerQuarter / 1e6;
        from = change.tick;
        tempo = change.microsPerQuarter;
    }
    return seconds + static_cast<double>(tick - from) * tempo / ticksPerQuarter / 1e6;
}

std::uint64_t MidiTiming::TickAt(double seconds) const {
    if (!(seconds > 0)) return 0;
    const auto ticksIn = [](double s, double perSecond) {
        const double ticks = std::floor(s * perSecond + 1e-9);
        return ticks >= 1.8e19 ? std::uint64_t{18'000'000'000'000'000'000u}
                               : static_cast<std::uint64_t>(ticks);
    };
    if (ticksPerSecond > 0) return ticksIn(seconds, ticksPerSecond);
    if (ticksPerQuarter <= 0) return 0;
    double at = 0;  // seconds at `from`
    std::uint64_t from = 0;
    std::uint32_t tempo = kDefaultTempo;
    for (const auto& change : tempos) {
        const double next =
            at + static_cast<double>(change.tick - from) * tempo / ticksPerQuarter / 1e6;
        if (next > seconds) break;
        at = next;
        from = change.tick;
        tempo = change.microsPerQuarter;
    }
    return from + ticksIn(seconds - at, ticksPerQuarter * 1e6 / tempo);
}

bool LooksLikeMidi(std::span<const unsigned char> head) {
    return HasTag(head, 0, "MThd") || (HasTag(head, 0, "RIFF") && HasTag(head, 8, "RMID"));
}

std::optional<std::span<const unsigned char>> StandardMidiData(
    std::span<const unsigned char> bytes) {
    if (HasTag(bytes, 0, "MThd")) return bytes;
    if (!LooksLikeMidi(bytes)) return std::nullopt;
    // RIFF chunks: a tag, a little-endian length, the data padded to an even
    // length. The RIFF length itself is often wrong, so the file's is used.
    std::size_t at = 12;
    while (at <= bytes.size() && bytes.size() - at >= 8) {
        const std::size_t length = Le32(bytes, at + 4);
        const std::size_t data = at + 8;
        if (HasTag(bytes, at, "data")) {
            if (length > bytes.size() - data) return std::nullopt;
            const auto smf = bytes.subspan(data, length);
            return HasTag(smf, 0, "MThd") ? std::optional(smf) : std::nullopt;
        }
        if (length > bytes.size() - data) return std::nullopt;
        at = data + length + (length & 1u);
    }
    return std::nullopt;
}

std::optional<MidiTiming> ReadMidiTiming(std::span<const unsigned char> bytes) {
    if (bytes.size() > kMaxMidiFileBytes) return std::nullopt;
    const auto smf = StandardMidiData(bytes);
    if (!smf) return std::nullopt;
    Cursor in(*smf);
    in.Take(4);  // "MThd"
    const auto headerLength = in.Be(4);
    if (!headerLength || *headerLength < 6) return std::nullopt;
    const auto header = in.Take(*headerLength);
    if (!header) return std::nullopt;
    Cursor head(*header);
    const auto format = head.Be(2);
    const auto tracks = head.Be(2);
    const auto division = head.Be(2);
    if (!format || !tracks || !division || *format > 2 || *tracks == 0) return std::nullopt;

    MidiTiming timing;
    timing.format = static_cast<int>(*format);
    timing.tracks = static_cast<int>(*tracks);
    if ((*division & 0x8000u) != 0) {
        // SMPTE: frames a second (as a negative byte) times ticks a frame.
        const int fps = 256 - static_cast<int>(*division >> 8);
        const int perFrame = static_cast<int>(*division & 0xFFu);
        if (fps != 24 && fps != 25 && fps != 29 && fps != 30) return std::nullopt;
        if (perFrame == 0) return std::nullopt;
        timing.ticksPerSecond = (fps == 29 ? 29.97 : fps) * perFrame;
    } else {
        if (*division == 0) return std::nullopt;
        timing.ticksPerQuarter = static_cast<int>(*division);
    }

    std::size_t events = 0;
    std::optional<std::uint64_t> lastNote;
    int found = 0;
    while (found < timing.tracks && !in.AtEnd()) {
        const auto tag = in.Take(4);
        const auto length = tag ? in.Be(4) : std::nullopt;
        const auto chunk = length ? in.Take(*length) : std::nullopt;
        if (!chunk) return std::nullopt;  // cut short
        if (!HasTag(*tag, 0, "MTrk")) continue;
        const auto ends = ReadTrack(*chunk, timing.tempos, events);
        if (!ends) return std::nullopt;
        timing.lastTick = std::max(timing.lastTick, ends->end);
        if (ends->lastNote) lastNote = std::max(lastNote.value_or(0), *ends->lastNote);
        ++found;
    }
    // FluidSynth reads as many tracks as the header names: fewer is a file
    // cut short.
    if (found < timing.tracks) return std::nullopt;
    // Without a note there is no music to end at: the file lasts as long as
    // its tracks.
    timing.musicEndTick = lastNote.value_or(timing.lastTick);
    // Tempo changes of every track make one map (format 1 keeps them in the
    // first track, but nothing stops another from setting one).
    std::stable_sort(timing.tempos.begin(), timing.tempos.end(),
                     [](const auto& a, const auto& b) { return a.tick < b.tick; });
    return timing;
}

}  // namespace rw
