// The film commands: speed steps, the movie before and after in a folder,
// frame names, the menu on the movie and what its choices run.

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>

#include "FilmFakes.h"
#include "film/FilmControls.h"
#include "film/FolderNeighbours.h"
#include "film/MovieMenu.h"
#include "platform/Keys.h"

namespace rw {
namespace {

using test::FakeControls;
using test::FakeFilmServices;
using test::FilmRig;
using test::Rig;

TEST(FilmDecisions, SpeedSteps) {
    const struct {
        double from;
        int direction;
        double to;
    } cases[] = {
        {1, +1, 1.25},    {1, -1, 0.75},   {2, +1, 2},    {0.5, -1, 0.5},
        {1.1, +1, 1.25},  {1.1, -1, 1},    {3, +1, 3},    {3, -1, 2},
        {0.25, -1, 0.25}, {0.25, +1, 0.5}, {1.5, 0, 1.5}, {std::nan(""), +1, 1},
    };
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(SpeedStep(c.from, c.direction), c.to) << c.from << " " << c.direction;
}

TEST(FilmDecisions, VolumeStaysWithinItsRange) {
    const double cases[][3] = {{50, 5, 55}, {98, 5, 100}, {3, -5, 0}, {100, -5, 95}};
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(VolumeAfter(c[0], c[1]), c[2]) << c[0] << " by " << c[1];
    EXPECT_DOUBLE_EQ(VolumeAfter(std::nan(""), -5), 95);
}

TEST(FilmDecisions, CaptionsAndNames) {
    const std::pair<std::string, std::string> cases[] = {
        {TrackCaption({1, "fra", "Commentary", false}, 1), "Commentary (fra)"},
        {TrackCaption({1, "eng", "", false}, 1), "eng"},
        {TrackCaption({1, "", "Director", false}, 1), "Director"},
        {TrackCaption({7, "", "", false}, 2), "Track 2"},
        {ChapterCaption({3.9, "Opening"}, 1), "0:03  Opening"},
        {ChapterCaption({3723, ""}, 4), "1:02:03  Chapter 4"},
        {ChapterCaption({-0.02, "Start"}, 1), "0:00  Start"},
        {SpeedCaption(1), "Normal"},
        {SpeedCaption(1.5), "1.5\u00d7"},
        {SpeedCaption(0.75), "0.75\u00d7"},
        {SpeedBadge(1), ""},
        {SpeedBadge(2), "2\u00d7"},
        {FrameFileName("Harbour lights.mov", 754.9), "Harbour lights 00-12-34.png"},
        {FrameFileName("a.b.mkv", 3600), "a.b 01-00-00.png"},
        {FrameFileName(".hidden", 1), ".hidden 00-00-01.png"},
        {FrameFileName("", -3), "frame 00-00-00.png"},
    };
    for (const auto& [got, want] : cases) EXPECT_EQ(got, want);
}

// A caption of the file's own words alone is a name, shown as it is; one
// the program words is its text, translated.
TEST(FilmDecisions, ATrackCaptionOfTheFilesWordsAloneIsAName) {
    const std::pair<Track, bool> cases[] = {
        {{1, "fra", "Commentary", false}, false},
        {{1, "eng", "", false}, true},
        {{1, "", "Director", false}, true},
        {{7, "", "", false}, false},
    };
    for (const auto& [track, name] : cases)
        EXPECT_EQ(TrackCaptionIsName(track), name) << TrackCaption(track, 1);
}

TEST(FilmDecisions, MoviesBeforeAndAfterInTheFolder) {
    const std::vector<std::string> names = {"Ep 1.mkv", "Ep 2.mkv", "Ep 10.mkv"};
    const struct {
        const char* current;
        int step;
        std::optional<std::string> want;
    } cases[] = {
        {"Ep 2.mkv", +1, "Ep 10.mkv"},  {"Ep 2.mkv", -1, "Ep 1.mkv"},
        {"Ep 1.mkv", -1, std::nullopt}, {"Ep 10.mkv", +1, std::nullopt},
        {"gone.mkv", +1, std::nullopt}, {"Ep 1.mkv", 0, std::nullopt},
        {"ep 1.mkv", +1, std::nullopt},  // letter case counts on Linux
    };
    for (const auto& c : cases)
        EXPECT_EQ(NeighbourName(names, c.current, c.step), c.want) << c.current;
    EXPECT_EQ(NeighbourName({}, "a", 1), std::nullopt);
}

TEST(FilmDecisions, LocalMoviesAndSubtitleFiles) {
    const struct {
        const char* reference;
        std::optional<std::string> folder, name;
    } local[] = {
        {"/home/u/Film.mkv", "/home/u", "Film.mkv"},
        {"file:///home/u/a b.mov", "/home/u", "a b.mov"},
        {"/a.mov", "/", "a.mov"},
        {"http://example.org/a.mp4", std::nullopt, std::nullopt},
        {"relative.mov", std::nullopt, std::nullopt},
        {"/home/u/", std::nullopt, std::nullopt},
        {"", std::nullopt, std::nullopt},
    };
    for (const auto& c : local) {
        const auto got = SplitLocalMovie(c.reference);
        EXPECT_EQ(got ? std::optional(got->folder) : std::nullopt, c.folder) << c.reference;
        EXPECT_EQ(got ? std::optional(got->name) : std::nullopt, c.name) << c.reference;
    }
    const struct {
        const char* name;
        bool smil, subtitles;
    } subs[] = {
        {"Film.en.SRT", false, true}, {"a.ass", false, true},      {"a.vtt", false, true},
        {"a.smi", false, true},       {"a.smi", true, false},      {"a.mkv", false, false},
        {"srt", false, false},        {"a.srt.mov", false, false},
    };
    for (const auto& c : subs) EXPECT_EQ(IsSubtitleFile(c.name, c.smil), c.subtitles) << c.name;
}

// Finds an entry by its caption, in a submenu when given.
const MenuEntry* Find(const std::vector<MenuEntry>& menu, const std::string& caption,
                      const std::string& submenu = {}) {
    for (const auto& entry : menu) {
        if (!submenu.empty() && entry.caption == submenu) return Find(entry.children, caption);
        if (submenu.empty() && entry.caption == caption) return &entry;
    }
    return nullptr;
}

TEST(MovieMenu, ShowsThingsAsTheyAre) {
    MovieMenuState none;
    none.hasMovie = none.hasPicture = false;
    MovieMenuState film;
    film.hasMovie = film.hasPicture = true;
    film.subtitles = {{3, "eng", "", true}, {4, "ger", "", false}};
    film.audio = {{1, "eng", "", true}, {2, "fra", "Commentary", false}};
    film.speed = 1.5;
    film.chapters = {{0, "Opening"}, {3, "Ending"}};
    film.canNext = true;
    film.resume = false;
    film.fullScreen = true;
    MovieMenuState sound = film;
    sound.hasPicture = false;
    sound.audio.resize(1);
    sound.subtitles.clear();
    sound.chapters.clear();

    const struct {
        const MovieMenuState& state;
        const char *caption, *submenu;
        bool present, enabled, checked;
    } cases[] = {
        {none, "Off", "Subtitles", true, false, true},
        {none, "Load Subtitle File...", "Subtitles", true, false, false},
        {none, "Save Frame As...", "", true, false, false},
        {none, "Chapters", "", false, false, false},
        {none, "Normal", "Speed", true, false, true},
        {none, "Resume Where Left Off", "", true, true, true},
        {film, "Off", "Subtitles", true, true, false},
        {film, "eng", "Subtitles", true, true, true},
        {film, "Sooner", "Subtitles", true, true, false},
        {film, "Audio", "", true, true, false},
        {film, "Commentary (fra)", "Audio", true, true, false},
        {film, "1.5\u00d7", "Speed", true, true, true},
        {film, "Normal", "Speed", true, true, false},
        {film, "0:03  Ending", "Chapters", true, true, false},
        {film, "Previous Movie in Folder", "", true, false, false},
        {film, "Next Movie in Folder", "", true, true, false},
        {film, "Copy Frame", "", true, true, false},
        {film, "Resume Where Left Off", "", true, true, false},
        {film, "Play Folder Through", "", true, true, false},
        {film, "Full Screen", "", true, true, true},
        // One track: nothing to choose, but the delay and the device are.
        {sound, "Audio", "", true, true, false},
        {sound, "eng", "Audio", true, false, true},
        {sound, "Delay", "Audio", true, true, false},
        {sound, "Output Device", "Audio", true, true, false},
        {none, "Set A", "A-B Loop", true, false, false},
        {film, "Set B", "A-B Loop", true, true, false},
        {film, "Clear", "A-B Loop", true, false, false},
        {film, "Hardware Decoding", "", true, true, false},
        {sound, "Copy Frame", "", true, false, false},
        {sound, "Chapters", "", false, false, false},
        {sound, "Off", "Subtitles", true, false, true},
    };
    for (const auto& c : cases) {
        const auto menu = BuildMovieMenu(c.state);
        const MenuEntry* entry = Find(menu, c.caption, c.submenu);
        ASSERT_EQ(entry != nullptr, c.present) << c.caption;
        if (!entry) continue;
        EXPECT_EQ(entry->enabled, c.enabled) << c.caption;
        EXPECT_EQ(entry->checked, c.checked) << c.caption;
    }
    const auto menu = BuildMovieMenu(film);
    EXPECT_EQ(Find(menu, "ger", "Subtitles")->action, (Action{Command::SubtitleTrack, 4}));
    EXPECT_EQ(Find(menu, "0:03  Ending", "Chapters")->action, (Action{Command::Chapter, 3}));
}

TEST(FilmControls, CommandsReachThePlayer) {
    const struct {
        Action action;
        std::vector<std::string> calls;
    } cases[] = {
        {{Command::SeekBy, -5}, {"SeekBy -5"}},
        {{Command::VolumeBy, 5}, {"SetVolume 55"}},
        {{Command::VolumeBy, -60}, {"SetVolume 0"}},
        {{Command::Mute}, {"Mute"}},
        {{Command::SpeedUp}, {"SetSpeed 1.25"}},
        {{Command::SpeedDown}, {"SetSpeed 0.75"}},
        {{Command::SpeedNormal}, {"SetSpeed 1"}},
        {{Command::SetSpeed, 2}, {"SetSpeed 2"}},
        {{Command::FrameBack}, {"StepFrame back"}},
        {{Command::FrameForward}, {"StepFrame forward"}},
        {{Command::SubtitlesLater}, {"SetSubtitleDelay 0.3"}},
        {{Command::SubtitlesSooner}, {"SetSubtitleDelay 0.1"}},
        {{Command::SubtitlesOff}, {"SelectSubtitle 0"}},
        {{Command::SubtitleTrack, 4}, {"SelectSubtitle 4"}},
        {{Command::AudioTrack, 2}, {"SelectAudio 2"}},
        {{Command::Chapter, 3}, {"SeekTo 3"}},
        {{Command::CopyFrame}, {"CopyFrame"}},
    };
    for (const auto& c : cases) {
        FilmRig r;
        r.controls.volume = 50;
        r.controls.delay = 0.2;
        r.commands.Run(c.action);
        EXPECT_EQ(r.journal, c.calls) << static_cast<int>(c.action.command);
        // A player that fails leaves the program running, and nothing done.
        FilmRig failing;
        failing.controls.failAll = true;
        failing.commands.Run(c.action);
        EXPECT_TRUE(failing.journal.empty());
    }
}

TEST(FilmControls, PlayPauseRunsTheMovieMenusItems) {
    FilmRig r;
    r.controls.movie = false;
    r.commands.Run({Command::PlayPause});
    EXPECT_TRUE(r.journal.empty());  // no Open dialog for a key
    r.controls.movie = true;
    r.player.reference = "/m/a.mov";
    r.commands.Run({Command::PlayPause});
    EXPECT_EQ(r.Calls("Play"), std::vector<std::string>{"Play"});
    r.controls.paused = false;
    r.commands.Run({Command::PlayPause});
    EXPECT_EQ(r.Calls("Pause"), std::vector<std::string>{"Pause"});
}

// Each menu item of the window runs its own handler through the dispatcher.
TEST(Commands, MenuItemsRunTheirHandlers) {
    const struct {
        Menu item;
        std::string first;  // the first thing the handler asks of the platform
    } cases[] = {
        {Menu::FileOpen, "OpenFile"},   {Menu::FileOpenURL, "InputBox"},
        {Menu::FileExit, "Close"},      {Menu::MoviePlay, "Play"},
        {Menu::MoviePause, "Pause"},    {Menu::MovieRewind, "Rewind"},
        {Menu::MovieLoop, "SetLoop 1"}, {Menu::MovieControls, "SetController 0"},
        {Menu::FileSep1, ""},
    };
    for (const auto& row : cases) {
        FilmRig r;
        r.player.reference = "/m/a.mov";
        r.window.checked[Menu::MovieControls] = true;
        r.commands.OnMenu(row.item);
        // Where nothing is expected, nothing at all.
        const std::size_t length = row.first.empty() ? std::string::npos : row.first.size();
        EXPECT_EQ(r.journal.empty() ? "" : r.journal.front().substr(0, length), row.first)
            << static_cast<int>(row.item);
    }
}

// The film's keys act through the key table while the window is open, and
// not at all once it has closed.
TEST(Commands, FilmKeysActUntilTheWindowCloses) {
    FilmRig r;
    r.player.reference = "/m/a.mov";
    EXPECT_TRUE(r.commands.OnKeyDown(keys::kRight, keys::kCtrl));
    EXPECT_FALSE(r.commands.OnKeyDown(keys::kW, 0));  // the window's, on release
    EXPECT_EQ(r.Calls("SeekBy"), std::vector<std::string>{"SeekBy 60"});
    r.commands.OnUnload();
    r.journal.clear();
    EXPECT_FALSE(r.commands.OnKeyDown(keys::kRight, 0));
    EXPECT_TRUE(r.Calls("SeekBy").empty());
}

TEST(FilmControls, NextAndPreviousMovieOpenThroughOpenMovie) {
    FilmRig r;
    r.files.files["/m/Ep 10.mkv"] = 1000;
    r.player.reference = "/m/Ep 2.mkv";
    r.film.MovieChanged();
    EXPECT_EQ(r.services.listed, std::vector<std::string>{"/m|mkv"});
    EXPECT_EQ(r.film.Neighbour(+1), std::nullopt);  // not listed yet
    r.film.FolderListed("/elsewhere", {"Ep 2.mkv", "x.mkv"});
    EXPECT_EQ(r.film.Neighbour(+1), std::nullopt);
    r.film.FolderListed("/m", {"Ep 1.mkv", "Ep 2.mkv", "Ep 10.mkv"});
    EXPECT_EQ(r.film.Neighbour(+1), "/m/Ep 10.mkv");
    r.journal.clear();
    r.commands.Run({Command::NextMovie});
    EXPECT_EQ(r.Calls("Load"), std::vector<std::string>{"Load /m/Ep 10.mkv"});
    EXPECT_EQ(r.window.tags[Menu::Recent0], "/m/Ep 10.mkv");  // like any other road
    // At the end of the folder nothing opens; the same folder is not listed
    // again for every movie in it.
    r.film.MovieChanged();
    r.journal.clear();
    r.commands.Run({Command::NextMovie});
    EXPECT_TRUE(r.Calls("Load").empty());
    EXPECT_EQ(r.services.listed.size(), 1u);
    // An address has no folder.
    r.player.reference = "http://example.org/Ep 3.mkv";
    r.film.MovieChanged();
    EXPECT_EQ(r.film.Neighbour(-1), std::nullopt);
}

// Movies deleted since the folder was listed are passed over, and the
// folder is listed again; the playing movie stays when none is left.
TEST(FilmControls, NextAndPreviousPassOverMoviesGoneSinceTheFolderWasListed) {
    const struct {
        const char* name;
        std::vector<std::string> present;  // beside the playing "c.mkv"
        int step;
        std::vector<std::string> loads;
        std::size_t listings;  // of the folder, the first included
    } cases[] = {
        {"the next is there", {"d.mkv", "e.mkv"}, +1, {"Load /m/d.mkv"}, 1},
        {"the next is gone", {"e.mkv"}, +1, {"Load /m/e.mkv"}, 2},
        {"the one before is gone", {"a.mkv"}, -1, {"Load /m/a.mkv"}, 2},
        {"all after are gone", {"a.mkv"}, +1, {}, 2},
    };
    for (const auto& row : cases) {
        FilmRig r;
        for (const std::string& name : row.present) r.files.files["/m/" + name] = 1000;
        r.player.reference = "/m/c.mkv";
        r.film.MovieChanged();
        r.film.FolderListed("/m", {"a.mkv", "b.mkv", "c.mkv", "d.mkv", "e.mkv"});
        r.journal.clear();
        r.commands.Run({row.step > 0 ? Command::NextMovie : Command::PreviousMovie});
        EXPECT_EQ(r.Calls("Load"), row.loads) << row.name;
        EXPECT_EQ(r.services.listed.size(), row.listings) << row.name;
    }
}

// Play Folder Through: the end of a movie opens the next of its folder,
// once, and only while it is on and the movie does not loop.
TEST(FilmControls, PlayFolderThroughOpensTheNextMovieAtTheEnd) {
    const struct {
        const char* name;
        bool through, loop, last;
        std::vector<std::string> loads;
    } cases[] = {
        {"off: the end stays", false, false, false, {}},
        {"on", true, false, false, {"Load /m/b.mkv"}},
        {"on, looping", true, true, false, {}},
        {"on, the folder's last movie", true, false, true, {}},
    };
    for (const auto& row : cases) {
        FilmRig r;
        r.files.files["/m/b.mkv"] = 1000;
        r.player.reference = row.last ? "/m/b.mkv" : "/m/a.mkv";
        r.film.MovieChanged();
        r.film.FolderListed("/m", {"a.mkv", "b.mkv"});
        if (row.through) r.commands.Run({Command::PlayThrough});
        r.window.SetChecked(Menu::MovieLoop, row.loop);
        r.film.PlaybackChanged();  // playing
        r.journal.clear();
        r.controls.atEnd = true;
        r.film.PlaybackChanged();
        r.film.PlaybackChanged();  // still at the end: nothing more
        EXPECT_EQ(r.Calls("Load"), row.loads) << row.name;
    }
}

TEST(FilmControls, SaveFrameAsStartsInPicturesWithTheMovieAndTime) {
    const struct {
        std::string chosen, saved;
    } cases[] = {
        {"/home/u/Pictures/shot.png", "SaveFrame /home/u/Pictures/shot.png"},
        {"/home/u/Pictures/shot", "SaveFrame /home/u/Pictures/shot.png"},
        {"/home/u/shot.PNG", "SaveFrame /home/u/shot.PNG"},
        {"", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("chosen: \"" + c.chosen + "\"");
        FilmRig r;
        r.InFolder();
        r.controls.position = 75;
        r.services.saveResult = c.chosen;
        r.commands.Run({Command::SaveFrameAs});
        EXPECT_EQ(r.services.lastInitialPath, "/home/u/Pictures/Ep 2 00-01-15.png");
        EXPECT_EQ(r.Calls("SaveFrame"),
                  c.saved.empty() ? std::vector<std::string>{} : std::vector{c.saved});
    }
}

TEST(FilmControls, TheMenuRunsItsChoice) {
    FilmRig r;
    r.InFolder();
    r.services.choice = Action{Command::Resume};
    r.commands.Run({Command::MovieMenu});
    EXPECT_FALSE(r.film.resume);
    EXPECT_TRUE(Find(r.services.shown, "Next Movie in Folder")->enabled);
    r.commands.Run({Command::MovieMenu});
    EXPECT_TRUE(r.film.resume);
    r.services.choice.reset();  // closed without a choice
    r.commands.Run({Command::MovieMenu});
    EXPECT_TRUE(r.film.resume);
    r.services.openResult = "/m/Ep 2.en.srt";
    r.services.choice = Action{Command::LoadSubtitleFile};
    r.commands.Run({Command::MovieMenu});
    EXPECT_EQ(r.services.lastOpenFilter, kSubtitleFilter);
    EXPECT_EQ(r.services.lastOpenFolder, "/m");
    EXPECT_EQ(r.Calls("AddSubtitleFile"),
              std::vector<std::string>{"AddSubtitleFile /m/Ep 2.en.srt"});
}

}  // namespace

}  // namespace rw
