#include "platform/mpv/MpvSession.h"

#include <clocale>
#include <cstdio>
#include <cstring>
#include <utility>
#ifdef __GLIBC__
#include <malloc.h>
#endif

#include "platform/Step.h"
#include "platform/mpv/MidiStream.h"
#include "platform/mpv/WebPageHook.h"
#include "platform/qt/Logging.h"

namespace rw {
namespace {

// libmpv as a component: no configuration files, scripts, key bindings or
// on-screen controls of its own, no window of its own (vo=libmpv); web pages
// play through its yt-dlp hook (see WebPageHook.h). A movie stays open at its
// end and plays without a sound device. The window logic computes the
// movie's shape, so the picture fills the rectangle it is given
// (keepaspect=no), and frames are handed over when due
// (video-timing-offset=0) because rendering must never wait on the GUI
// thread. Decoding in hardware and turning a picture as its metadata asks
// depend on the renderer (see SetRendererOptions).
constexpr const char* kOptions[][2] = {
    {"config", "no"},
    {"load-scripts", "no"},
    {"load-stats-overlay", "no"},
    {"load-osd-console", "no"},
    {"input-default-bindings", "no"},
    {"input-vo-keyboard", "no"},
    {"osc", "no"},
    {"osd-level", "0"},
    {"keep-open", "yes"},
    {"audio-fallback-to-null", "yes"},
    {"idle", "yes"},
    {"vo", "libmpv"},
    {"keepaspect", "no"},
    {"video-timing-offset", "0"},
    {"pause", "yes"},
    // The movie's subtitle files are found by the player (see StartLoad).
    {"sub-auto", "no"},
};

// Blocks from this size up get mappings of their own (see Start).
constexpr int kMmapThreshold = 1024 * 1024;

constexpr int kReplyBits = 3;

// With OpenGL (a hardware driver) libmpv turns a picture as its metadata
// asks. libmpv 0.35's software renderer aborts on a picture to turn: there
// the turn is done when painting (video-rotate=no). Decoding starts in
// software either way, as libmpv's own default; hardware decoding is an
// option of the menu on the movie (MpvSound.cpp).
void SetRendererOptions(mpv_handle* mpv, bool gl,
                        int (*set)(mpv_handle*, const char*, const char*)) {
    set(mpv, "hwdec", "no");
    set(mpv, "video-rotate", gl ? "0" : "no");
}

}  // namespace

std::uint64_t Tag(std::uint64_t serial, Reply reply) {
    return serial << kReplyBits | static_cast<std::uint64_t>(reply);
}

ReplyTag Untag(std::uint64_t userdata) {
    return {userdata >> kReplyBits,
            static_cast<Reply>(userdata & ((std::uint64_t{1} << kReplyBits) - 1))};
}

const mpv_node* Field(const mpv_node& map, const char* key, mpv_format format) {
    if (map.format != MPV_FORMAT_NODE_MAP || map.u.list == nullptr) return nullptr;
    const mpv_node_list& list = *map.u.list;
    for (int i = 0; i < list.num; ++i) {
        if (std::strcmp(list.keys[i], key) == 0 && list.values[i].format == format) {
            return &list.values[i];
        }
    }
    return nullptr;
}

std::string TextField(const mpv_node& map, const char* key) {
    const mpv_node* value = Field(map, key, MPV_FORMAT_STRING);
    return value != nullptr && value->u.string != nullptr ? value->u.string : std::string();
}

const mpv_node_list* Entries(const mpv_event_property& property) {
    if (property.format != MPV_FORMAT_NODE) return nullptr;
    const auto& node = *static_cast<const mpv_node*>(property.data);
    return node.format == MPV_FORMAT_NODE_ARRAY ? node.u.list : nullptr;
}

double NumberOf(const mpv_event_property& property, double fallback) {
    return property.format == MPV_FORMAT_DOUBLE ? *static_cast<double*>(property.data) : fallback;
}

bool FlagOf(const mpv_event_property& property) {
    return property.format == MPV_FORMAT_FLAG && *static_cast<int*>(property.data) != 0;
}

long long CountOf(const mpv_event_property& property) {
    return property.format == MPV_FORMAT_INT64
               ? static_cast<long long>(*static_cast<std::int64_t*>(property.data))
               : 0LL;
}

std::string CommandNumber(double value) {
    char text[64];
    std::snprintf(text, sizeof text, "%.6f", value);
    return text;
}

void MpvSession::Start(bool gl) {
    // libmpv refuses to start unless numbers are formatted the C way, and
    // QApplication has set LC_NUMERIC from the environment.
    std::setlocale(LC_NUMERIC, "C");
#ifdef __GLIBC__
    // Movies come with large buffers (frames, pictures, textures) that are
    // made and freed as movies come and go. glibc raises its threshold for
    // giving a block its own mapping to the largest block freed (up to
    // 32 MiB); from then on such buffers come from the heap, and the holes
    // they leave stay resident: 10 MiB more after 300 movies, 65 MiB with
    // OpenGL on Mesa's software driver. A fixed threshold gives every large
    // buffer back when it is freed, at no measurable cost in playback.
    mallopt(M_MMAP_THRESHOLD, kMmapThreshold);
#endif
    mpv_ = mpv_create();
    if (mpv_ == nullptr) throw PlatformError(Service::Player, "libmpv could not be created");
    for (const auto& [name, value] : kOptions) mpv_set_option_string(mpv_, name, value);
    gl_ = gl;
    SetRendererOptions(mpv_, gl, &mpv_set_option_string);
    SetWebPageOptions(mpv_);
    if (mpv_initialize(mpv_) < 0)
        throw PlatformError(Service::Player, "libmpv could not be initialised");
    // MIDI files play through a stream of the player's own; without it they
    // fail to load like any file libmpv cannot read.
    AddMidiStream(mpv_);
    // libmpv's own warnings and errors: they tell why a movie could not be
    // played (a 404, a refused connection), and go to the reelwick.mpv
    // category for a developer who switched it on.
    mpv_request_log_messages(mpv_, "warn");
}

void MpvSession::UseSoftwareRendererOptions() {
    gl_ = false;
    if (mpv_ != nullptr) SetRendererOptions(mpv_, false, &mpv_set_property_string);
}

void MpvSession::Observe(std::vector<ObservedProperty> table) {
    observed_ = std::move(table);
    if (mpv_ == nullptr) return;
    // Each row is known by its place in the table, counted from 1.
    for (std::size_t i = 0; i < observed_.size(); ++i) {
        mpv_observe_property(mpv_, i + 1, observed_[i].name, observed_[i].format);
    }
}

void MpvSession::Listen(QObject* context, std::function<void()> drain) {
    context_ = context;
    drain_ = std::move(drain);
    if (mpv_ != nullptr) mpv_set_wakeup_callback(mpv_, &MpvSession::OnWakeup, this);
}

// Comes on one of libmpv's threads, and may not call libmpv.
void MpvSession::OnWakeup(void* self) {
    auto* session = static_cast<MpvSession*>(self);
    if (session->wakeupQueued_.exchange(true)) return;
    QMetaObject::invokeMethod(
        session->context_,
        [session] {
            session->wakeupQueued_ = false;
            session->drain_();
        },
        Qt::QueuedConnection);
}

void MpvSession::Drain(const std::function<void(const mpv_event&)>& other) {
    while (mpv_ != nullptr) {
        const mpv_event* event = mpv_wait_event(mpv_, 0);
        if (event->event_id == MPV_EVENT_NONE) break;
        const std::uint64_t row = event->reply_userdata;
        if (event->event_id == MPV_EVENT_PROPERTY_CHANGE && row >= 1 && row <= observed_.size()) {
            observed_[row - 1].handle(*static_cast<mpv_event_property*>(event->data));
        } else {
            other(*event);
        }
    }
}

void MpvSession::Mute() {
    if (mpv_ != nullptr) mpv_set_wakeup_callback(mpv_, nullptr, nullptr);
}

void MpvSession::Destroy() {
    if (mpv_ == nullptr) return;
    mpv_terminate_destroy(mpv_);
    mpv_ = nullptr;
}

bool MpvSession::Command(std::uint64_t tag, const char** args) {
    return mpv_ != nullptr && mpv_command_async(mpv_, tag, args) >= 0;
}

bool MpvSession::CommandNode(std::uint64_t tag, mpv_node& command) {
    return mpv_ != nullptr && mpv_command_node_async(mpv_, tag, &command) >= 0;
}

void MpvSession::SetFlag(const char* name, bool value) {
    int flag = value ? 1 : 0;
    if (mpv_ != nullptr) mpv_set_property_async(mpv_, 0, name, MPV_FORMAT_FLAG, &flag);
}

void MpvSession::SetText(const char* name, const char* value) {
    if (mpv_ != nullptr) mpv_set_property_async(mpv_, 0, name, MPV_FORMAT_STRING, &value);
}

void MpvSession::SetNumber(const char* name, double value) {
    if (mpv_ != nullptr) mpv_set_property_async(mpv_, 0, name, MPV_FORMAT_DOUBLE, &value);
}

void MpvSession::Get(std::uint64_t tag, const char* name, mpv_format format) {
    if (mpv_ != nullptr) mpv_get_property_async(mpv_, tag, name, format);
}

}  // namespace rw
