#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <optional>
#include <string>

#include "platform/mpv/pure/LoadTracker.h"

namespace rw {
namespace {

using Phase = LoadTracker::Phase;
using Reason = LoadTracker::EndReason;

// The event sequences below are the ones libmpv 0.35 produces for each kind
// of file (entry ids count up from 1 across loads).

// A load as libmpv's first events make it: begun, accepted as playlist entry
// `entry` and started. Returns its serial.
std::uint64_t Started(LoadTracker& load, const std::string& reference, std::int64_t entry = 1) {
    const auto serial = load.Begin(reference);
    load.Accepted(serial, entry);
    load.FileStarted(entry);
    return serial;
}

// A started load whose file libmpv has loaded.
std::uint64_t Loaded(LoadTracker& load, const std::string& reference, std::int64_t entry = 1) {
    const auto serial = Started(load, reference, entry);
    EXPECT_TRUE(load.FileLoaded());
    return serial;
}

TEST(StartPlace, APlaceAtOrPastTheEndStartsFromTheBeginning) {
    const double inf = INFINITY, nan = NAN;
    const struct {
        const char* name;
        double place, duration;
        std::optional<double> start;
    } cases[] = {
        {"within the movie", 153, 600, 153},
        {"just before the end", 599.5, 600, 599.5},
        {"at the end", 600, 600, std::nullopt},
        {"past the end", 900, 600, std::nullopt},
        {"a hand-edited 1e308", 1e308, 600, std::nullopt},
        {"infinite", inf, 600, std::nullopt},
        {"not a number", nan, 600, std::nullopt},
        {"negative", -5, 600, std::nullopt},
        {"length unknown", 153, 0, 153},
        {"length not a number", 153, nan, 153},
    };
    for (const auto& c : cases) EXPECT_EQ(StartPlace(c.place, c.duration), c.start) << c.name;
}

TEST(LoadTracker, StartsIdleWithoutReference) {
    LoadTracker load;
    EXPECT_EQ(load.CurrentPhase(), Phase::Idle);
    EXPECT_TRUE(load.Settled());
    EXPECT_EQ(load.Reference(), "");
}

TEST(LoadTracker, MovieWithPictureSettlesOnDisplaySize) {
    LoadTracker load;
    const auto serial = load.Begin("/m/a.mp4");
    EXPECT_FALSE(load.Settled());
    EXPECT_EQ(load.Reference(), "/m/a.mp4");
    load.Accepted(serial, 1);
    EXPECT_FALSE(load.OwnsPlayingFile());
    load.FileStarted(1);
    EXPECT_TRUE(load.OwnsPlayingFile());
    EXPECT_TRUE(load.FileLoaded());
    load.VideoTrackKnown(serial, true);
    EXPECT_FALSE(load.Settled());
    load.DisplaySizeKnown(serial, 1024, 576);
    EXPECT_EQ(load.CurrentPhase(), Phase::Sized);
    EXPECT_EQ(load.Width(), 1024);
    EXPECT_EQ(load.Height(), 576);
    // The size may change later (a new stream configuration).
    load.DisplaySizeKnown(serial, 640, 480);
    EXPECT_EQ(load.Width(), 640);
}

TEST(LoadTracker, MovieWithoutVideoTrackHasNoPicture) {
    LoadTracker load;
    const auto serial = Loaded(load, "sine.mp3", 2);
    load.VideoTrackKnown(serial, false);
    EXPECT_EQ(load.CurrentPhase(), Phase::NoPicture);
    EXPECT_EQ(load.Reference(), "sine.mp3");
    // It still plays to its end and stays loaded.
    load.ReachedEnd();
    load.FileEnded(2, Reason::Eof, 0, 0);
    EXPECT_EQ(load.CurrentPhase(), Phase::NoPicture);
    EXPECT_EQ(load.Reference(), "sine.mp3");
}

TEST(LoadTracker, VideoTrackWithoutAnyFrameHasNoPictureAtItsEnd) {
    LoadTracker load;
    const auto serial = Loaded(load, "invalid-bitstream.webm");
    load.VideoTrackKnown(serial, true);
    load.ReachedEnd();
    EXPECT_EQ(load.CurrentPhase(), Phase::NoPicture);
}

TEST(LoadTracker, EndBeforeTheFileLoadedDecidesNothing) {
    LoadTracker load;
    const auto serial = load.Begin("a.mp4");
    load.Accepted(serial, 1);
    load.ReachedEnd();  // a stale report from the previous movie
    EXPECT_EQ(load.CurrentPhase(), Phase::Waiting);
    // Nor does news of the tracks: they are the previous file's.
    load.VideoTrackKnown(serial, false);
    EXPECT_EQ(load.CurrentPhase(), Phase::Waiting);
}

TEST(LoadTracker, FailuresEmptyTheReference) {
    {
        SCOPED_TRACE("missing or corrupt file: the entry ends with an error");
        LoadTracker load;
        Started(load, "/nonexistent.mp4", 4);
        load.FileEnded(4, Reason::Error, 0, 0);
        EXPECT_EQ(load.CurrentPhase(), Phase::Failed);
        EXPECT_EQ(load.Reference(), "");
        EXPECT_FALSE(load.OwnsPlayingFile());
    }
    {
        SCOPED_TRACE("loadfile rejected");
        LoadTracker load;
        load.Rejected(load.Begin("x"));
        EXPECT_EQ(load.CurrentPhase(), Phase::Failed);
    }
    {
        SCOPED_TRACE("refused before reaching libmpv");
        LoadTracker load;
        load.Begin("fd://0");
        load.Fail();
        EXPECT_EQ(load.CurrentPhase(), Phase::Failed);
        EXPECT_EQ(load.Reference(), "");
    }
    {
        SCOPED_TRACE("nothing to play, ended without error before settling");
        LoadTracker load;
        Started(load, "subtitles.srt");
        load.FileEnded(1, Reason::Eof, 0, 0);
        EXPECT_EQ(load.CurrentPhase(), Phase::Failed);
    }
    {
        SCOPED_TRACE("an error after the load settled (or after the wait timed out)");
        LoadTracker load;
        const auto serial = Loaded(load, "stream.ts");
        load.DisplaySizeKnown(serial, 320, 240);
        load.FileEnded(1, Reason::Error, 0, 0);
        EXPECT_EQ(load.CurrentPhase(), Phase::Failed);
        EXPECT_EQ(load.Reference(), "");
    }
}

TEST(LoadTracker, FailedLoadIgnoresLateNews) {
    LoadTracker load;
    const auto serial = load.Begin("a.mp4");
    load.Rejected(serial);
    load.Accepted(serial, 1);
    load.FileStarted(1);
    load.FileLoaded();
    load.DisplaySizeKnown(serial, 320, 240);
    load.VideoTrackKnown(serial, false);
    EXPECT_EQ(load.CurrentPhase(), Phase::Failed);
    EXPECT_FALSE(load.OwnsPlayingFile()) << "a failed load takes no entry";
}

TEST(LoadTracker, PlaylistEntriesBelongToTheLoad) {
    {
        SCOPED_TRACE("its only entry fails");
        LoadTracker load;
        Started(load, "radios.m3u", 3);
        load.FileEnded(3, Reason::Redirect, 4, 1);
        EXPECT_EQ(load.CurrentPhase(), Phase::Waiting);
        load.FileStarted(4);
        load.FileEnded(4, Reason::Error, 0, 0);
        EXPECT_EQ(load.CurrentPhase(), Phase::Failed);
    }
    {
        SCOPED_TRACE("the first of two fails, libmpv goes on with the second");
        LoadTracker load;
        const auto serial = Started(load, "two.m3u");
        load.FileEnded(1, Reason::Redirect, 2, 2);
        load.FileStarted(2);
        load.FileEnded(2, Reason::Error, 0, 0);
        EXPECT_EQ(load.CurrentPhase(), Phase::Waiting);
        load.FileStarted(3);
        load.FileLoaded();
        load.DisplaySizeKnown(serial, 640, 360);
        EXPECT_EQ(load.CurrentPhase(), Phase::Sized);
    }
    {
        SCOPED_TRACE("an empty playlist");
        LoadTracker load;
        Started(load, "empty.m3u");
        load.FileEnded(1, Reason::Redirect, 0, 0);
        EXPECT_EQ(load.CurrentPhase(), Phase::Failed);
    }
}

TEST(LoadTracker, EventsOfAnOlderLoadAreIgnored) {
    LoadTracker load;
    const auto first = Loaded(load, "old.mp4");
    const auto second = load.Begin("new.mp4");
    EXPECT_NE(first, second);
    EXPECT_EQ(load.Reference(), "new.mp4");
    // Replies to requests made for the older load.
    load.DisplaySizeKnown(first, 320, 240);
    load.VideoTrackKnown(first, false);
    load.Rejected(first);
    // The older file is stopped by the newer loadfile.
    load.FileEnded(1, Reason::Stop, 0, 0);
    EXPECT_EQ(load.CurrentPhase(), Phase::Waiting);
    // Before the new file starts, nothing is about its picture.
    load.Accepted(second, 2);
    EXPECT_FALSE(load.OwnsPlayingFile());
    EXPECT_FALSE(load.FileLoaded());
    load.FileStarted(2);
    ASSERT_TRUE(load.FileLoaded());
    load.DisplaySizeKnown(second, 640, 360);
    EXPECT_EQ(load.CurrentPhase(), Phase::Sized);
    EXPECT_EQ(load.Width(), 640);
}

TEST(LoadTracker, AnEntryThatNeverStartedIsNotPlaying) {
    // The first of two quick loads is replaced before libmpv starts it.
    LoadTracker load;
    const auto first = load.Begin("a.mp4");
    load.Accepted(first, 1);
    const auto second = load.Begin("b.mp4");
    load.FileStarted(1);
    EXPECT_FALSE(load.OwnsPlayingFile());
    load.FileEnded(1, Reason::Error, 0, 0);
    EXPECT_EQ(load.CurrentPhase(), Phase::Waiting);
    load.Accepted(second, 2);
    load.FileStarted(2);
    EXPECT_TRUE(load.OwnsPlayingFile());
}

TEST(LoadTracker, SizeNeedsThePlayingFileAndAPositiveArea) {
    LoadTracker load;
    const auto serial = load.Begin("a.mp4");
    load.Accepted(serial, 1);
    load.DisplaySizeKnown(serial, 320, 240);  // not started yet
    EXPECT_EQ(load.CurrentPhase(), Phase::Waiting);
    load.FileStarted(1);
    load.DisplaySizeKnown(serial, 0, 240);
    load.DisplaySizeKnown(serial, 320, -1);
    EXPECT_EQ(load.CurrentPhase(), Phase::Waiting);
}

TEST(LoadTracker, RotationMetadataTurnsTheDisplaySize) {
    const struct {
        int rotation;
        int turned;
        int width;
        int height;
    } cases[] = {
        {0, 0, 320, 240},     {90, 90, 240, 320},  {180, 180, 320, 240}, {270, 270, 240, 320},
        {-90, 270, 240, 320}, {450, 90, 240, 320}, {45, 0, 320, 240},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.rotation);
        LoadTracker load;
        const auto serial = Loaded(load, "phone.mp4");
        load.VideoTrackKnown(serial, true, c.rotation);
        load.DisplaySizeKnown(serial, 320, 240);
        EXPECT_EQ(load.Rotation(), c.turned);
        EXPECT_EQ(load.Width(), c.width);
        EXPECT_EQ(load.Height(), c.height);
    }
}

TEST(LoadTracker, NextLoadForgetsTheRotation) {
    LoadTracker load;
    auto serial = Loaded(load, "phone.mp4");
    load.VideoTrackKnown(serial, true, 90);
    serial = load.Begin("camera.mp4");
    EXPECT_EQ(load.Rotation(), 0);
    load.Accepted(serial, 2);
    load.FileStarted(2);
    load.FileLoaded();
    load.VideoTrackKnown(serial, true, 0);
    load.DisplaySizeKnown(serial, 320, 240);
    EXPECT_EQ(load.Width(), 320);
}

TEST(LoadTracker, PictureFoundAfterNoPictureWins) {
    LoadTracker load;
    const auto serial = Loaded(load, "cover.mp3");
    load.VideoTrackKnown(serial, false);
    load.DisplaySizeKnown(serial, 500, 500);
    EXPECT_EQ(load.CurrentPhase(), Phase::Sized);
}

TEST(LoadTracker, RefusedRedirectFailsOnlyTheCurrentLoad) {
    {
        SCOPED_TRACE("the current load's file");
        LoadTracker load;
        const auto serial = load.Begin("list.m3u");
        load.Accepted(serial, 1);
        load.FileStarted(1);
        EXPECT_TRUE(load.RefuseRedirect(1));
        EXPECT_EQ(load.CurrentPhase(), Phase::Failed);
        EXPECT_EQ(load.Reference(), "");
        // The entries libmpv queued are not the load's.
        load.FileStarted(2);
        EXPECT_FALSE(load.FileLoaded());
        EXPECT_FALSE(load.OwnsPlayingFile());
    }
    {
        SCOPED_TRACE("an older load's file");
        LoadTracker load;
        const auto first = load.Begin("old.m3u");
        load.Accepted(first, 1);
        const auto second = load.Begin("new.mp4");
        load.Accepted(second, 2);
        EXPECT_FALSE(load.RefuseRedirect(1));
        EXPECT_EQ(load.CurrentPhase(), Phase::Waiting);
    }
}

}  // namespace
}  // namespace rw
