// The short line over the movie after a change: what it says for each kind
// of change, and when the dispatcher shows it.

#include <gtest/gtest.h>

#include "FilmFakes.h"
#include "film/ChangeLine.h"

namespace rw {
namespace {

using test::FilmRig;

FilmState Playing() {
    FilmState s;
    s.movie = true;
    s.paused = false;
    s.position = 62;
    s.duration = 300;
    s.volume = 80;
    s.subtitles = {{3, "eng", "English", true}, {4, "", "", false}};
    s.audio = {{1, "fra", "Commentary", true}};
    s.chapters = {{0, "Opening"}, {95, ""}};
    s.hasPicture = true;
    return s;
}

template <class Change>
FilmState With(Change change) {
    FilmState s = Playing();
    change(s);
    return s;
}

TEST(ChangeLine, SaysWhatEachKindOfChangeLeads) {
    const struct {
        const char* name;
        Action action;
        FilmState before;
        std::string line;
    } rows[] = {
        {"seek forward", {Command::SeekBy, 5}, Playing(), "1:07 / 5:00"},
        {"seek past the end",
         {Command::SeekBy, 60},
         With([](auto& s) { s.position = 290; }),
         "5:00 / 5:00"},
        {"seek before the start", {Command::SeekBy, -90}, Playing(), "0:00 / 5:00"},
        {"seek a live stream", {Command::SeekBy, 5}, With([](auto& s) { s.duration = 0; }), "1:07"},
        {"seek with nothing loaded", {Command::SeekBy, 5}, FilmState{}, ""},
        {"desktop seeks to a place", {Command::SeekTo, 3723}, Playing(), "5:00 / 5:00"},
        {"volume up", {Command::VolumeBy, 5}, Playing(), "Volume 85%"},
        {"volume past the top", {Command::VolumeBy, 25}, Playing(), "Volume 100%"},
        {"volume down while muted",
         {Command::VolumeBy, -5},
         With([](auto& s) { s.muted = true; }),
         "Volume 75% (muted)"},
        {"volume up unmutes",
         {Command::VolumeBy, 5},
         With([](auto& s) { s.muted = true; }),
         "Volume 85%"},
        {"desktop sets the volume", {Command::SetVolume, 42.4}, Playing(), "Volume 42%"},
        {"mute", {Command::Mute}, Playing(), "Muted"},
        {"unmute", {Command::Mute}, With([](auto& s) { s.muted = true; }), "Volume 80%"},
        {"faster", {Command::SpeedUp}, With([](auto& s) { s.speed = 1.25; }), "Speed 1.5\u00d7"},
        {"slower to normal",
         {Command::SpeedDown},
         With([](auto& s) { s.speed = 1.25; }),
         "Normal speed"},
        {"normal speed",
         {Command::SpeedNormal},
         With([](auto& s) { s.speed = 2; }),
         "Normal speed"},
        {"desktop rate beyond the range", {Command::SetSpeed, 8}, Playing(), "Speed 2\u00d7"},
        {"desktop rate 0 pauses", {Command::SetSpeed, 0}, Playing(), "Paused"},
        {"subtitles later",
         {Command::SubtitlesLater},
         With([](auto& s) { s.subtitleDelay = 0.2; }),
         "Subtitles 0.3 s later"},
        {"subtitles sooner", {Command::SubtitlesSooner}, Playing(), "Subtitles 0.1 s sooner"},
        {"subtitles back on time",
         {Command::SubtitlesSooner},
         With([](auto& s) { s.subtitleDelay = 0.1; }),
         "Subtitles on time"},
        {"subtitle track", {Command::SubtitleTrack, 3}, Playing(), "Subtitles: English (eng)"},
        {"subtitle track without a name",
         {Command::SubtitleTrack, 4},
         Playing(),
         "Subtitles: Track 2"},
        {"subtitles off", {Command::SubtitlesOff}, Playing(), "Subtitles off"},
        {"audio track", {Command::AudioTrack, 1}, Playing(), "Audio: Commentary (fra)"},
        {"audio track gone", {Command::AudioTrack, 9}, Playing(), ""},
        {"chapter", {Command::Chapter, 0}, Playing(), "Chapter 1: Opening"},
        {"chapter without a title", {Command::Chapter, 95}, Playing(), "Chapter 2"},
        {"pause", {Command::PlayPause}, Playing(), "Paused"},
        {"play", {Command::PlayPause}, With([](auto& s) { s.paused = true; }), "Playing"},
        {"desktop play while playing", {Command::PlayIfLoaded}, Playing(), ""},
        {"desktop pause", {Command::PauseIfLoaded}, Playing(), "Paused"},
        {"desktop stop", {Command::Stop}, Playing(), "Stopped"},
        {"frame forward", {Command::FrameForward}, Playing(), "One frame forward"},
        {"frame back", {Command::FrameBack}, Playing(), "One frame back"},
        {"next shape",
         {Command::NextAspect},
         With([](auto& s) { s.picture.aspect = 16.0 / 9; }),
         "Aspect ratio 16:10"},
        {"the file's own shape", {Command::SetAspect, 0}, Playing(), "Aspect ratio: automatic"},
        {"zoom in", {Command::ZoomBy, 1}, Playing(), "Zoom 107%"},
        {"move the zoomed picture",
         {Command::PanY, -1},
         With([](auto& s) { s.picture = {.zoom = 1, .panX = 0.1}; }),
         "Picture moved 10% right, 5% up"},
        {"move at its own size", {Command::PanX, 1}, Playing(), ""},
        {"fill", {Command::FillWindow}, Playing(), "Fill Window on"},
        {"zoom reset", {Command::ResetZoom}, Playing(), "Zoom reset"},
        {"rotate", {Command::SetRotation, 90}, Playing(), "Rotated 90\u00b0"},
        {"deinterlace key", {Command::ToggleDeinterlace}, Playing(), "Deinterlace: on"},
        {"deinterlace automatic",
         {Command::SetDeinterlace, 0},
         Playing(),
         "Deinterlace: automatic"},
        {"brightness up", {Command::BrightnessBy, 1}, Playing(), "Brightness +5"},
        {"contrast down",
         {Command::ContrastBy, -1},
         With([](auto& s) {
             s.picture.values = {0, -5, 0, 0};
         }),
         "Contrast -10"},
        {"gamma back to none",
         {Command::GammaBy, 1},
         With([](auto& s) {
             s.picture.values = {0, 0, 0, -5};
         }),
         "Gamma 0"},
        {"picture values reset", {Command::ResetPictureValues}, Playing(), "Picture values reset"},
        {"a picture change without a picture",
         {Command::BrightnessBy, 1},
         With([](auto& s) { s.hasPicture = false; }),
         ""},
        {"loop: A set", {Command::LoopAB}, Playing(), "Loop from 1:02"},
        {"loop: B set",
         {Command::LoopAB},
         With([](auto& s) { s.loop.a = 10; }),
         "Loop 0:10 to 1:02"},
        {"loop cleared",
         {Command::LoopAB},
         With([](auto& s) {
             s.loop = {10, 20};
         }),
         "Loop cleared"},
        {"loop without a movie", {Command::LoopAB}, With([](auto& s) { s.movie = false; }), ""},
        {"sound later", {Command::AudioLater}, Playing(), "Sound 50 ms later"},
        {"sound sooner past none",
         {Command::AudioSooner},
         With([](auto& s) { s.audioDelay = 0.05; }),
         "Sound on time"},
        {"sound sooner", {Command::AudioSooner}, Playing(), "Sound 50 ms sooner"},
        {"output device",
         {Command::OutputDevice, 1},
         With([](auto& s) {
             s.devices = {{"alsa/hdmi", "HDMI"}};
         }),
         "Output device: HDMI"},
        {"output device automatic",
         {Command::OutputDevice, 0},
         Playing(),
         "Output device: automatic"},
        {"hardware decoding", {Command::HardwareDecoding}, Playing(), "Hardware decoding on"},
        {"a menu item of the window", {Command::Pause}, Playing(), ""},
        {"full screen", {Command::FullScreen}, Playing(), ""},
    };
    for (const auto& row : rows)
        EXPECT_EQ(ChangeLine(row.action, row.before), row.line) << row.name;
}

TEST(ChangeLine, SubtitleDelayMovesInTenths) {
    const double rows[][3] = {{0.2, 0.1, 0.3}, {0.1, -0.1, 0}, {-0.04, -0.1, -0.1}};
    for (const auto& r : rows) EXPECT_DOUBLE_EQ(SubtitleDelayAfter(r[0], r[1]), r[2]) << r[0];
}

// The dispatcher shows the line of a film command; never under the folder
// list; the menu on the movie takes the line away before it opens.
TEST(ChangeLine, TheDispatcherShowsIt) {
    const struct {
        const char* name;
        Action action;
        bool listShown;
        std::vector<std::string> lines;
    } rows[] = {
        {"a key", {Command::VolumeBy, 5}, false, {"Volume 55%"}},
        {"under the folder list", {Command::VolumeBy, 5}, true, {}},
        {"a menu item of the window", {Command::Rewind}, false, {}},
        {"a picture key", {Command::SaturationBy, -1}, false, {"Saturation -5"}},
        {"the menu on the movie and its choice",
         {Command::MovieMenu, 1},
         false,
         {"", "Normal speed"}},
    };
    for (const auto& row : rows) {
        FilmRig r;
        r.player.reference = "/m/a.mov";
        r.controls.volume = 50;
        r.window.filesVisible = row.listShown;
        r.services.choice = Action{Command::SpeedNormal};
        r.commands.Run(row.action);
        EXPECT_EQ(r.controls.lines, row.lines) << row.name;
    }
}

}  // namespace
}  // namespace rw
