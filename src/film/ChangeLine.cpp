#include "film/ChangeLine.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <iterator>

#include "film/FilmControls.h"
#include "film/MovieMenu.h"
#include "platform/PlayText.h"
#include "platform/Step.h"

namespace rw {
namespace {

std::string TimeLine(double seconds, double duration) {
    if (!std::isfinite(seconds)) return {};
    if (!(duration > 0)) return FormatPlayTime(std::max(seconds, 0.0));
    return FormatPlayTime(std::clamp(seconds, 0.0, duration)) + " / " + FormatPlayTime(duration);
}

std::string VolumeLine(double volume, bool muted) {
    char text[48];
    std::snprintf(text, sizeof text, "Volume %d%%%s", static_cast<int>(std::lround(volume)),
                  muted ? " (muted)" : "");
    return text;
}

std::string SpeedLine(double speed) {
    const std::string badge = SpeedBadge(speed);
    return badge.empty() ? "Normal speed" : "Speed " + badge;
}

std::string DelayLine(double delay) {
    if (std::abs(delay) < 0.05) return "Subtitles on time";
    char text[48];
    std::snprintf(text, sizeof text, "Subtitles %.1f s %s", std::abs(delay),
                  delay > 0 ? "later" : "sooner");
    return text;
}

// "Subtitles: English", "Audio: Commentary (fra)"; `off` for track 0; none
// for a track the movie does not have.
std::string TrackLine(const char* kind, const std::vector<Track>& tracks, double id,
                      const char* off) {
    if (id == 0) return off;
    for (std::size_t i = 0; i < tracks.size(); ++i) {
        if (static_cast<double>(tracks[i].id) == id) {
            return std::string(kind) + ": " + TrackCaption(tracks[i], i + 1);
        }
    }
    return {};
}

std::string ChapterLine(const std::vector<Chapter>& chapters, double time) {
    for (std::size_t i = 0; i < chapters.size(); ++i) {
        if (chapters[i].time != time) continue;
        const std::string place = "Chapter " + std::to_string(i + 1);
        return chapters[i].title.empty() ? place : place + ": " + chapters[i].title;
    }
    return {};
}

const char* PlayingLine(const FilmState& s) {
    if (!s.movie) return "";
    return s.paused || s.atEnd ? "Playing" : "Paused";
}

using LineOf = std::string (*)(const Action&, const FilmState&);

// One row per command that shows a line; a command without a row shows none.
struct LineRow {
    Command command;
    LineOf line;
};

constexpr LineRow kLineRows[] = {
    {Command::PlayPause,
     [](const Action&, const FilmState& s) -> std::string { return PlayingLine(s); }},
    {Command::PlayIfLoaded,
     [](const Action&, const FilmState& s) -> std::string {
         return s.movie && (s.paused || s.atEnd) ? "Playing" : "";
     }},
    {Command::PauseIfLoaded,
     [](const Action&, const FilmState& s) -> std::string {
         return s.movie && !s.paused ? "Paused" : "";
     }},
    {Command::Stop,
     [](const Action&, const FilmState& s) -> std::string { return s.movie ? "Stopped" : ""; }},
    {Command::SeekBy,
     [](const Action& a, const FilmState& s) -> std::string {
         return s.movie ? TimeLine(s.position + a.value, s.duration) : "";
     }},
    {Command::SeekTo,
     [](const Action& a, const FilmState& s) -> std::string {
         return s.movie ? TimeLine(a.value, s.duration) : "";
     }},
    {Command::VolumeBy,
     [](const Action& a, const FilmState& s) {
         return VolumeLine(VolumeAfter(s.volume, a.value), s.muted && !(a.value > 0));
     }},
    {Command::SetVolume,
     [](const Action& a, const FilmState& s) {
         return VolumeLine(VolumeAfter(a.value, 0), s.muted);
     }},
    {Command::Mute,
     [](const Action&, const FilmState& s) -> std::string {
         return s.muted ? VolumeLine(s.volume, false) : "Muted";
     }},
    {Command::SpeedDown,
     [](const Action&, const FilmState& s) { return SpeedLine(SpeedStep(s.speed, -1)); }},
    {Command::SpeedUp,
     [](const Action&, const FilmState& s) { return SpeedLine(SpeedStep(s.speed, +1)); }},
    {Command::SpeedNormal, [](const Action&, const FilmState&) { return SpeedLine(1); }},
    {Command::SetSpeed,
     [](const Action& a, const FilmState& s) -> std::string {
         if (!std::isfinite(a.value) || a.value < 0) return {};
         if (a.value == 0) return s.movie && !s.paused ? "Paused" : "";
         return SpeedLine(std::clamp(a.value, kSpeeds[0], kSpeeds[std::size(kSpeeds) - 1]));
     }},
    {Command::FrameBack,
     [](const Action&, const FilmState& s) -> std::string {
         return s.movie ? "One frame back" : "";
     }},
    {Command::FrameForward,
     [](const Action&, const FilmState& s) -> std::string {
         return s.movie ? "One frame forward" : "";
     }},
    {Command::SubtitlesSooner,
     [](const Action&, const FilmState& s) {
         return DelayLine(SubtitleDelayAfter(s.subtitleDelay, -kSubtitleStep));
     }},
    {Command::SubtitlesLater,
     [](const Action&, const FilmState& s) {
         return DelayLine(SubtitleDelayAfter(s.subtitleDelay, kSubtitleStep));
     }},
    {Command::SubtitlesOff,
     [](const Action&, const FilmState&) -> std::string { return "Subtitles off"; }},
    {Command::SubtitleTrack,
     [](const Action& a, const FilmState& s) {
         return TrackLine("Subtitles", s.subtitles, a.value, "Subtitles off");
     }},
    {Command::AudioTrack,
     [](const Action& a, const FilmState& s) {
         return TrackLine("Audio", s.audio, a.value, "Audio off");
     }},
    {Command::Chapter,
     [](const Action& a, const FilmState& s) { return ChapterLine(s.chapters, a.value); }},
};

}  // namespace

FilmState ReadFilmState(const IPlayerControls& p) {
    FilmState s;
    Step([&] {
        s.movie = p.HasMovie();
        s.position = p.Position();
        s.duration = p.Duration();
        s.paused = p.IsPaused();
        s.atEnd = p.IsAtEnd();
    });
    Step([&] {
        s.volume = p.Volume();
        s.muted = p.IsMuted();
    });
    Step([&] {
        s.speed = p.Speed();
        s.subtitleDelay = p.SubtitleDelay();
    });
    Step([&] {
        s.subtitles = p.SubtitleTracks();
        s.audio = p.AudioTracks();
        s.chapters = p.Chapters();
    });
    return s;
}

std::string ChangeLine(const Action& action, const FilmState& before) {
    for (const LineRow& row : kLineRows) {
        if (row.command == action.command) return row.line(action, before);
    }
    return {};
}

double SubtitleDelayAfter(double delay, double by) {
    const double from = std::isfinite(delay) ? delay : 0;
    return std::round((from + (std::isfinite(by) ? by : 0)) * 10) / 10;
}

}  // namespace rw
