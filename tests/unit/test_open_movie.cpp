#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "Fakes.h"
#include "playback/MovieRatio.h"
#include "playback/OpenMovie.h"
#include "window/Handlers.h"

namespace rw {
namespace {

using test::Rig;

TEST(OpenMovie, RunsEveryStepInOrder) {
    Rig r;
    r.window.clientWidth = 4800;
    r.window.clientHeight = 3820;
    OpenMovie(r.form, "/m/a.mov");
    const std::vector<std::string> expected = {"Show",
                                               "Caption Loading...",
                                               "Yield",
                                               "Files hidden",
                                               "Logo hidden",
                                               "ShowPlayer",
                                               "Yield",
                                               "Load /m/a.mov",
                                               "SetBackground Black",
                                               "Yield",
                                               "MovieRect",
                                               "MovePlayer",
                                               "SetMovieRect 0,0,320,240",
                                               "Play",
                                               "SetLoop 0",
                                               "SetController 1",
                                               "Caption Ostrun's Reelwick"};
    EXPECT_EQ(r.journal, expected);
    EXPECT_DOUBLE_EQ(r.form.movieAspect, 0.75);
}

TEST(OpenMovie, StripsOnePairOfSurroundingQuotes) {
    const std::pair<const char*, const char*> cases[] = {
        {"\"/m/with space.mov\"", "/m/with space.mov"},
        {"\"\"", ""},
        {"\"", "\""},
        {"\"/m/a.mov", "\"/m/a.mov"},
        {"\"\"a\"\"", "\"a\""},
        {"/m/a.mov", "/m/a.mov"},
    };
    for (const auto& [in, out] : cases) EXPECT_EQ(StripQuotes(in), out) << in;

    Rig r;
    r.files.files = {{"/m/with space.mov", 5}};
    OpenMovie(r.form, "\"/m/with space.mov\"");
    EXPECT_EQ(r.Calls("Load"), std::vector<std::string>{"Load /m/with space.mov"});
    EXPECT_EQ(r.window.tags[Menu::Recent0], "/m/with space.mov");
}

TEST(MovieAspectRatio, ParsesTheRectangleText) {
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    const std::pair<const char*, double> cases[] = {
        {"0,0,320,240", 0.75},
        {"10,20,330,260", 0.75},
        {"0,0,320", 0.0},
        {"0,0,0,240", inf},
        {"0,0,0,-240", -inf},
        {"", nan},
        {"x,0,320,240", 0.75},
        {"0,0,320,240,99", 0.75},
        {"0,0,320.4,240.5", 240.0 / 320.0},
        {"0,0,0,0", nan},
        {",,,", nan},
        {"-2147483648,0,2147483647,240", 0.0},  // width overflows 32 bits
        {" 0 , 0 , 640 , 360 ", 0.5625},
        {"0;0;320;240", nan},
    };
    for (const auto& [text, expected] : cases) {
        const double got = AspectFromRectText(text);
        if (std::isnan(expected)) {
            EXPECT_TRUE(std::isnan(got)) << text;
        } else {
            EXPECT_EQ(got, expected) << text;
        }
    }
}

TEST(OpenMovie, FitsAndPlaysOnlyForAUsableRatio) {
    struct Case {
        const char* rect;
        bool failing;
        bool played;
    };
    const Case cases[] = {
        {"0,0,320,240", false, true}, {"0,0,0,240", false, true},  // infinity plays
        {"0,0,320", false, false},    {"", false, false},         {"0,0,320,240", true, false},
    };
    for (const auto& c : cases) {
        Rig r;
        r.files.files = {{"/m/a.mov", 5}};
        r.player.rect = c.rect;
        if (c.failing) r.player.failing.insert("MovieRect");
        OpenMovie(r.form, "/m/a.mov");
        EXPECT_EQ(!r.Calls("Play").empty(), c.played) << c.rect;
        EXPECT_EQ(!r.Calls("MovePlayer").empty(), c.played) << c.rect;
        EXPECT_EQ(r.window.caption, "Ostrun's Reelwick") << c.rect;
        EXPECT_EQ(r.window.tags[Menu::Recent0], "/m/a.mov") << "pushed whatever the player said";
    }
}

TEST(OpenMovie, EveryStepSurvivesAFailureOfTheOthers) {
    Rig r;
    r.window.failing = {"Show", "SetFilesVisible"};
    r.player.failing = {"Load", "SetBackground", "Play"};
    OpenMovie(r.form, "/m/a.mov");
    EXPECT_FALSE(r.Calls("SetLoop").empty());
    EXPECT_EQ(r.window.caption, "Ostrun's Reelwick");
}

TEST(OpenMovie, NewestChoiceWinsOverAnOlderCallInItsYields) {
    for (int yield = 0; yield < 3; ++yield) {
        Rig r;
        int yields = 0;
        // Queue the second open so it runs inside the chosen yield of the first.
        std::function<void()> arm = [&] {
            r.window.pendingEvents.push_back([&] {
                if (yields++ == yield) {
                    OpenMovie(r.form, "/m/new.mov");
                } else {
                    arm();
                }
            });
        };
        arm();
        OpenMovie(r.form, "/m/old.mov");
        const auto loads = r.Calls("Load");
        ASSERT_FALSE(loads.empty()) << yield;
        EXPECT_EQ(loads.back(), "Load /m/new.mov") << yield;
        EXPECT_EQ(r.Calls("Play").size(), 1u) << "only the newer movie starts, yield " << yield;
        EXPECT_EQ(r.window.caption, "Ostrun's Reelwick");
    }
}

// A movie whose load outlives the player's wait: OpenMovie finds no size
// (the player throws, as it does while it still loads) and goes on without
// it; MovieArrived does the rest when the player reports the movie.
class LateMovie : public ::testing::Test {
  protected:
    void SetUp() override {
        r.window.clientWidth = 4800;
        r.window.clientHeight = 3820;
        r.files.files = {{"/m/late.mov", 5}};
    }

    void OpenLate(const std::string& movie = "/m/late.mov") {
        r.player.failing.insert("MovieRect");
        OpenMovie(r.form, movie);
        r.player.failing.erase("MovieRect");
    }

    // The journal from `from` on.
    std::vector<std::string> Since(std::size_t from) const {
        return {r.journal.begin() + static_cast<std::ptrdiff_t>(from), r.journal.end()};
    }

    Rig r;
};

TEST_F(LateMovie, FitsAndPlaysOnceWhenItArrives) {
    OpenLate();
    EXPECT_TRUE(r.Calls("Play").empty());
    EXPECT_TRUE(std::isnan(r.form.movieAspect));
    EXPECT_EQ(r.window.caption, "Ostrun's Reelwick") << "the caption comes back meanwhile";

    const auto before = r.journal.size();
    MovieArrived(r.form);
    const std::vector<std::string> expected = {
        "MovieRect", "MovePlayer", "SetMovieRect 0,0,320,240",
        "Play",      "SetLoop 0",  "SetController 1"};
    EXPECT_EQ(Since(before), expected);
    EXPECT_DOUBLE_EQ(r.form.movieAspect, 0.75);

    const auto after = r.journal.size();
    MovieArrived(r.form);
    EXPECT_EQ(r.journal.size(), after) << "a second report does nothing";
}

TEST_F(LateMovie, ReplacesTheZeroWidthRectangleOfTheWait) {
    OpenLate();
    // The window is resized while the movie still loads: the layout has no
    // ratio and sends a rectangle of no width at the centre.
    Form_Resize(r.form);
    ASSERT_EQ(r.Calls("SetMovieRect"), std::vector<std::string>{"SetMovieRect 160,0,160,240"});
    MovieArrived(r.form);
    const auto rects = r.Calls("SetMovieRect");
    ASSERT_EQ(rects.size(), 2u);
    EXPECT_EQ(rects.back(), "SetMovieRect 0,0,320,240");
}

TEST_F(LateMovie, DoesNothingWithoutAWaitingOpen) {
    MovieArrived(r.form);
    EXPECT_TRUE(r.journal.empty()) << "no OpenMovie ran";

    // A movie that loaded in time leaves nothing to finish.
    OpenMovie(r.form, "/m/late.mov");
    const auto before = r.journal.size();
    MovieArrived(r.form);
    EXPECT_EQ(r.journal.size(), before);
    EXPECT_EQ(r.Calls("Play").size(), 1u);
}

TEST_F(LateMovie, NewerOpenWins) {
    for (const bool newerLate : {false, true}) {
        Rig fresh;
        fresh.window.clientWidth = 4800;
        fresh.window.clientHeight = 3820;
        fresh.player.failing.insert("MovieRect");
        OpenMovie(fresh.form, "/m/old.mov");
        // The newer movie is 16:9; it loads in time, or is late as well.
        fresh.player.rect = "0,0,640,360";
        if (!newerLate) fresh.player.failing.erase("MovieRect");
        OpenMovie(fresh.form, "/m/new.mov");
        fresh.player.failing.erase("MovieRect");
        EXPECT_EQ(fresh.Calls("Play").size(), newerLate ? 0u : 1u) << newerLate;

        MovieArrived(fresh.form);
        MovieArrived(fresh.form);
        // Only the newer movie is ever fitted and started, and once.
        EXPECT_EQ(fresh.Calls("Play").size(), 1u) << newerLate;
        EXPECT_EQ(fresh.Calls("SetMovieRect"), std::vector<std::string>{"SetMovieRect 0,0,320,180"})
            << newerLate;
        EXPECT_DOUBLE_EQ(fresh.form.movieAspect, 0.5625) << newerLate;
    }
}

TEST_F(LateMovie, AnOlderReportDuringANewerOpenIsIgnored) {
    OpenLate("/m/old.mov");
    // The older movie arrives inside the newer open's first yield, before
    // the newer one is loaded.
    r.window.pendingEvents.push_back([&] {
        r.player.failing.erase("MovieRect");
        MovieArrived(r.form);
        r.player.failing.insert("MovieRect");  // the newer movie is late as well
    });
    OpenMovie(r.form, "/m/new.mov");
    EXPECT_TRUE(r.Calls("Play").empty()) << "the older movie must not start";
    EXPECT_TRUE(r.Calls("SetMovieRect").empty());
}

TEST_F(LateMovie, AMovieArrivingWithinTheOpenIsFittedByTheOpenOnly) {
    // The size comes during the yield after the load, before OpenMovie asks
    // for it: OpenMovie itself fits and plays, and the report changes nothing.
    int yields = 0;
    std::function<void()> arm = [&] {
        r.window.pendingEvents.push_back([&] {
            if (++yields == 3) {
                r.player.failing.erase("MovieRect");
                MovieArrived(r.form);
            } else {
                arm();
            }
        });
    };
    arm();
    r.player.failing.insert("MovieRect");
    OpenMovie(r.form, "/m/late.mov");
    EXPECT_EQ(r.Calls("Play").size(), 1u);
    MovieArrived(r.form);
    EXPECT_EQ(r.Calls("Play").size(), 1u);
}

TEST_F(LateMovie, AFailedLoadStaysQuietlyRefused) {
    struct Case {
        const char* name;
        const char* rect;  // what the player answers once it settles
        bool throws;
    };
    const Case cases[] = {
        {"no movie", "", true},
        {"unusable ratio", "0,0,320", false},
        {"empty rectangle", "", false},
    };
    for (const auto& c : cases) {
        Rig fresh;
        fresh.window.clientWidth = 4800;
        fresh.window.clientHeight = 3820;
        fresh.player.failing.insert("MovieRect");
        OpenMovie(fresh.form, "http://example.org/late.mp4");
        fresh.player.rect = c.rect;
        if (!c.throws) fresh.player.failing.erase("MovieRect");
        const auto before = fresh.journal.size();
        MovieArrived(fresh.form);
        EXPECT_EQ(fresh.journal.size() - before, c.throws ? 0u : 1u) << c.name << ": only asked";
        EXPECT_TRUE(fresh.Calls("Play").empty()) << c.name;
        EXPECT_TRUE(fresh.Calls("SetMovieRect").empty()) << c.name;
        EXPECT_EQ(fresh.window.caption, "Ostrun's Reelwick") << c.name;

        // The failure ended the wait: a report after it starts nothing.
        fresh.player.failing.erase("MovieRect");
        fresh.player.rect = "0,0,320,240";
        MovieArrived(fresh.form);
        EXPECT_TRUE(fresh.Calls("Play").empty()) << c.name;
    }
}

TEST_F(LateMovie, FollowsTheOptionsOfTheMomentItArrives) {
    struct Case {
        bool loop, controls, originalSize;
        std::vector<std::string> expected;  // after MovieRect and MovePlayer
    };
    const Case cases[] = {
        {false, true, false, {"SetMovieRect 0,0,320,240", "Play", "SetLoop 0", "SetController 1"}},
        // Without controls the movie is too wide for the full height: it
        // takes the full width and the window is shortened to it.
        {true,
         false,
         false,
         {"SetMovieRect 0,0,320,240", "SetOuterHeight 3820", "Play", "SetLoop 1",
          "SetController 0"}},
        {false, true, true, {"Play", "SetLoop 0", "SetController 1"}},
    };
    for (const auto& c : cases) {
        Rig fresh;
        fresh.window.clientWidth = 4800;
        fresh.window.clientHeight = 3820;
        fresh.player.failing.insert("MovieRect");
        OpenMovie(fresh.form, "/m/late.mov");
        fresh.player.failing.erase("MovieRect");
        // The options change while the movie loads.
        fresh.window.checked[Menu::MovieLoop] = c.loop;
        fresh.window.checked[Menu::MovieControls] = c.controls;
        fresh.window.checked[Menu::MovieSize] = c.originalSize;
        const auto before = fresh.journal.size();
        MovieArrived(fresh.form);
        std::vector<std::string> got(fresh.journal.begin() + static_cast<std::ptrdiff_t>(before),
                                     fresh.journal.end());
        std::vector<std::string> expected = {"MovieRect", "MovePlayer"};
        expected.insert(expected.end(), c.expected.begin(), c.expected.end());
        EXPECT_EQ(got, expected) << "loop " << c.loop << " controls " << c.controls
                                 << " original size " << c.originalSize;
    }
}

TEST_F(LateMovie, AnInfiniteRatioStillPlays) {
    OpenLate();
    r.player.rect = "0,0,0,240";
    MovieArrived(r.form);
    EXPECT_EQ(r.Calls("Play").size(), 1u);
    EXPECT_TRUE(std::isinf(r.form.movieAspect));
}

// A movie whose picture changes shape while it plays is laid out again for
// the new shape, and only then; playback is left as it was.
TEST_F(LateMovie, AReshapedMovieIsLaidOutAgainWithoutPlaying) {
    OpenMovie(r.form, "/m/late.mov");  // 320x240, in time
    const struct {
        const char* rect;  // what the player now reports
        bool unreadable;
        std::vector<std::string> expected;
    } cases[] = {
        // 1280x540: the full width at the top, and the window shortened.
        {"0,0,1280,540",
         false,
         {"MovieRect", "MovePlayer", "SetMovieRect 0,0,320,135", "SetOuterHeight 2245"}},
        {"0,0,1280,540", false, {"MovieRect"}},  // the same shape: nothing to do
        {"0,0,640,270", false, {"MovieRect"}},   // a new size of the same shape
        {"", true, {}},                          // no shape to be had
    };
    for (const auto& c : cases) {
        r.player.rect = c.rect;
        if (c.unreadable) r.player.failing.insert("MovieRect");
        const auto before = r.journal.size();
        MovieReshaped(r.form);
        r.player.failing.erase("MovieRect");
        EXPECT_EQ(Since(before), c.expected) << c.rect;
    }
    EXPECT_DOUBLE_EQ(r.form.movieAspect, 540.0 / 1280.0);
    EXPECT_EQ(r.Calls("Play").size(), 1u);

    // While a newer movie is still awaited, its arrival fits it instead.
    OpenLate();
    r.player.rect = "0,0,100,100";
    const auto before = r.journal.size();
    MovieReshaped(r.form);
    EXPECT_EQ(Since(before), std::vector<std::string>{});
}

}  // namespace
}  // namespace rw
