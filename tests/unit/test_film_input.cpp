// The film's keys and drops: which key runs which command, and where a
// dropped subtitle file goes.

#include <gtest/gtest.h>

#include <cmath>

#include "FilmFakes.h"
#include "film/FilmKeys.h"
#include "platform/Keys.h"

namespace rw {
namespace {

using test::FilmRig;

TEST(FilmKeys, AddedKeysActAndTheWindowsOwnKeysComeFirst) {
    using namespace keys;
    using C = FilmCommand;
    const struct {
        std::int16_t code, shift;
        std::optional<FilmAction> action;
    } cases[] = {
        {kSpace, 0, FilmAction{C::PlayPause}},
        {kLeft, 0, FilmAction{C::SeekBy, -5}},
        {kRight, 0, FilmAction{C::SeekBy, 5}},
        {kLeft, kCtrl, FilmAction{C::SeekBy, -60}},
        {kRight, kCtrl, FilmAction{C::SeekBy, 60}},
        {kUp, 0, FilmAction{C::VolumeBy, 5}},
        {kDown, 0, FilmAction{C::VolumeBy, -5}},
        {kM, 0, FilmAction{C::Mute}},
        {kBracketLeft, 0, FilmAction{C::SpeedDown}},
        {kBracketRight, 0, FilmAction{C::SpeedUp}},
        {kBackspace, 0, FilmAction{C::SpeedNormal}},
        {kPageUp, 0, FilmAction{C::PreviousMovie}},
        {kPageDown, 0, FilmAction{C::NextMovie}},
        {kComma, 0, FilmAction{C::FrameBack}},
        {kPeriod, 0, FilmAction{C::FrameForward}},
        {kZ, 0, FilmAction{C::SubtitlesSooner}},
        {kX, 0, FilmAction{C::SubtitlesLater}},
        // The window's own keys and shortcuts keep their meaning.
        {kW, 0, std::nullopt},
        {kH, kCtrl, std::nullopt},
        {kC, kCtrl, std::nullopt},
        {kEscape, 0, std::nullopt},
        {kEnter, 0, std::nullopt},
        {kF11, 0, std::nullopt},
        {kM, kCtrl, std::nullopt},
        {kM, kAlt, std::nullopt},  // access keys belong to the menu bar
        {kLeft, kAlt, std::nullopt},
        {kSpace, kShift, std::nullopt},
        {kUp, kCtrl, std::nullopt},
        {kRight, kCtrl | kShift, std::nullopt},
        {0, 0, std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FilmKeyAction(c.code, c.shift), c.action) << c.code << " " << c.shift;
    EXPECT_EQ(WheelAction(1), (FilmAction{C::VolumeBy, 5}));
    EXPECT_EQ(WheelAction(-2), (FilmAction{C::VolumeBy, -10}));
    EXPECT_EQ(WheelAction(std::nan("")), (FilmAction{C::VolumeBy, 0}));
}

TEST(FilmControls, DroppedSubtitlesGoToTheLoadedMovie) {
    const struct {
        std::vector<std::string> files;
        bool movie;
        bool taken;
        std::vector<std::string> calls;
    } cases[] = {
        {{"/d/Film.en.srt"}, true, true, {"AddSubtitleFile /d/Film.en.srt"}},
        {{"/d/Film.ASS", "/d/b.mkv"}, true, true, {"AddSubtitleFile /d/Film.ASS"}},
        {{"/d/Film.srt"}, false, true, {}},  // nothing to add it to: nothing at all
        {{"/d/subs.smi"}, true, true, {"AddSubtitleFile /d/subs.smi"}},  // SAMI
        {{"/d/show.smi"}, true, false, {}},  // SMIL: a presentation, opened as a movie
        {{"/d/b.mkv", "/d/Film.srt"}, true, false, {}},
        {{}, true, false, {}},
    };
    for (const auto& c : cases) {
        FilmRig r;
        r.services.presentations = {"/d/show.smi"};
        r.controls.movie = c.movie;
        EXPECT_EQ(r.film.Dropped(c.files), c.taken) << (c.files.empty() ? "" : c.files[0]);
        EXPECT_EQ(r.journal, c.calls);
    }
}

}  // namespace
}  // namespace rw
