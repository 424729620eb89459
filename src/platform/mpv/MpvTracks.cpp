// MpvPlayer's film controls: tracks, speed, subtitles, stepping, volume and
// frames. Like the rest of the component they learn from observed properties
// and send only _async requests.

#include <cmath>
#include <filesystem>
#include <system_error>

#include "platform/Step.h"
#include "platform/mpv/MpvPlayer.h"

namespace rw {

void MpvPlayer::SetSpeed(double speed) {
    RequireMpv();
    if (!std::isfinite(speed) || speed <= 0) {
        throw PlatformError(Service::Player, "not a speed: " + std::to_string(speed));
    }
    mpv_.SetNumber(property::kSpeed, speed);
}

void MpvPlayer::SelectSubtitle(std::int64_t id) {
    RequireMpv();
    if (id <= 0) {
        mpv_.SetText("sid", "no");
    } else {
        mpv_.SetText("sid", std::to_string(id).c_str());
    }
}

void MpvPlayer::SelectAudio(std::int64_t id) {
    RequireMpv();
    if (id <= 0) throw PlatformError(Service::Player, "no such sound track");
    mpv_.SetText("aid", std::to_string(id).c_str());
}

void MpvPlayer::AddSubtitleFile(const std::string& path) {
    RequireMpv();
    // Only a local file: libmpv would read a reference of its own schemes
    // (av://, memory://, ...) here as well.
    if (path.empty() || path.front() != '/') {
        throw PlatformError(Service::Player, "not a local subtitle file: " + path);
    }
    // A named pipe or a device would hold libmpv's core until it delivers,
    // and the program's exit with it.
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) {
        throw PlatformError(Service::Player, "not a subtitle file: " + path);
    }
    if (!HasMovie()) throw PlatformError(Service::Player, "no movie to add subtitles to");
    // Sizes no screen can show are brought down first, as for the files
    // found beside the movie.
    const auto target = files_.SubtitleTarget(path);
    if (!target) throw PlatformError(Service::Player, "subtitle file not shown: " + path);
    mpv_.Command({"sub-add", target->c_str(), "select"});
}

void MpvPlayer::SetSubtitleDelay(double seconds) {
    RequireMpv();
    if (!std::isfinite(seconds)) throw PlatformError(Service::Player, "not a delay");
    mpv_.SetNumber(property::kSubDelay, seconds);
}

void MpvPlayer::SeekBy(double seconds) {
    RequireMpv();
    if (!HasMovie() || !std::isfinite(seconds)) return;
    const std::string by = CommandNumber(seconds);
    mpv_.Command({"seek", by.c_str(), "relative"});
}

void MpvPlayer::StepFrame(bool forward) {
    RequireMpv();
    if (!HasPicture()) return;
    mpv_.Command({forward ? "frame-step" : "frame-back-step"});
}

void MpvPlayer::SetMuted(bool on) {
    RequireMpv();
    mpv_.SetFlag(property::kMute, on);
}

void MpvPlayer::SaveFrame(const std::string& path) {
    RequireMpv();
    if (path.empty()) throw PlatformError(Service::Player, "no file to save the frame to");
    if (!HasPicture()) throw PlatformError(Service::Player, "no picture to take a frame of");
    frames_.Request(mpv_, path);
}

void MpvPlayer::CopyFrame() {
    RequireMpv();
    if (!HasPicture()) throw PlatformError(Service::Player, "no picture to take a frame of");
    frames_.Request(mpv_, std::nullopt);
}

}  // namespace rw
