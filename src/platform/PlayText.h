#pragma once

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>

namespace rw {

// A time of a movie in whole hours, minutes and seconds (truncated).
// Negative or unknown (NaN, infinite) times are 0; the cap keeps the
// conversion to an integer defined for any double.
struct ClockTime {
    long long hours = 0;
    long long minutes = 0;
    long long seconds = 0;
};

inline ClockTime SplitPlayTime(double seconds) {
    if (!std::isfinite(seconds) || seconds < 0) seconds = 0;
    const auto total = static_cast<long long>(std::min(seconds, 1e12));
    return {total / 3600, total / 60 % 60, total % 60};
}

// Elapsed or total time as "m:ss", or "h:mm:ss" from one hour: the play
// bar's clock and the chapters in the movie menu.
inline std::string FormatPlayTime(double seconds) {
    const ClockTime t = SplitPlayTime(seconds);
    char text[32];
    if (t.hours > 0) {
        std::snprintf(text, sizeof text, "%lld:%02lld:%02lld", t.hours, t.minutes, t.seconds);
    } else {
        std::snprintf(text, sizeof text, "%lld:%02lld", t.minutes, t.seconds);
    }
    return text;
}

// The speed as the play bar shows it beside the time and the movie menu
// names it: "1.5×", "0.75×", "2×"; empty text at normal speed.
inline std::string SpeedBadge(double speed) {
    if (!std::isfinite(speed) || std::abs(speed - 1) < 1e-6) return {};
    char text[32];
    std::snprintf(text, sizeof text, "%g\u00d7", std::round(speed * 100) / 100);
    return text;
}

}  // namespace rw
