#pragma once

#include <string>
#include <vector>

#include "film/SoundMenu.h"
#include "platform/FilmServices.h"
#include "platform/PlayText.h"
#include "platform/PlayerControls.h"

namespace rw {

// What the menu on the movie shows, as things stand when it opens.
struct MovieMenuState {
    bool hasMovie = false;    // a movie is loaded
    bool hasPicture = false;  // and it has a picture to take frames of
    std::vector<Track> subtitles;
    std::vector<Track> audio;
    double speed = 1;
    std::vector<Chapter> chapters;
    bool canPrevious = false;
    bool canNext = false;
    bool resume = true;
    bool playThrough = false;
    bool fullScreen = false;
    PictureState picture;
    SoundMenuState sound;
};

// The menu on the movie: Subtitles, Audio, Speed, Video, Chapters (when the movie
// has any), the movies before and after in its folder and Play Folder
// Through, frames, Resume Where Left Off and Full Screen.
std::vector<MenuEntry> BuildMovieMenu(const MovieMenuState& state);

// "Commentary (fra)", "eng", "Commentary"; "Track 2" (the track's place,
// from 1) when the file names neither.
std::string TrackCaption(const Track& track, std::size_t place);
// Whether TrackCaption is the file's own words only: its title or its
// language, without the program's.
bool TrackCaptionIsName(const Track& track);
// "0:03  Opening"; "1:02:03  Chapter 4" when it has no title.
std::string ChapterCaption(const Chapter& chapter, std::size_t place);
// "Normal" for 1, else "1.5×", "0.75×", "2×".
std::string SpeedCaption(double speed);

}  // namespace rw
