#include <gtest/gtest.h>

#include <limits>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

#include "Fakes.h"
#include "film/DesktopEvents.h"
#include "platform/Desktop.h"
#include "platform/desktop/MprisValues.h"
#include "platform/desktop/ScreenHold.h"

namespace rw {
namespace {

using test::Rig;

// ---- When the screen is held on ---------------------------------------------

TEST(ShouldHoldScreen, OnlyWhileAMovieWithAPicturePlays) {
    //        loaded picture playing atEnd  hold
    const std::tuple<bool, bool, bool, bool, bool> cases[] = {
        {true, true, true, false, true},     // a movie plays
        {true, true, false, false, false},   // paused
        {true, true, true, true, false},     // at its end (libmpv keeps it unpaused)
        {true, true, false, true, false},    // paused at its end
        {true, false, true, false, false},   // sound alone
        {false, false, true, false, false},  // nothing loaded, or a failed load
        {false, true, true, false, false},   // a picture left from a load that went on
        {false, false, false, false, false},
    };
    for (const auto& [loaded, picture, playing, atEnd, hold] : cases) {
        EXPECT_EQ(ShouldHoldScreen({loaded, picture, playing, atEnd}), hold)
            << loaded << picture << playing << atEnd;
    }
}

// ---- The requests to the desktop --------------------------------------------

const char* Name(HoldWay way) {
    switch (way) {
        case HoldWay::ScreenSaver:
            return "ScreenSaver";
        case HoldWay::Portal:
            return "Portal";
        case HoldWay::X11:
            return "X11";
        case HoldWay::None:
            break;
    }
    return "None";
}

// Records requests; answers them when told, or at once for the ways listed.
struct FakeWays final : IHoldWays {
    std::vector<std::string> calls;
    std::vector<HoldWay> answerAtOnce;
    bool grantAtOnce = true;
    ScreenHold* hold = nullptr;

    void Ask(HoldWay way) override {
        calls.push_back(std::string("Ask ") + Name(way));
        for (const HoldWay w : answerAtOnce) {
            if (w == way) hold->Answered(grantAtOnce);
        }
    }
    void Withdraw(HoldWay way) override { calls.push_back(std::string("Withdraw ") + Name(way)); }
};

struct HoldRig {
    explicit HoldRig(HoldWay first = HoldWay::ScreenSaver) : hold(ways, first) {
        ways.hold = &hold;
    }
    FakeWays ways;
    ScreenHold hold;
};

using Calls = std::vector<std::string>;

TEST(ScreenHold, OneRequestPerChangeOfState) {
    HoldRig r;
    r.hold.Set(true);
    r.hold.Set(true);  // the same state again: nothing
    EXPECT_EQ(r.ways.calls, Calls{"Ask ScreenSaver"});
    EXPECT_TRUE(r.hold.Asking());
    r.hold.Answered(true);
    EXPECT_TRUE(r.hold.Held());
    r.hold.Set(false);
    r.hold.Set(false);
    r.hold.Set(true);
    r.hold.Answered(true);
    r.hold.Set(false);
    EXPECT_EQ(r.ways.calls, (Calls{"Ask ScreenSaver", "Withdraw ScreenSaver", "Ask ScreenSaver",
                                   "Withdraw ScreenSaver"}));
    EXPECT_FALSE(r.hold.Held());
}

TEST(ScreenHold, AHoldGrantedAfterItWasNoLongerWantedIsWithdrawnAtOnce) {
    HoldRig r;
    r.hold.Set(true);
    r.hold.Set(false);  // while the request is out: nothing goes out yet
    EXPECT_EQ(r.ways.calls, Calls{"Ask ScreenSaver"});
    r.hold.Answered(true);
    EXPECT_EQ(r.ways.calls, (Calls{"Ask ScreenSaver", "Withdraw ScreenSaver"}));
    EXPECT_FALSE(r.hold.Held());
}

TEST(ScreenHold, OnAndOffAndOnAgainWhileAskingNeedsOneRequest) {
    HoldRig r;
    r.hold.Set(true);
    r.hold.Set(false);
    r.hold.Set(true);
    r.hold.Answered(true);
    EXPECT_EQ(r.ways.calls, Calls{"Ask ScreenSaver"});
    EXPECT_TRUE(r.hold.Held());
}

TEST(ScreenHold, ARefusedWayGivesWayToTheNextOneInOrder) {
    HoldRig r;
    r.hold.Set(true);
    r.hold.Answered(false);  // no screen saver service
    r.hold.Answered(false);  // no portal either
    r.hold.Answered(true);   // the X screen saver
    EXPECT_EQ(r.ways.calls, (Calls{"Ask ScreenSaver", "Ask Portal", "Ask X11"}));
    r.hold.Set(false);
    r.hold.Set(true);
    r.hold.Answered(true);
    // The refused ways are not asked again.
    EXPECT_EQ(r.ways.calls,
              (Calls{"Ask ScreenSaver", "Ask Portal", "Ask X11", "Withdraw X11", "Ask X11"}));
    EXPECT_EQ(r.hold.Way(), HoldWay::X11);
}

TEST(ScreenHold, ARefusalWhenNoLongerWantedTriesTheNextWayAtTheNextHold) {
    HoldRig r;
    r.hold.Set(true);
    r.hold.Set(false);
    r.hold.Answered(false);
    EXPECT_EQ(r.ways.calls, Calls{"Ask ScreenSaver"});
    EXPECT_EQ(r.hold.Way(), HoldWay::Portal);
    r.hold.Set(true);
    EXPECT_EQ(r.ways.calls, (Calls{"Ask ScreenSaver", "Ask Portal"}));
}

TEST(ScreenHold, WhenEveryWayRefusesNothingMoreIsAsked) {
    HoldRig r(HoldWay::X11);
    r.ways.answerAtOnce = {HoldWay::X11};
    r.ways.grantAtOnce = false;  // no X display
    r.hold.Set(true);
    EXPECT_EQ(r.hold.Way(), HoldWay::None);
    r.hold.Set(false);
    r.hold.Set(true);
    EXPECT_EQ(r.ways.calls, Calls{"Ask X11"});
    EXPECT_FALSE(r.hold.Held());
    EXPECT_FALSE(r.hold.Asking());
}

TEST(ScreenHold, AnAnswerGivenBeforeAskReturnsCounts) {
    HoldRig r(HoldWay::X11);
    r.ways.answerAtOnce = {HoldWay::X11};
    r.hold.Set(true);
    EXPECT_TRUE(r.hold.Held());
    EXPECT_FALSE(r.hold.Asking());
    r.hold.Set(false);
    EXPECT_EQ(r.ways.calls, (Calls{"Ask X11", "Withdraw X11"}));
}

TEST(ScreenHold, AnAnswerNobodyWaitsForChangesNothing) {
    HoldRig r;
    r.hold.Answered(true);
    EXPECT_FALSE(r.hold.Held());
    r.hold.Set(true);
    r.hold.Answered(true);
    r.hold.Answered(false);  // a second answer to the same request
    EXPECT_TRUE(r.hold.Held());
    EXPECT_EQ(r.hold.Way(), HoldWay::ScreenSaver);
}

// ---- Values MPRIS speaks in -------------------------------------------------

TEST(MprisValues, OpenUriTurnsLocalFileUrisIntoPaths) {
    const std::pair<const char*, std::string> cases[] = {
        {"file:///home/u/a.mov", "/home/u/a.mov"},
        {"FILE:///home/u/a.mov", "/home/u/a.mov"},
        {"file:///home/u/My%20Movie%25.mp4", "/home/u/My Movie%.mp4"},
        {"file:///m/caf%E9.mp4", "/m/caf\xE9.mp4"},  // bytes, not UTF-8
        {"file:///m/a%00b.mp4", ""},                 // a NUL would cut the name short
        {"file://host/m/a.mov", "file://host/m/a.mov"},
        {"file:relative.mov", "file:relative.mov"},
        {"http://example.org/a%20b.mp4", "http://example.org/a%20b.mp4"},
        {"av://lavfi:testsrc", "av://lavfi:testsrc"},  // the player refuses it
        {"/dev/zero", "/dev/zero"},                    // and this
        {"", ""},
    };
    for (const auto& [uri, reference] : cases) EXPECT_EQ(ReferenceOfUri(uri), reference) << uri;
}

TEST(MprisValues, TitleIsTheFileName) {
    const std::pair<const char*, const char*> cases[] = {
        {"/home/u/Harbour lights.mov", "Harbour lights.mov"},
        {"http://example.org/clips/a.mp4", "a.mp4"},
        {"http://example.org/", "http://example.org/"},
        {"a.mov", "a.mov"},
        {"C:\\m\\a.mov", "C:\\m\\a.mov"},  // a back slash is a character on Linux
    };
    for (const auto& [reference, title] : cases) EXPECT_EQ(TitleOf(reference), title) << reference;
}

TEST(MprisValues, TitleOfAWebAddressIsLibmpvsMediaTitle) {
    const std::tuple<const char*, const char*, const char*> cases[] = {
        {"https://example.org/watch?v=1", "A page's title", "A page's title"},
        {"HTTP://example.org/p", "Page", "Page"},
        {"http://example.org/p", "", "p"},
        {"/home/u/a.mov", "Tagged title", "a.mov"},
        {"rtsp://cam/stream", "Camera", "stream"},
    };
    for (const auto& [reference, media, title] : cases) {
        EXPECT_EQ(TitleOf(reference, media), title) << reference;
    }
}

TEST(MprisValues, UrlOfAPathIsEscapedAndAUrlStaysAsItIs) {
    const std::pair<const char*, const char*> cases[] = {
        {"/home/u/a.mov", "file:///home/u/a.mov"},
        {"/home/u/My Movie #1?.mov", "file:///home/u/My%20Movie%20%231%3F.mov"},
        {"/m/caf\xE9.mp4", "file:///m/caf%E9.mp4"},
        {"/m/\xC3\xA9t\xC3\xA9.mp4", "file:///m/%C3%A9t%C3%A9.mp4"},
        {"/m/100%.mp4", "file:///m/100%25.mp4"},
        {"https://example.org/a.mp4?x=1", "https://example.org/a.mp4?x=1"},
        {"relative.mov", ""},
    };
    for (const auto& [reference, url] : cases) EXPECT_EQ(UrlOf(reference), url) << reference;
}

TEST(MprisValues, LoopStatus) {
    EXPECT_EQ(LoopOfStatus("None"), std::optional<bool>(false));
    EXPECT_EQ(LoopOfStatus("Track"), std::optional<bool>(true));
    EXPECT_EQ(LoopOfStatus("Playlist"), std::optional<bool>(true));
    EXPECT_EQ(LoopOfStatus("track"), std::nullopt);
    EXPECT_EQ(LoopOfStatus(""), std::nullopt);
    EXPECT_STREQ(LoopStatusOf(true), "Track");
    EXPECT_STREQ(LoopStatusOf(false), "None");
}

TEST(MprisValues, SeekStaysWithinTheMovie) {
    //        position  offset µs  duration  target
    const std::tuple<double, std::int64_t, double, double> cases[] = {
        {2.0, 3'000'000, 10.0, 5.0},
        {2.0, -500'000, 10.0, 1.5},
        {2.0, -5'000'000, 10.0, 0.0},
        {8.0, 5'000'000, 10.0, 10.0},
        {8.0, std::numeric_limits<std::int64_t>::max(), 10.0, 10.0},
        {8.0, std::numeric_limits<std::int64_t>::min(), 10.0, 0.0},
    };
    for (const auto& [position, offset, duration, target] : cases) {
        EXPECT_DOUBLE_EQ(SeekTarget(position, offset, duration), target) << position << offset;
    }
}

TEST(MprisValues, SetPositionOutsideTheMovieIsIgnored) {
    EXPECT_EQ(PositionTarget(2'500'000, 10.0), std::optional<double>(2.5));
    EXPECT_EQ(PositionTarget(0, 10.0), std::optional<double>(0.0));
    EXPECT_EQ(PositionTarget(10'000'000, 10.0), std::optional<double>(10.0));
    EXPECT_EQ(PositionTarget(10'000'001, 10.0), std::nullopt);
    EXPECT_EQ(PositionTarget(-1, 10.0), std::nullopt);
}

TEST(MprisValues, VolumeStaysWithinWhatThePlayerPlays) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const struct {
        const char* name;
        double asked;
        std::optional<double> percent;
    } asked[] = {
        {"within range", 0.25, 25.0}, {"full", 1.0, 100.0},    {"above range", 10.0, 100.0},
        {"infinite", inf, 100.0},     {"negative", -0.5, 0.0}, {"not a number", nan, std::nullopt},
    };
    for (const auto& c : asked) EXPECT_EQ(VolumePercentOf(c.asked), c.percent) << c.name;
    const struct {
        const char* name;
        double percent, reported;
    } reported[] = {
        {"within range", 40, 0.4},
        {"above range", 130, 1.0},
        {"negative", -5, 0.0},
        {"not a number", nan, 1.0},
    };
    for (const auto& c : reported)
        EXPECT_DOUBLE_EQ(VolumeOfPercent(c.percent), c.reported) << c.name;
}

TEST(MprisValues, MicrosecondsOfSeconds) {
    EXPECT_EQ(ToMicroseconds(1.5), 1'500'000);
    EXPECT_EQ(ToMicroseconds(0), 0);
    EXPECT_EQ(ToMicroseconds(-3), 0);
    EXPECT_EQ(ToMicroseconds(std::numeric_limits<double>::quiet_NaN()), 0);
    EXPECT_GT(ToMicroseconds(std::numeric_limits<double>::infinity()), 0);
}

TEST(MprisValues, PlaybackStatus) {
    //        loaded paused atEnd
    EXPECT_EQ(StatusOf(true, false, false), Status::Playing);
    EXPECT_EQ(StatusOf(true, true, false), Status::Paused);
    EXPECT_EQ(StatusOf(true, false, true), Status::Stopped);
    EXPECT_EQ(StatusOf(true, true, true), Status::Stopped);
    EXPECT_EQ(StatusOf(false, false, false), Status::Stopped);
    EXPECT_STREQ(StatusText(Status::Playing), "Playing");
    EXPECT_STREQ(StatusText(Status::Paused), "Paused");
    EXPECT_STREQ(StatusText(Status::Stopped), "Stopped");
}

TEST(MprisValues, TrackIdsAreObjectPathsOfTheLoad) {
    EXPECT_EQ(TrackIdOf(1), "/net/ostrun/Reelwick/Movie/1");
    EXPECT_NE(TrackIdOf(2), TrackIdOf(3));
}

// ---- Commands reach the menu's handlers --------------------------------------

TEST(DesktopEvents, PlayRunsPlayOnlyWithAMovieLoaded) {
    Rig r;
    r.player.reference = "/m/a.mov";
    r.window.checked[Menu::MovieLoop] = true;
    r.window.checked[Menu::MovieControls] = false;
    Commands(r.form).Run({Command::PlayIfLoaded});
    EXPECT_EQ(r.journal, (std::vector<std::string>{"Play", "SetLoop 1", "SetController 0"}));

    // The menu's Play would run the Open dialog here.
    Rig empty;
    Commands(empty.form).Run({Command::PlayIfLoaded});
    EXPECT_TRUE(empty.journal.empty());

    Rig failing;
    failing.player.failing.insert("Reference");
    Commands(failing.form).Run({Command::PlayIfLoaded});
    EXPECT_TRUE(failing.journal.empty());
}

TEST(DesktopEvents, PauseAndStop) {
    Rig r;
    Commands commands(r.form);
    DesktopEvents events(commands);
    events.OnPause();
    EXPECT_EQ(r.journal, std::vector<std::string>{"Pause"});
    r.journal.clear();
    events.OnStop();
    EXPECT_EQ(r.journal, (std::vector<std::string>{"Pause", "Rewind"}));
}

TEST(DesktopEvents, LoopTogglesTheOptionOnlyWhenItDiffers) {
    //        checked  asked  checked after  player calls
    const std::tuple<bool, bool, bool, std::vector<std::string>> cases[] = {
        {false, true, true, {"SetLoop 1"}},
        {true, false, false, {"SetLoop 0"}},
        {true, true, true, {}},
        {false, false, false, {}},
    };
    for (const auto& [checked, asked, after, calls] : cases) {
        Rig r;
        r.window.checked[Menu::MovieLoop] = checked;
        Commands commands(r.form);
        DesktopEvents events(commands);
        EXPECT_EQ(events.LoopOn(), checked);
        events.OnLoop(asked);
        EXPECT_EQ(r.window.checked[Menu::MovieLoop], after) << checked << asked;
        EXPECT_EQ(r.journal, calls) << checked << asked;
        EXPECT_EQ(events.LoopOn(), after);
    }
}

TEST(DesktopEvents, OpenGoesThroughOpenMovieAndTheRecentList) {
    Rig r;
    r.files.files["/m/a.mov"] = 1000;
    {
        Commands commands(r.form);
        DesktopEvents(commands).OnOpen("/m/a.mov");
    }
    EXPECT_EQ(r.Calls("Load"), std::vector<std::string>{"Load /m/a.mov"});
    EXPECT_EQ(r.Calls("Play"), std::vector<std::string>{"Play"});
    EXPECT_EQ(r.window.tags[Menu::Recent0], "/m/a.mov");
    EXPECT_EQ(r.window.caption, "Ostrun's Reelwick");
}

TEST(DesktopEvents, QuitClosesTheWindow) {
    Rig r;
    Commands(r.form).Run({Command::Exit});
    EXPECT_EQ(r.journal, std::vector<std::string>{"Close"});
}

TEST(DesktopEvents, AFailingWindowLeavesLoopAsItWas) {
    Rig r;
    r.window.checked[Menu::MovieLoop] = true;
    r.window.failing.insert("Checked");
    Commands commands(r.form);
    DesktopEvents events(commands);
    EXPECT_FALSE(events.LoopOn());
    events.OnLoop(false);  // read as off already: nothing to do
    EXPECT_TRUE(r.window.checked[Menu::MovieLoop]);
}

}  // namespace
}  // namespace rw
