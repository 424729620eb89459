#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "Fakes.h"
#include "playback/AspectRatio.h"
#include "playback/OpenMovie.h"

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

}  // namespace
}  // namespace rw
