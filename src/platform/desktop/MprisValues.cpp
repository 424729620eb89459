#include "platform/desktop/MprisValues.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <limits>

#include "platform/mpv/pure/References.h"

namespace rw {
namespace {

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
    if (text.size() < prefix.size()) return false;
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        if (std::tolower(static_cast<unsigned char>(text[i])) != prefix[i]) return false;
    }
    return true;
}

bool Unreserved(unsigned char c) {
    return std::isalnum(c) != 0 || c == '-' || c == '.' || c == '_' || c == '~' || c == '/';
}

}  // namespace

std::int64_t ToMicroseconds(double seconds) {
    if (!(seconds > 0)) return 0;  // also not-a-number
    constexpr double kMax = static_cast<double>(std::numeric_limits<std::int64_t>::max()) / 2;
    return static_cast<std::int64_t>(std::llround(std::min(seconds * 1e6, kMax)));
}

std::string ReferenceOfUri(std::string_view uri) {
    if (!StartsWithNoCase(uri, "file:///")) return std::string(uri);
    const auto path = LocalPathOf(std::string(uri));
    if (!path) return std::string(uri);
    // "%00" would cut the name short wherever it is used as a C string, and
    // could name another, existing file: such a URI opens nothing.
    if (path->find('\0') != std::string::npos) return {};
    return *path;
}

std::string TitleOf(std::string_view reference, std::string_view mediaTitle) {
    const bool web =
        StartsWithNoCase(reference, "http://") || StartsWithNoCase(reference, "https://");
    if (web && !mediaTitle.empty()) return std::string(mediaTitle);
    const auto slash = reference.rfind('/');
    const std::string_view name =
        slash == std::string_view::npos ? reference : reference.substr(slash + 1);
    return std::string(name.empty() ? reference : name);
}

std::string UrlOf(std::string_view reference) {
    if (reference.find("://") != std::string_view::npos) return std::string(reference);
    if (!reference.starts_with('/')) return {};
    static constexpr char kHex[] = "0123456789ABCDEF";
    std::string url = "file://";
    for (const char ch : reference) {
        const auto c = static_cast<unsigned char>(ch);
        if (Unreserved(c)) {
            url += ch;
        } else {
            url += '%';
            url += kHex[c >> 4];
            url += kHex[c & 0xF];
        }
    }
    return url;
}

std::optional<bool> LoopOfStatus(std::string_view status) {
    if (status == "None") return false;
    if (status == "Track" || status == "Playlist") return true;
    return std::nullopt;
}

const char* LoopStatusOf(bool on) { return on ? "Track" : "None"; }

double SeekTarget(double position, std::int64_t offsetUs, double duration) {
    const double target = position + static_cast<double>(offsetUs) / 1e6;
    if (!(target > 0)) return 0;
    return duration > 0 ? std::min(target, duration) : target;
}

std::optional<double> PositionTarget(std::int64_t us, double duration) {
    const double seconds = static_cast<double>(us) / 1e6;
    if (us < 0 || seconds > duration) return std::nullopt;
    return seconds;
}

std::optional<double> VolumePercentOf(double volume) {
    if (std::isnan(volume)) return std::nullopt;
    return std::clamp(volume, 0.0, 1.0) * 100.0;
}

double VolumeOfPercent(double percent) {
    if (std::isnan(percent)) return 1.0;  // the player's own default
    return std::clamp(percent / 100.0, 0.0, 1.0);
}

std::string TrackIdOf(std::uint64_t serial) {
    return "/net/ostrun/Reelwick/Movie/" + std::to_string(serial);
}

Status StatusOf(bool loaded, bool paused, bool atEnd) {
    if (!loaded || atEnd) return Status::Stopped;
    return paused ? Status::Paused : Status::Playing;
}

const char* StatusText(Status status) {
    switch (status) {
        case Status::Playing:
            return "Playing";
        case Status::Paused:
            return "Paused";
        case Status::Stopped:
            break;
    }
    return "Stopped";
}

}  // namespace rw
