#include "platform/mpv/MidiStream.h"

#include <fluidsynth.h>
#include <mpv/client.h>
#include <mpv/stream_cb.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <mutex>
#include <vector>

#include "formats/MidiFile.h"
#include "platform/mpv/pure/References.h"

namespace rw {
namespace {

// Installed by Debian's fluid-soundfont-gm and timgm6mb-soundfont; the last
// is the one the system chose among those installed.
constexpr const char* kSoundFonts[] = {
    "/usr/share/sounds/sf2/FluidR3_GM.sf2",
    "/usr/share/sounds/sf2/TimGM6mb.sf2",
    "/usr/share/sounds/sf2/default-GM.sf2",
};

constexpr int kRate = 44'100;
constexpr int kChannels = 2;
constexpr int kFrameBytes = kChannels * 2;
constexpr std::size_t kHeaderBytes = 44;
// Frames synthesised in one go: reads are split in pieces no larger.
constexpr std::size_t kChunkFrames = 4096;

void PutLe(std::array<unsigned char, kHeaderBytes>& to, std::size_t at, std::uint32_t value,
           int bytes) {
    for (int i = 0; i < bytes; ++i) to[at + i] = static_cast<unsigned char>(value >> (8 * i));
}

std::string Escaped(const std::string& bytes) {
    constexpr char kHex[] = "0123456789ABCDEF";
    std::string out;
    for (const char c : bytes) {
        const auto b = static_cast<unsigned char>(c);
        if ((b >= 'a' && b <= 'z') || (b >= 'A' && b <= 'Z') || (b >= '0' && b <= '9') ||
            std::strchr("/._-~", b) != nullptr) {
            out += c;
        } else {
            out += '%';
            out += kHex[b >> 4];
            out += kHex[b & 0x0F];
        }
    }
    return out;
}

std::optional<std::string> Unescaped(std::string_view text) {
    const auto hex = [](char c) -> int {
        if (c >= '0' && c <= '9') return c - '0';
        if (c >= 'A' && c <= 'F') return c - 'A' + 10;
        if (c >= 'a' && c <= 'f') return c - 'a' + 10;
        return -1;
    };
    std::string out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '%') {
            out += text[i];
            continue;
        }
        if (i + 2 >= text.size()) return std::nullopt;
        const int high = hex(text[i + 1]);
        const int low = hex(text[i + 2]);
        if (high < 0 || low < 0) return std::nullopt;
        out += static_cast<char>(high << 4 | low);
        i += 2;
    }
    return out;
}

std::string Prefix() {
    // Appended in place: GCC 12 warns of a false overrun in operator+ here.
    std::string prefix(kMidiStreamScheme);
    prefix += "://";
    return prefix;
}

// The whole file, when it is a regular file no larger than MIDI files get.
std::optional<std::vector<unsigned char>> ReadSmallFile(const std::string& path) {
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) return std::nullopt;
    const auto size = std::filesystem::file_size(path, error);
    if (error || size > kMaxMidiFileBytes) return std::nullopt;
    std::ifstream in(path, std::ios::binary);
    std::vector<unsigned char> bytes(size);
    if (!in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(size)))
        return std::nullopt;
    return bytes;
}

// FluidSynth's own messages would go to the terminal; a file it cannot read
// is refused as any bad file, without a word.
void QuietFluidSynth() {
    static std::once_flag once;
    std::call_once(once, [] {
        for (int level = FLUID_PANIC; level < LAST_LOG_LEVEL; ++level)
            fluid_set_log_function(level, nullptr, nullptr);
    });
}

// One open stream: its own FluidSynth, used only on the libmpv thread that
// reads the stream (libmpv never calls one stream's callbacks at once).
class MidiRender {
  public:
    MidiRender(std::vector<unsigned char> file, std::span<const unsigned char> smf,
               MidiTiming timing)
        : file_(std::move(file)), smf_(smf), timing_(std::move(timing)) {
        const double seconds = timing_.Duration();
        frames_ = static_cast<std::uint64_t>(std::min(seconds, 24.0 * 3600) * kRate);
        const auto dataBytes = static_cast<std::uint32_t>(frames_ * kFrameBytes);
        header_ = {'R', 'I', 'F', 'F', 0, 0, 0,  0, 'W', 'A', 'V', 'E', 'f', 'm',
                   't', ' ', 16,  0,   0, 0, 1,  0, 2,   0,   0,   0,   0,   0,
                   0,   0,   0,   0,   4, 0, 16, 0, 'd', 'a', 't', 'a'};
        PutLe(header_, 4, dataBytes + kHeaderBytes - 8, 4);
        PutLe(header_, 24, kRate, 4);
        PutLe(header_, 28, kRate * kFrameBytes, 4);
        PutLe(header_, 40, dataBytes, 4);
    }
    ~MidiRender() {
        if (player_ != nullptr) delete_fluid_player(player_);
        if (synth_ != nullptr) delete_fluid_synth(synth_);
        if (settings_ != nullptr) delete_fluid_settings(settings_);
    }
    MidiRender(const MidiRender&) = delete;
    MidiRender& operator=(const MidiRender&) = delete;

    bool Start(const std::string& soundFont) {
        settings_ = new_fluid_settings();
        if (settings_ == nullptr) return false;
        fluid_settings_setnum(settings_, "synth.sample-rate", kRate);
        fluid_settings_setint(settings_, "synth.threadsafe-api", 0);
        fluid_settings_setint(settings_, "synth.lock-memory", 0);
        fluid_settings_setstr(settings_, "player.timing-source", "sample");
        // A sound font's samples load when a program first asks for them: a
        // file uses a few of its instruments, and sound starts sooner (the
        // small font's full load takes twice as long; the large one's much
        // longer).
        fluid_settings_setint(settings_, "synth.dynamic-sample-loading", 1);
        synth_ = new_fluid_synth(settings_);
        return synth_ != nullptr &&
               fluid_synth_sfload(synth_, soundFont.c_str(), 1) != FLUID_FAILED;
    }

    std::int64_t Size() const {
        return static_cast<std::int64_t>(kHeaderBytes + frames_ * kFrameBytes);
    }

    std::int64_t Seek(std::int64_t offset) {
        if (offset < 0 || offset > Size()) return MPV_ERROR_GENERIC;
        pos_ = static_cast<std::uint64_t>(offset);
        return offset;
    }

    std::int64_t Read(char* buffer, std::uint64_t wanted) {
        const auto size = static_cast<std::uint64_t>(Size());
        if (pos_ >= size || wanted == 0) return 0;
        wanted = std::min(wanted, size - pos_);
        std::uint64_t done = 0;
        if (pos_ < kHeaderBytes) {
            done = std::min<std::uint64_t>(wanted, kHeaderBytes - pos_);
            std::memcpy(buffer, header_.data() + pos_, done);
        } else {
            done = ReadSound(reinterpret_cast<unsigned char*>(buffer), wanted);
            if (done == 0) return -1;
        }
        pos_ += done;
        return static_cast<std::int64_t>(done);
    }

  private:
    // Sound from pos_ on: whole frames where it can, through lastFrame_ for
    // a read that starts or ends inside one.
    std::uint64_t ReadSound(unsigned char* out, std::uint64_t wanted) {
        const std::uint64_t frame = (pos_ - kHeaderBytes) / kFrameBytes;
        const std::uint64_t skip = (pos_ - kHeaderBytes) % kFrameBytes;
        if (skip != 0 || wanted < kFrameBytes) {
            if (!(haveLast_ && next_ == frame + 1)) {
                if (frame != next_ && !Reposition(frame)) return 0;
                Synthesise(1);
                std::memcpy(lastFrame_.data(), samples_.data(), kFrameBytes);
                haveLast_ = true;
            }
            const auto count = std::min<std::uint64_t>(wanted, kFrameBytes - skip);
            std::memcpy(out, lastFrame_.data() + skip, count);
            return count;
        }
        if (frame != next_ && !Reposition(frame)) return 0;
        const auto frames =
            std::min<std::uint64_t>({wanted / kFrameBytes, kChunkFrames, frames_ - frame});
        Synthesise(static_cast<int>(frames));
        std::memcpy(out, samples_.data(), frames * kFrameBytes);
        std::memcpy(lastFrame_.data(), samples_.data() + (frames - 1) * kFrameBytes, kFrameBytes);
        haveLast_ = true;
        return frames * kFrameBytes;
    }

    // The next `frames` frames, as little-endian bytes in samples_.
    void Synthesise(int frames) {
        pcm_.resize(static_cast<std::size_t>(frames) * kChannels);
        fluid_synth_write_s16(synth_, frames, pcm_.data(), 0, 2, pcm_.data(), 1, 2);
        samples_.resize(pcm_.size() * 2);
        for (std::size_t i = 0; i < pcm_.size(); ++i) {
            const auto value = static_cast<std::uint16_t>(pcm_[i]);
            samples_[2 * i] = static_cast<unsigned char>(value);
            samples_[2 * i + 1] = static_cast<unsigned char>(value >> 8);
        }
        next_ += static_cast<std::uint64_t>(frames);
    }

    // Plays on from `frame`: a new player over the same synthesiser, silenced
    // and reset, jumps to the tick at that moment. FluidSynth's player runs
    // through the events before that tick (programs, controllers, tempo)
    // without sounding their notes. Past the end of every track (in the
    // release after music that ends there) there is nothing left to play:
    // the synthesiser stays silent rather than start the file over.
    bool Reposition(std::uint64_t frame) {
        if (player_ != nullptr) delete_fluid_player(player_);
        player_ = nullptr;
        fluid_synth_system_reset(synth_);
        const std::uint64_t tick = timing_.TickAt(static_cast<double>(frame) / kRate);
        if (tick <= timing_.lastTick) {
            player_ = new_fluid_player(synth_);
            if (player_ == nullptr) return false;
            if (fluid_player_add_mem(player_, smf_.data(), smf_.size()) != FLUID_OK) return false;
            if (tick > 0 && tick <= INT32_MAX) fluid_player_seek(player_, static_cast<int>(tick));
            if (fluid_player_play(player_) != FLUID_OK) return false;
        }
        next_ = frame;
        haveLast_ = false;
        return true;
    }

    std::vector<unsigned char> file_;
    std::span<const unsigned char> smf_;  // within file_
    MidiTiming timing_;
    std::uint64_t frames_ = 0;
    std::array<unsigned char, kHeaderBytes> header_{};
    std::uint64_t pos_ = 0;
    // The frame the synthesiser makes next; none before the first read.
    std::uint64_t next_ = UINT64_MAX;
    std::array<unsigned char, kFrameBytes> lastFrame_{};  // the frame before next_
    bool haveLast_ = false;
    std::vector<std::int16_t> pcm_;
    std::vector<unsigned char> samples_;
    fluid_settings_t* settings_ = nullptr;
    fluid_synth_t* synth_ = nullptr;
    fluid_player_t* player_ = nullptr;
};

// libmpv's callbacks: nothing may escape them.
std::int64_t ReadStream(void* cookie, char* buffer, std::uint64_t bytes) {
    try {
        return static_cast<MidiRender*>(cookie)->Read(buffer, bytes);
    } catch (...) {
        return -1;
    }
}

std::int64_t SeekStream(void* cookie, std::int64_t offset) {
    return static_cast<MidiRender*>(cookie)->Seek(offset);
}

std::int64_t SizeStream(void* cookie) { return static_cast<MidiRender*>(cookie)->Size(); }

void CloseStream(void* cookie) { delete static_cast<MidiRender*>(cookie); }

int OpenStream(void* /*userData*/, char* uri, mpv_stream_cb_info* info) {
    try {
        const std::string_view text(uri);
        const std::string prefix = Prefix();
        if (!text.starts_with(prefix)) return MPV_ERROR_LOADING_FAILED;
        const auto path = Unescaped(text.substr(prefix.size()));
        const auto font = MidiSoundFont();
        if (!path || !font) return MPV_ERROR_LOADING_FAILED;
        auto file = ReadSmallFile(*path);
        if (!file) return MPV_ERROR_LOADING_FAILED;
        const auto smf = StandardMidiData(*file);
        auto timing = ReadMidiTiming(*file);
        if (!smf || !timing) return MPV_ERROR_UNKNOWN_FORMAT;
        QuietFluidSynth();
        // The span stays valid as the vector's buffer moves with it.
        auto render = std::make_unique<MidiRender>(std::move(*file), *smf, std::move(*timing));
        if (!render->Start(*font)) return MPV_ERROR_LOADING_FAILED;
        info->cookie = render.release();
        info->read_fn = &ReadStream;
        info->seek_fn = &SeekStream;
        info->size_fn = &SizeStream;
        info->close_fn = &CloseStream;
        return 0;
    } catch (...) {
        return MPV_ERROR_LOADING_FAILED;
    }
}

}  // namespace

bool AddMidiStream(mpv_handle* mpv) {
    const std::string scheme(kMidiStreamScheme);
    return mpv_stream_cb_add_ro(mpv, scheme.c_str(), nullptr, &OpenStream) >= 0;
}

std::optional<std::string> MidiStreamUri(const std::string& reference) {
    const auto path = LocalPathOf(reference);
    if (!path) return std::nullopt;
    // Only a regular file: opening a named pipe here would wait for a writer.
    std::error_code error;
    if (!std::filesystem::is_regular_file(*path, error)) return std::nullopt;
    std::array<unsigned char, 12> head{};
    std::ifstream in(*path, std::ios::binary);
    in.read(reinterpret_cast<char*>(head.data()), head.size());
    if (!LooksLikeMidi(std::span(head.data(), static_cast<std::size_t>(in.gcount()))))
        return std::nullopt;
    std::string absolute = *path;
    if (!absolute.starts_with('/')) absolute = std::filesystem::absolute(*path, error).string();
    if (error) return std::nullopt;
    return Prefix() + Escaped(absolute);
}

std::optional<std::string> MidiSoundFont() {
    for (const char* font : kSoundFonts) {
        std::error_code error;
        if (std::filesystem::is_regular_file(font, error)) return std::string(font);
    }
    return std::nullopt;
}

}  // namespace rw
