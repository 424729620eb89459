#include "film/MovieMenu.h"

#include <cmath>
#include <cstdio>

#include "film/FilmControls.h"
#include "film/MenuItems.h"
#include "film/VideoMenu.h"
#include "platform/Tr.h"

namespace rw {
namespace {

const MenuEntry kSeparator{};

double IdValue(const Track& track) { return static_cast<double>(track.id); }

}  // namespace

std::string SpeedCaption(double speed) {
    const std::string badge = SpeedBadge(speed);
    return badge.empty() ? RW_TR("Menu on the movie", "Normal") : badge;
}

std::string TrackCaption(const Track& track, std::size_t place) {
    if (!track.title.empty() && !track.language.empty()) {
        //: a track's title, then its language
        return Fill(RW_TR("Menu on the movie", "%1 (%2)"), {track.title, track.language});
    }
    if (!track.title.empty()) return track.title;
    if (!track.language.empty()) return track.language;
    return Fill(RW_TR("Menu on the movie", "Track %1"), {std::to_string(place)});
}

bool TrackCaptionIsName(const Track& track) {
    return track.title.empty() != track.language.empty();
}

std::string ChapterCaption(const Chapter& chapter, std::size_t place) {
    const std::string title = chapter.title.empty() ? Fill(RW_TR("Menu on the movie", "Chapter %1"),
                                                           {std::to_string(place)})
                                                    : chapter.title;
    //: where a chapter starts (0:03), then its title
    return Fill(RW_TR("Menu on the movie", "%1  %2"), {FormatPlayTime(chapter.time), title});
}

std::vector<MenuEntry> BuildMovieMenu(const MovieMenuState& state) {
    std::vector<MenuEntry> menu;

    std::vector<MenuEntry> subtitles;
    bool anyShown = false;
    for (const Track& track : state.subtitles) anyShown = anyShown || track.selected;
    subtitles.push_back(Check(RW_TR("Menu on the movie", "Off"), {Command::SubtitlesOff}, !anyShown,
                              !state.subtitles.empty()));
    for (std::size_t i = 0; i < state.subtitles.size(); ++i) {
        const Track& track = state.subtitles[i];
        subtitles.push_back(Check(TrackCaption(track, i + 1),
                                  {Command::SubtitleTrack, IdValue(track)}, track.selected));
        subtitles.back().captionIsName = TrackCaptionIsName(track);
    }
    subtitles.push_back(kSeparator);
    subtitles.push_back(Item(RW_TR("Menu on the movie", "Load Subtitle File..."),
                             {Command::LoadSubtitleFile}, state.hasMovie));
    subtitles.push_back(
        Item(RW_TR("Menu on the movie", "Sooner"), {Command::SubtitlesSooner}, state.hasMovie));
    subtitles.push_back(
        Item(RW_TR("Menu on the movie", "Later"), {Command::SubtitlesLater}, state.hasMovie));
    menu.push_back(Submenu(RW_TR("Menu on the movie", "Subtitles"), std::move(subtitles)));

    menu.push_back(AudioMenu(state.audio, state.sound));

    std::vector<MenuEntry> speeds;
    for (double speed : kSpeeds) {
        speeds.push_back(Check(SpeedCaption(speed), {Command::SetSpeed, speed},
                               std::abs(state.speed - speed) < 1e-6, state.hasMovie));
    }
    menu.push_back(Submenu(RW_TR("Menu on the movie", "Speed"), std::move(speeds)));
    menu.push_back(BuildVideoMenu(state.picture, state.hasPicture));

    if (!state.chapters.empty()) {
        std::vector<MenuEntry> chapters;
        for (std::size_t i = 0; i < state.chapters.size(); ++i) {
            chapters.push_back(Item(ChapterCaption(state.chapters[i], i + 1),
                                    {Command::Chapter, state.chapters[i].time}));
        }
        menu.push_back(Submenu(RW_TR("Menu on the movie", "Chapters"), std::move(chapters)));
    }
    menu.push_back(LoopMenu(state.sound, state.hasMovie));

    menu.push_back(kSeparator);
    menu.push_back(Item(RW_TR("Menu on the movie", "Previous Movie in Folder"),
                        {Command::PreviousMovie}, state.canPrevious));
    menu.push_back(Item(RW_TR("Menu on the movie", "Next Movie in Folder"), {Command::NextMovie},
                        state.canNext));
    menu.push_back(Check(RW_TR("Menu on the movie", "Play Folder Through"), {Command::PlayThrough},
                         state.playThrough));
    menu.push_back(kSeparator);
    menu.push_back(Item(RW_TR("Menu on the movie", "Save Frame As..."), {Command::SaveFrameAs},
                        state.hasPicture));
    menu.push_back(
        Item(RW_TR("Menu on the movie", "Copy Frame"), {Command::CopyFrame}, state.hasPicture));
    menu.push_back(kSeparator);
    menu.push_back(Check(RW_TR("Menu on the movie", "Resume Where Left Off"), {Command::Resume},
                         state.resume));
    menu.push_back(HardwareDecodingItem(state.sound));
    menu.push_back(
        Check(RW_TR("Menu on the movie", "Full Screen"), {Command::FullScreen}, state.fullScreen));
    return menu;
}

}  // namespace rw
