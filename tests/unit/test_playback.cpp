#include <gtest/gtest.h>

#include <cmath>
#include <optional>

#include "platform/mpv/pure/Playback.h"

namespace rw {
namespace {

TEST(StartRequest, OnlyAPositivePlaceIsTakenAndOnlyByTheNextLoad) {
    const double inf = INFINITY, nan = NAN;
    const struct {
        const char* name;
        double asked;
        std::optional<double> taken;
    } cases[] = {
        {"a place within the movie", 95.5, 95.5},
        {"the beginning asks for none", 0, std::nullopt},
        {"a negative place asks for none", -3, std::nullopt},
        {"not a number asks for none", nan, std::nullopt},
        {"an infinite place asks for none", inf, std::nullopt},
    };
    for (const auto& c : cases) {
        StartRequest start;
        start.Ask(c.asked);
        EXPECT_EQ(start.TakeForLoad(), c.taken) << c.name;
        EXPECT_EQ(start.Set(), c.taken.has_value()) << c.name;
        EXPECT_EQ(start.Place(), c.taken.value_or(0)) << c.name;
        EXPECT_EQ(start.TakeForLoad(), std::nullopt) << c.name << ": taken twice";
    }
}

TEST(StartRequest, ALaterAskReplacesTheFirstAndDropEndsIt) {
    StartRequest start;
    start.Ask(10);
    start.Ask(-1);
    EXPECT_EQ(start.TakeForLoad(), std::nullopt) << "the second ask withdrew the first";
    start.Ask(42);
    ASSERT_EQ(start.TakeForLoad(), 42.0);
    start.Drop();
    EXPECT_FALSE(start.Set());
}

TEST(ObservedPlayback, ANewLoadForgetsTheLastMoviesPlaceLengthAndSound) {
    ObservedPlayback state;
    state.position = 12;
    state.duration = 60;
    state.atEnd = true;
    state.sound = true;
    state.volume = 40;
    state.paused = false;
    state.NewLoad();
    EXPECT_EQ(state.position, 0);
    EXPECT_EQ(state.duration, 0);
    EXPECT_FALSE(state.atEnd);
    EXPECT_FALSE(state.sound);
    EXPECT_EQ(state.volume, 40) << "the volume belongs to the player, not the movie";
    EXPECT_FALSE(state.paused) << "libmpv reports the pause of the new load itself";
}

TEST(ObservedPlayback, PlayingIsNeitherPausedNorAtTheEnd) {
    const struct {
        const char* name;
        bool paused, atEnd, playing;
    } cases[] = {
        {"playing", false, false, true},
        {"paused", true, false, false},
        {"at the end, not paused", false, true, false},
        {"paused at the end", true, true, false},
    };
    for (const auto& c : cases) {
        ObservedPlayback state;
        state.paused = c.paused;
        state.atEnd = c.atEnd;
        EXPECT_EQ(state.Playing(), c.playing) << c.name;
    }
}

}  // namespace
}  // namespace rw
