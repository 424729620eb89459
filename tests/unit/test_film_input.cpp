// The film's keys and drops: which key runs which command, and where a
// dropped subtitle file goes.

#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <set>
#include <sstream>
#include <string>

#include "FilmFakes.h"
#include "film/CommandTable.h"
#include "platform/Keys.h"

namespace rw {
namespace {

using test::FilmRig;

TEST(FilmKeys, AddedKeysActAndTheWindowsOwnKeysComeFirst) {
    using namespace keys;
    using C = Command;
    const struct {
        std::int16_t code, shift;
        std::optional<Action> action;
    } cases[] = {
        {kSpace, 0, Action{C::PlayPause}},
        {kLeft, 0, Action{C::SeekBy, -5}},
        {kRight, 0, Action{C::SeekBy, 5}},
        {kLeft, kCtrl, Action{C::SeekBy, -60}},
        {kRight, kCtrl, Action{C::SeekBy, 60}},
        {kUp, 0, Action{C::VolumeBy, 5}},
        {kDown, 0, Action{C::VolumeBy, -5}},
        {kM, 0, Action{C::Mute}},
        {kBracketLeft, 0, Action{C::SpeedDown}},
        {kBracketRight, 0, Action{C::SpeedUp}},
        {kBackspace, 0, Action{C::SpeedNormal}},
        {kPageUp, 0, Action{C::PreviousMovie}},
        {kPageDown, 0, Action{C::NextMovie}},
        {kComma, 0, Action{C::FrameBack}},
        {kPeriod, 0, Action{C::FrameForward}},
        {kZ, 0, Action{C::SubtitlesSooner}},
        {kX, 0, Action{C::SubtitlesLater}},
        // The window's own keys and shortcuts keep their meaning.
        {kW, 0, std::nullopt},
        {kH, kCtrl, std::nullopt},
        {kC, kCtrl, std::nullopt},
        {kEscape, 0, std::nullopt},
        {kEnter, 0, std::nullopt},
        {kF11, 0, std::nullopt},
        {kM, kCtrl, std::nullopt},
        {kM, kAlt, std::nullopt},            // access keys belong to the menu bar
        {kLeft, kAlt, Action{C::PanX, -1}},  // the zoomed picture moves
        {kLeft, kAlt | kCtrl, std::nullopt},
        {kSpace, kShift, std::nullopt},
        {kUp, kCtrl, std::nullopt},
        {kRight, kCtrl | kShift, std::nullopt},
        {0, 0, std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(KeyCommand(c.code, c.shift, KeyTime::Press), c.action)
            << c.code << " " << c.shift;
    EXPECT_EQ(WheelAction(1), (Action{C::VolumeBy, 5}));
    EXPECT_EQ(WheelAction(-2), (Action{C::VolumeBy, -10}));
    EXPECT_EQ(WheelAction(std::nan("")), (Action{C::VolumeBy, 0}));
}

// The keys in `code spans` in column `column` of the README's first table
// after the line that starts with `marker`.
std::set<std::string> ReadmeKeys(const std::string& marker, std::size_t column) {
    std::ifstream file(REELWICK_SOURCE_DIR "/README.md");
    std::set<std::string> keys;
    bool found = false, inTable = false;
    for (std::string line; std::getline(file, line);) {
        found = found || line.rfind(marker, 0) == 0;
        if (!found) continue;
        if (line.rfind("|", 0) != 0) {
            if (inTable) break;
            continue;
        }
        inTable = true;
        std::vector<std::string> cells;
        std::stringstream row(line.substr(1));
        for (std::string cell; std::getline(row, cell, '|');) cells.push_back(cell);
        if (cells.size() <= column) continue;
        const std::string& cell = cells[column];
        for (std::size_t open = cell.find('`'); open != std::string::npos;) {
            const std::size_t close = cell.find('`', open + 1);
            if (close == std::string::npos) break;
            keys.insert(cell.substr(open + 1, close - open - 1));
            open = cell.find('`', close + 1);
        }
    }
    return keys;
}

// The README's key tables name exactly the keys of the key table: the
// film's on press, the menus' and the window's own otherwise.
TEST(FilmKeys, TheReadmeListsEveryKeyOfTheTable) {
    std::set<std::string> press, window;
    for (const KeyRow& row : kKeyTable)
        (row.time == KeyTime::Press ? press : window).insert(row.keys);
    std::set<std::string> readmeWindow = ReadmeKeys("| Menu | Item | Keys |", 2);
    readmeWindow.merge(ReadmeKeys("Keys of the window itself", 0));
    EXPECT_EQ(readmeWindow, window);
    EXPECT_EQ(ReadmeKeys("Keys of the film", 0), press);
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
