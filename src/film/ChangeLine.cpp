#include "film/ChangeLine.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <iterator>
#include <optional>

#include "film/FilmControls.h"
#include "film/LoopAB.h"
#include "film/MovieMenu.h"
#include "film/PictureLines.h"
#include "film/SoundCommands.h"
#include "platform/PlayText.h"
#include "platform/Step.h"
#include "platform/Tr.h"

namespace rw {
namespace {

// Each line is one whole sentence for the translators, with its number or
// name in a place (%1); numbers read as in English in every language, and
// the times as the play bar shows them, which is no text to translate.
std::string TimeLine(double seconds, double duration) {
    if (!std::isfinite(seconds)) return {};
    if (!(duration > 0)) return FormatPlayTime(std::max(seconds, 0.0));
    return FormatPlayTime(std::clamp(seconds, 0.0, duration)) + " / " + FormatPlayTime(duration);
}

std::string VolumeLine(double volume, bool muted) {
    const std::string percent = std::to_string(std::lround(volume));
    return muted ? Fill(RW_TR("Line over the movie", "Volume %1% (muted)"), {percent})
                 : Fill(RW_TR("Line over the movie", "Volume %1%"), {percent});
}

std::string SpeedLine(double speed) {
    const std::string badge = SpeedBadge(speed);
    if (badge.empty()) return RW_TR("Line over the movie", "Normal speed");
    //: the speed as the play bar shows it: 1.5×, 0.75×
    return Fill(RW_TR("Line over the movie", "Speed %1"), {badge});
}

std::string DelayLine(double delay) {
    if (std::abs(delay) < 0.05) return RW_TR("Line over the movie", "Subtitles on time");
    char seconds[32];
    std::snprintf(seconds, sizeof seconds, "%.1f", std::abs(delay));
    return delay > 0 ? Fill(RW_TR("Line over the movie", "Subtitles %1 s later"), {seconds})
                     : Fill(RW_TR("Line over the movie", "Subtitles %1 s sooner"), {seconds});
}

// "Subtitles: English", "Audio: Commentary (fra)" as `pattern` has it;
// `off` for track 0; none for a track the movie does not have.
std::string TrackLine(const std::string& pattern, const std::vector<Track>& tracks, double id,
                      const std::string& off) {
    if (id == 0) return off;
    for (std::size_t i = 0; i < tracks.size(); ++i) {
        if (static_cast<double>(tracks[i].id) == id) {
            return Fill(pattern, {TrackCaption(tracks[i], i + 1)});
        }
    }
    return {};
}

std::string ChapterLine(const std::vector<Chapter>& chapters, double time) {
    for (std::size_t i = 0; i < chapters.size(); ++i) {
        if (chapters[i].time != time) continue;
        const std::string place = std::to_string(i + 1);
        if (chapters[i].title.empty())
            return Fill(RW_TR("Line over the movie", "Chapter %1"), {place});
        //: the chapter's place (from 1), then its title
        return Fill(RW_TR("Line over the movie", "Chapter %1: %2"), {place, chapters[i].title});
    }
    return {};
}

std::string PlayingLine(const FilmState& s) {
    if (!s.movie) return {};
    return s.paused || s.atEnd ? RW_TR("Line over the movie", "Playing")
                               : RW_TR("Line over the movie", "Paused");
}

// What L or the A-B Loop menu leaves: "Loop from 1:02", "Loop 1:02 to
// 1:10", "Loop cleared"; none where the step changes nothing.
std::string LoopLine(const Action& a, const FilmState& s) {
    const auto step = static_cast<int>(a.value);
    if (step < 0 || step > static_cast<int>(LoopStep::Clear)) return {};
    if (!s.movie && static_cast<LoopStep>(step) != LoopStep::Clear) return {};
    const LoopPoints after = LoopAfter(s.loop, static_cast<LoopStep>(step), s.position);
    if (after == s.loop) return {};
    switch (LoopStateOf(after)) {
        case LoopState::None:
            return RW_TR("Line over the movie", "Loop cleared");
        case LoopState::ASet:
            return Fill(RW_TR("Line over the movie", "Loop from %1"),
                        {FormatPlayTime(after.a.value_or(0))});
        case LoopState::Looping:
            break;
    }
    return Fill(RW_TR("Line over the movie", "Loop %1 to %2"),
                {FormatPlayTime(after.a.value_or(0)), FormatPlayTime(after.b.value_or(0))});
}

// "Sound 50 ms later", "Sound 100 ms sooner", "Sound on time".
std::string AudioDelayLine(const Action& a, const FilmState& s) {
    const int steps = a.command == Command::AudioLater    ? 1
                      : a.command == Command::AudioSooner ? -1
                                                          : 0;
    const double delay = steps == 0 ? 0 : AudioDelayAfter(s.audioDelay, steps);
    const long ms = std::lround(delay * 1000);
    if (ms == 0) return RW_TR("Line over the movie", "Sound on time");
    const std::string amount = std::to_string(std::abs(ms));
    return ms > 0 ? Fill(RW_TR("Line over the movie", "Sound %1 ms later"), {amount})
                  : Fill(RW_TR("Line over the movie", "Sound %1 ms sooner"), {amount});
}

using LineOf = std::string (*)(const Action&, const FilmState&);

// One row per command that shows a line; a command without a row shows none.
struct LineRow {
    Command command;
    LineOf line;
};

constexpr LineRow kLineRows[] = {
    {Command::PlayPause, [](const Action&, const FilmState& s) { return PlayingLine(s); }},
    {Command::PlayIfLoaded,
     [](const Action&, const FilmState& s) -> std::string {
         return s.movie && (s.paused || s.atEnd) ? RW_TR("Line over the movie", "Playing") : "";
     }},
    {Command::PauseIfLoaded,
     [](const Action&, const FilmState& s) -> std::string {
         return s.movie && !s.paused ? RW_TR("Line over the movie", "Paused") : "";
     }},
    {Command::Stop,
     [](const Action&, const FilmState& s) -> std::string {
         return s.movie ? RW_TR("Line over the movie", "Stopped") : "";
     }},
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
         return s.muted ? VolumeLine(s.volume, false) : RW_TR("Line over the movie", "Muted");
     }},
    {Command::SpeedDown,
     [](const Action&, const FilmState& s) { return SpeedLine(SpeedStep(s.speed, -1)); }},
    {Command::SpeedUp,
     [](const Action&, const FilmState& s) { return SpeedLine(SpeedStep(s.speed, +1)); }},
    {Command::SpeedNormal, [](const Action&, const FilmState&) { return SpeedLine(1); }},
    {Command::SetSpeed,
     [](const Action& a, const FilmState& s) -> std::string {
         if (!std::isfinite(a.value) || a.value < 0) return {};
         if (a.value == 0)
             return s.movie && !s.paused ? RW_TR("Line over the movie", "Paused") : "";
         return SpeedLine(std::clamp(a.value, kSpeeds[0], kSpeeds[std::size(kSpeeds) - 1]));
     }},
    {Command::FrameBack,
     [](const Action&, const FilmState& s) -> std::string {
         return s.movie ? RW_TR("Line over the movie", "One frame back") : "";
     }},
    {Command::FrameForward,
     [](const Action&, const FilmState& s) -> std::string {
         return s.movie ? RW_TR("Line over the movie", "One frame forward") : "";
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
     [](const Action&, const FilmState&) -> std::string {
         return RW_TR("Line over the movie", "Subtitles off");
     }},
    {Command::SubtitleTrack,
     [](const Action& a, const FilmState& s) {
         return TrackLine(RW_TR("Line over the movie", "Subtitles: %1"), s.subtitles, a.value,
                          RW_TR("Line over the movie", "Subtitles off"));
     }},
    {Command::AudioTrack,
     [](const Action& a, const FilmState& s) {
         return TrackLine(RW_TR("Line over the movie", "Audio: %1"), s.audio, a.value,
                          RW_TR("Line over the movie", "Audio off"));
     }},
    {Command::Chapter,
     [](const Action& a, const FilmState& s) { return ChapterLine(s.chapters, a.value); }},
    {Command::SetAspect, &AspectLine},
    {Command::NextAspect, &AspectLine},
    {Command::ZoomBy, &ZoomLine},
    {Command::PanX, &PanLine},
    {Command::PanY, &PanLine},
    {Command::FillWindow, &FillLine},
    {Command::ResetZoom,
     [](const Action&, const FilmState& s) -> std::string {
         return s.hasPicture ? RW_TR("Line over the movie", "Zoom reset") : "";
     }},
    {Command::SetRotation, &RotationLine},
    {Command::SetDeinterlace, &DeinterlaceLine},
    {Command::ToggleDeinterlace, &DeinterlaceLine},
    {Command::BrightnessBy, &ValueLine},
    {Command::ContrastBy, &ValueLine},
    {Command::SaturationBy, &ValueLine},
    {Command::GammaBy, &ValueLine},
    {Command::ResetPictureValues,
     [](const Action&, const FilmState& s) -> std::string {
         return s.hasPicture ? RW_TR("Line over the movie", "Picture values reset") : "";
     }},
    {Command::LoopAB, &LoopLine},
    {Command::AudioSooner, &AudioDelayLine},
    {Command::AudioLater, &AudioDelayLine},
    {Command::AudioDelayReset, &AudioDelayLine},
    {Command::OutputDevice,
     [](const Action& a, const FilmState& s) {
         const bool listed = a.value >= 1 && a.value <= static_cast<double>(s.devices.size());
         if (!listed) return RW_TR("Line over the movie", "Output device: automatic");
         return Fill(RW_TR("Line over the movie", "Output device: %1"),
                     {s.devices[static_cast<std::size_t>(a.value) - 1].description});
     }},
    {Command::HardwareDecoding,
     [](const Action&, const FilmState& s) {
         return s.hardwareDecoding ? RW_TR("Line over the movie", "Hardware decoding off")
                                   : RW_TR("Line over the movie", "Hardware decoding on");
     }},
};

}  // namespace

FilmState ReadFilmState(IPlayerControls& p) {
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
    Step([&] {
        s.hasPicture = p.HasPicture();
        s.picture = p.Picture().State();
    });
    Step([&] {
        s.loop = p.Loop();
        s.audioDelay = p.AudioDelay();
        s.devices = p.OutputDevices();
        s.hardwareDecoding = p.HardwareDecoding();
    });
    return s;
}

bool HasChangeLine(Command command) {
    return std::any_of(std::begin(kLineRows), std::end(kLineRows),
                       [command](const LineRow& row) { return row.command == command; });
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
