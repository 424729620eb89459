#pragma once

#include <mpv/client.h>

#include <QObject>
#include <atomic>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

namespace rw {

// Names of the properties the player both observes and sets or reads.
namespace property {
inline constexpr const char* kTimePos = "time-pos";
inline constexpr const char* kDuration = "duration";
inline constexpr const char* kPause = "pause";
inline constexpr const char* kVolume = "volume";
inline constexpr const char* kMute = "mute";
inline constexpr const char* kSpeed = "speed";
inline constexpr const char* kSubDelay = "sub-delay";
inline constexpr const char* kStart = "start";
}  // namespace property

// What the reply to a request answers; the serial of the load (or of a frame
// request) it was made for rides above it in the reply's userdata.
enum class Reply : std::uint64_t {
    None = 0,
    Load = 1,
    VideoTrack = 2,
    DisplaySize = 3,
    Frame = 4,
    SeekPosition = 5
};
struct ReplyTag {
    std::uint64_t serial = 0;
    Reply reply = Reply::None;
};
std::uint64_t Tag(std::uint64_t serial, Reply reply);
ReplyTag Untag(std::uint64_t userdata);

// The value of `key` in a node map, if it is there with that format.
const mpv_node* Field(const mpv_node& map, const char* key, mpv_format format);
// A text field; empty when it is missing.
std::string TextField(const mpv_node& map, const char* key);
// The entries of an observed list; none when it is unavailable.
const mpv_node_list* Entries(const mpv_event_property& property);
// An observed value; an unavailable property (nothing loaded) arrives
// without one, and reads as the fallback, false or 0.
double NumberOf(const mpv_event_property& property, double fallback);
bool FlagOf(const mpv_event_property& property);
long long CountOf(const mpv_event_property& property);

// A number in the form libmpv's commands and options take, also for tiny
// values ("%.6f", with a point whatever the locale says).
std::string CommandNumber(double value);

// One observed property: its name, the format it is read in, and what is
// done with each value libmpv reports.
struct ObservedProperty {
    const char* name;
    mpv_format format;
    std::function<void(const mpv_event_property&)> handle;
};

// The libmpv core as the player uses it: created with the component's
// options, its observed properties, and requests sent only with the _async
// calls. The GUI thread never makes a blocking call after start-up (each one
// would stall playback about 200 ms); libmpv's wakeup callback only posts
// one queued call, and no second one while the first is pending.
class MpvSession {
  public:
    MpvSession() = default;
    ~MpvSession() { Stop(); }
    MpvSession(const MpvSession&) = delete;
    MpvSession& operator=(const MpvSession&) = delete;

    // Creates and initialises libmpv for the renderer chosen (`gl`); throws
    // PlatformError when it cannot.
    void Start(bool gl);
    // The OpenGL renderer could not be made after all: the options of the
    // software one.
    void UseSoftwareRendererOptions();
    // Observes each row's property; its changes go to its handler.
    void Observe(std::vector<ObservedProperty> table);
    // Events are taken by `drain` on the thread of `context`; Qt drops the
    // call when the context is gone by then.
    void Listen(QObject* context, std::function<void()> drain);
    // Takes every pending event: observed properties go to their rows,
    // everything else to `other`.
    void Drain(const std::function<void(const mpv_event&)>& other);
    // Stops listening; the core itself goes with Destroy, after the render
    // context that uses it.
    void Mute();
    void Destroy();
    void Stop() {
        Mute();
        Destroy();
    }

    mpv_handle* Handle() const { return mpv_; }
    bool Running() const { return mpv_ != nullptr; }
    // The picture is drawn with OpenGL (not the software renderer).
    bool OpenGl() const { return gl_; }

    // An async command whose reply nobody waits for; inline, as the
    // shortest way from a key to libmpv.
    void Command(std::initializer_list<const char*> args) {
        std::vector<const char*> argv(args);
        argv.push_back(nullptr);
        if (mpv_ != nullptr) mpv_command_async(mpv_, 0, argv.data());
    }
    // False when libmpv refused the request.
    bool Command(std::uint64_t tag, const char** args);
    bool CommandNode(std::uint64_t tag, mpv_node& command);
    void SetFlag(const char* name, bool value);
    void SetText(const char* name, const char* value);
    void SetNumber(const char* name, double value);
    void Get(std::uint64_t tag, const char* name, mpv_format format);

  private:
    static void OnWakeup(void* self);

    mpv_handle* mpv_ = nullptr;
    bool gl_ = false;
    std::vector<ObservedProperty> observed_;
    std::atomic<bool> wakeupQueued_{false};
    QObject* context_ = nullptr;
    std::function<void()> drain_;
};

}  // namespace rw
