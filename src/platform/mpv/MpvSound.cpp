// MpvPlayer's sound side: the A-B loop, the sound's delay, the output
// device, and decoding in hardware. Like the rest of the component it learns
// from observed properties and sends only _async requests.

#include <cmath>

#include "platform/Step.h"
#include "platform/mpv/MpvPlayer.h"
#include "platform/widgets/ControllerBar.h"

namespace rw {
namespace {

constexpr const char* kLoopA = "ab-loop-a";
constexpr const char* kLoopB = "ab-loop-b";
constexpr const char* kAudioDelay = "audio-delay";
constexpr const char* kAudioDevice = "audio-device";
// A B this close before the position reported is at the place playing.
constexpr double kArmMargin = 0.05;

// A loop point as libmpv reports it: a time, or the text "no".
std::optional<double> LoopPointOf(const mpv_event_property& property) {
    if (property.format != MPV_FORMAT_NODE) return std::nullopt;
    const auto& node = *static_cast<const mpv_node*>(property.data);
    if (node.format == MPV_FORMAT_DOUBLE && std::isfinite(node.u.double_)) return node.u.double_;
    if (node.format == MPV_FORMAT_INT64) return static_cast<double>(node.u.int64);
    return std::nullopt;
}

std::vector<SoundDevice> DevicesOf(const mpv_event_property& property) {
    std::vector<SoundDevice> devices;
    const mpv_node_list* list = Entries(property);
    for (int i = 0; list != nullptr && i < list->num; ++i) {
        const mpv_node& entry = list->values[i];
        SoundDevice device{TextField(entry, "name"), TextField(entry, "description")};
        if (!device.name.empty()) devices.push_back(std::move(device));
    }
    return devices;
}

void SetLoopPoint(MpvSession& mpv, const char* name, const std::optional<double>& at) {
    const std::string text = at ? CommandNumber(*at) : "no";
    mpv.SetText(name, text.c_str());
}

}  // namespace

std::vector<ObservedProperty> MpvPlayer::SoundProperties() {
    using P = const mpv_event_property&;
    return {
        {kLoopA, MPV_FORMAT_NODE,
         [this](P p) {
             sound_.loop.a = LoopPointOf(p);
             changes_.playback = true;
         }},
        {kLoopB, MPV_FORMAT_NODE,
         [this](P p) {
             sound_.loop.b = LoopPointOf(p);
             changes_.playback = true;
         }},
        {kAudioDelay, MPV_FORMAT_DOUBLE, [this](P p) { sound_.delay = NumberOf(p, 0); }},
        // Listed by libmpv's core, which also tells when devices come and
        // go: the GUI thread never asks for the list.
        {"audio-device-list", MPV_FORMAT_NODE,
         [this](P p) {
             sound_.devices = DevicesOf(p);
             ApplyOutputDevice();
         }},
    };
}

void MpvPlayer::SetLoopPoints(const LoopPoints& points) {
    RequireMpv();
    if ((points.a && !std::isfinite(*points.a)) || (points.b && !std::isfinite(*points.b))) {
        throw PlatformError(Service::Player, "not a loop point");
    }
    SetLoopPoint(mpv_, kLoopA, points.a);
    SetLoopPoint(mpv_, kLoopB, points.b);
    sound_.loop = points;  // for a second press before libmpv reports it
    ShowLoopMarks();
    // B set at the place playing arms the loop at once. libmpv goes back to
    // A only when playback reaches B, and by the time it hears of B the
    // movie may have played past it (the position known here is the one
    // last reported): it would play on to the end.
    if (points.a && points.b && HasMovie() && state_.position >= *points.b - kArmMargin) {
        Seek(*points.a, true);
    }
}

void MpvPlayer::ClearLoop() {
    SetLoopPoint(mpv_, kLoopA, std::nullopt);
    SetLoopPoint(mpv_, kLoopB, std::nullopt);
    sound_.loop = {};
    ShowLoopMarks();
}

void MpvPlayer::ShowLoopMarks() {
    Bar().SetLoopMarks(sound_.loop.a.value_or(-1), sound_.loop.b.value_or(-1));
}

void MpvPlayer::SetAudioDelay(double seconds) {
    RequireMpv();
    if (!std::isfinite(seconds)) throw PlatformError(Service::Player, "not a delay");
    mpv_.SetNumber(kAudioDelay, seconds);
    sound_.delay = seconds;
}

void MpvPlayer::ChooseOutputDevice(const std::string& name) {
    RequireMpv();
    sound_.chosen = name == kAutomaticDevice ? std::string() : name;
    ApplyOutputDevice();
}

void MpvPlayer::ApplyOutputDevice() {
    const std::string use = DeviceToUse(sound_.devices, sound_.chosen);
    if (use == sound_.applied) return;
    sound_.applied = use;
    mpv_.SetText(kAudioDevice, use.c_str());
}

bool MpvPlayer::HardwareDecoding() const { return sound_.hardwareDecoding; }

void MpvPlayer::SetHardwareDecoding(bool on) {
    RequireMpv();
    // With OpenGL the decoded frames may stay on the graphics card; the
    // software renderer needs them back in memory, which only the copying
    // decoders do. A decoder that fails, or none on this machine, leaves
    // libmpv decoding in software, without a break in the picture.
    const char* hwdec = !on ? "no" : mpv_.OpenGl() ? "auto-safe" : "auto-copy-safe";
    mpv_.SetText("hwdec", hwdec);
    sound_.hardwareDecoding = on;
}

}  // namespace rw
