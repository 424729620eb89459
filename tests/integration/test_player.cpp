// The player component on libmpv: loading, what it reports, and what it draws.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QTest>
#include <QTimer>
#include <chrono>
#include <fstream>
#include <iterator>
#include <memory>
#include <thread>
#include <vector>

#include "TestSupport.h"
#include "platform/Step.h"
#include "platform/mpv/MpvPlayer.h"

namespace rw {
namespace {

using test::Clip;
using test::ClipPath;
using test::IsNear;
using test::PixelAt;

const QColor kRed(255, 0, 0);
const QColor kBlue(0, 0, 255);
const QColor kBlack(0, 0, 0);
const QColor kLogo(0, 200, 0);

class PlayerTest : public testing::Test {
  protected:
    void SetUp() override {
        if (!test::CanMakeClips()) GTEST_SKIP() << "ffmpeg is needed to make the test clips";
        player_ = std::make_unique<MpvPlayer>(test::SolidImage(kLogo, 64, 48));
        ASSERT_TRUE(player_->IsAvailable());
        player_->SetController(0);
        player_->resize(640, 480);
        player_->show();
    }

    bool MovieRectIs(const std::string& expected) {
        std::string rect;
        return Step([&] { rect = player_->MovieRect(); }) && rect == expected;
    }
    bool HasMovieRect() {
        return Step([&] { player_->MovieRect(); });
    }
    bool ShowsAt(QPoint point, const QColor& colour) {
        return IsNear(PixelAt(*player_, point), colour);
    }

    std::unique_ptr<MpvPlayer> player_;
};

TEST_F(PlayerTest, ReportsTheDisplaySizeOfTheLoadedMovie) {
    const std::pair<std::string, std::string> cases[] = {
        {ClipPath(Clip::Red43), "0,0,320,240"},
        {ClipPath(Clip::Blue169), "0,0,640,360"},
        {ClipPath(Clip::Anamorphic), "0,0,640,240"},  // pixel aspect applied
        {"file://" + ClipPath(Clip::Red43), "0,0,320,240"},
        {ClipPath(Clip::Red43), "0,0,320,240"},  // same size as the last one
    };
    for (const auto& [reference, rect] : cases) {
        player_->Load(reference);
        EXPECT_EQ(player_->Reference(), reference);
        EXPECT_TRUE(MovieRectIs(rect)) << reference;
    }
}

TEST_F(PlayerTest, TurnsAMovieAsItsRotationMetadataSays) {
    player_->Load(ClipPath(Clip::Turned));
    EXPECT_TRUE(MovieRectIs("0,0,240,320"));
    // Turned as ffmpeg turns it: the left (red) half ends at the bottom.
    EXPECT_TRUE(QTest::qWaitFor([&] {
        return ShowsAt({120, 40}, kBlue) && ShowsAt({120, 280}, kRed);
    }));
    player_->SetMovieRect({0, 0, 480, 160});  // stretched after turning
    EXPECT_TRUE(ShowsAt({240, 20}, kBlue));
    EXPECT_TRUE(ShowsAt({240, 140}, kRed));
    EXPECT_TRUE(ShowsAt({240, 200}, kBlack));
}

TEST_F(PlayerTest, NothingLoadedHasNoReferenceAndNoRectangle) {
    EXPECT_EQ(player_->Reference(), "");
    EXPECT_THROW(player_->MovieRect(), PlatformError);
}

TEST_F(PlayerTest, FailedLoadsLeaveNoMovieAndTheNextLoadWorks) {
    const std::string red = ClipPath(Clip::Red43);
    const std::string references[] = {
        // Refused: never handed to libmpv.
        "",
        "av://lavfi:testsrc",
        "edl://" + red + ",0,1",
        "fd://0",
        "memory://not a movie",
        "lavf://" + red,
        test::ClipFolder(),  // a folder would play the files in it
        "/dev/zero",
        "file:///dev/zero",
        // Failed in libmpv.
        test::ClipFolder() + "/missing.mp4",
        ClipPath(Clip::Corrupt),
    };
    for (const auto& reference : references) {
        player_->Load(red);  // something loaded before
        ASSERT_TRUE(HasMovieRect());
        player_->Load(reference);
        EXPECT_EQ(player_->Reference(), "") << reference;
        EXPECT_THROW(player_->MovieRect(), PlatformError) << reference;
    }
    player_->Load(ClipPath(Clip::Blue169));
    EXPECT_EQ(player_->Reference(), ClipPath(Clip::Blue169));
    EXPECT_TRUE(MovieRectIs("0,0,640,360"));
}

TEST_F(PlayerTest, MovieWithoutPictureShowsTheLogoInANominalRectangle) {
    player_->Load(ClipPath(Clip::Sine));
    EXPECT_EQ(player_->Reference(), ClipPath(Clip::Sine));
    EXPECT_TRUE(MovieRectIs("0,0,320,240"));
    EXPECT_TRUE(ShowsAt({160, 120}, kLogo));
    EXPECT_TRUE(ShowsAt({400, 300}, kBlack));
    player_->SetMovieRect({100, 100, 420, 340});
    EXPECT_TRUE(ShowsAt({260, 220}, kLogo));
    EXPECT_TRUE(ShowsAt({50, 50}, kBlack));
}

TEST_F(PlayerTest, ToldWhetherTheMovieHasSound) {
    EXPECT_FALSE(player_->HasSound());
    player_->Load(ClipPath(Clip::Sine));
    EXPECT_TRUE(QTest::qWaitFor([&] { return player_->HasSound(); }));
    // A silent movie right after: nothing of the last one's sound stays.
    player_->Load(ClipPath(Clip::Red43));
    EXPECT_FALSE(player_->HasSound());
    QTest::qWait(300);
    EXPECT_FALSE(player_->HasSound());
    player_->Load(ClipPath(Clip::Sine));
    EXPECT_TRUE(QTest::qWaitFor([&] { return player_->HasSound(); }));
    player_->Load(ClipPath(Clip::Corrupt));
    EXPECT_FALSE(player_->HasSound());
}

TEST_F(PlayerTest, DrawsTheMovieInsideItsRectangleAndTheBackgroundAround) {
    player_->Load(ClipPath(Clip::Red43));
    player_->SetMovieRect({10, 20, 170, 140});
    player_->Play();
    ASSERT_TRUE(QTest::qWaitFor([&] { return ShowsAt({90, 80}, kRed); }));
    const QImage shot = player_->grab().toImage();
    for (const QPoint inside :
         {QPoint(11, 21), QPoint(168, 21), QPoint(11, 138), QPoint(168, 138)}) {
        EXPECT_TRUE(IsNear(shot.pixelColor(inside), kRed)) << inside.x() << "," << inside.y();
    }
    for (const QPoint outside :
         {QPoint(9, 80), QPoint(171, 80), QPoint(90, 19), QPoint(90, 141), QPoint(600, 400)}) {
        EXPECT_TRUE(IsNear(shot.pixelColor(outside), kBlack)) << outside.x() << "," << outside.y();
    }
    player_->SetBackground("White");
    EXPECT_TRUE(ShowsAt({600, 400}, Qt::white));
    EXPECT_TRUE(ShowsAt({90, 80}, kRed));
    EXPECT_THROW(player_->SetBackground("no such colour"), PlatformError);
    EXPECT_TRUE(ShowsAt({600, 400}, Qt::white));
}

TEST_F(PlayerTest, StretchesTheMovieOverTheRectangleAlsoWhenPaused) {
    player_->Load(ClipPath(Clip::Red43));
    ASSERT_TRUE(QTest::qWaitFor([&] { return ShowsAt({160, 120}, kRed); }));
    player_->SetMovieRect({0, 0, 600, 100});  // another shape, no new frame while paused
    EXPECT_TRUE(ShowsAt({595, 50}, kRed));
    EXPECT_TRUE(ShowsAt({160, 200}, kBlack));
}

TEST_F(PlayerTest, EmptyOrInvertedRectanglesDrawNothing) {
    player_->Load(ClipPath(Clip::Red43));
    ASSERT_TRUE(QTest::qWaitFor([&] { return ShowsAt({160, 120}, kRed); }));
    for (const PixelRect rect :
         {PixelRect{50, 50, 50, 50}, PixelRect{200, 200, 100, 100}, PixelRect{0, 0, 320, 0}}) {
        player_->SetMovieRect(rect);
        const QImage shot = player_->grab().toImage();
        EXPECT_TRUE(IsNear(shot.pixelColor(160, 120), kBlack)) << rect.left << "," << rect.top;
        EXPECT_TRUE(IsNear(shot.pixelColor(60, 60), kBlack)) << rect.left << "," << rect.top;
    }
}

TEST_F(PlayerTest, RectanglesBeyondItsCoordinatesAreRefused) {
    player_->Load(ClipPath(Clip::Red43));
    player_->SetMovieRect({10, 20, 170, 140});
    for (const PixelRect rect : {PixelRect{0, 0, 2000000, 240}, PixelRect{-2000000, 0, 320, 240},
                                 PixelRect{0, 0, 320, std::numeric_limits<int>::max()}}) {
        EXPECT_THROW(player_->SetMovieRect(rect), PlatformError) << rect.left << "," << rect.right;
    }
    ASSERT_TRUE(QTest::qWaitFor([&] { return ShowsAt({90, 80}, kRed); }));  // the old one stays
    EXPECT_TRUE(ShowsAt({5, 5}, kBlack));
}

// Opening the next movie of a list of one shape leaves the picture where it
// was; a movie of another shape is never stretched into the last rectangle.
TEST_F(PlayerTest, ANewMovieKeepsTheRectangleOnlyWhenItHasTheLastOnesShape) {
    player_->Load(ClipPath(Clip::Blue169));
    player_->SetMovieRect({0, 0, 320, 180});
    ASSERT_TRUE(QTest::qWaitFor([&] { return ShowsAt({160, 90}, kBlue); }));
    player_->Load(ClipPath(Clip::Blue169));
    EXPECT_TRUE(QTest::qWaitFor([&] { return ShowsAt({160, 90}, kBlue); }));
    EXPECT_TRUE(ShowsAt({480, 270}, kBlack)) << "drawn at its own size";
    player_->Load(ClipPath(Clip::Red43));
    EXPECT_TRUE(QTest::qWaitFor([&] { return ShowsAt({300, 220}, kRed); }));
    EXPECT_TRUE(ShowsAt({330, 120}, kBlack));
    // Lent only while the player keeps the size it had when it was sent.
    player_->SetMovieRect({0, 0, 80, 60});
    player_->Load(ClipPath(Clip::SmallRed));  // 160x120, 4:3 as well
    EXPECT_TRUE(QTest::qWaitFor([&] { return ShowsAt({40, 30}, kRed); }));
    EXPECT_TRUE(ShowsAt({150, 110}, kBlack));
    player_->resize(player_->width() + 10, player_->height());
    EXPECT_TRUE(QTest::qWaitFor([&] { return ShowsAt({150, 110}, kRed); }));
}

TEST_F(PlayerTest, ResizingDrawsTheMovieAtItsNaturalSizeUntilANewRectangle) {
    player_->Load(ClipPath(Clip::Red43));
    player_->SetMovieRect({100, 100, 200, 200});
    ASSERT_TRUE(QTest::qWaitFor([&] { return ShowsAt({150, 150}, kRed); }));
    player_->resize(600, 450);
    EXPECT_TRUE(QTest::qWaitFor([&] {
        return ShowsAt({5, 5}, kRed) && ShowsAt({318, 238}, kRed);
    }));
    EXPECT_TRUE(ShowsAt({330, 120}, kBlack));
    EXPECT_TRUE(ShowsAt({160, 245}, kBlack));
    player_->SetMovieRect({300, 300, 400, 400});
    EXPECT_TRUE(QTest::qWaitFor([&] { return ShowsAt({350, 350}, kRed); }));
    EXPECT_TRUE(ShowsAt({5, 5}, kBlack));
    player_->move(player_->pos() + QPoint(7, 7));  // moving is a geometry change too
    EXPECT_TRUE(QTest::qWaitFor([&] {
        return ShowsAt({5, 5}, kRed) && ShowsAt({350, 350}, kBlack);
    }));
}

TEST_F(PlayerTest, NewestOfTwoOverlappingLoadsWins) {
    // A pipe with a writer that never writes: its load waits for data.
    const std::string pipe = test::ClipFolder() + "/stalled.pipe";
    ::unlink(pipe.c_str());
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    const int writer = ::open(pipe.c_str(), O_RDWR);
    ASSERT_GE(writer, 0);

    // Longer than the test may run (ctest's TIMEOUT): a first load that
    // waited for its own timeout instead of giving way would hang the test.
    player_->SetLoadTimeout(600000);
    std::vector<std::string> returned;
    QTimer::singleShot(200, player_.get(), [&] {
        player_->Load(ClipPath(Clip::Blue169));
        returned.push_back("second");
    });
    player_->Load(pipe);
    returned.push_back("first");

    EXPECT_EQ(returned, (std::vector<std::string>{"second", "first"}));
    EXPECT_EQ(player_->Reference(), ClipPath(Clip::Blue169));
    EXPECT_TRUE(MovieRectIs("0,0,640,360"));
    ::close(writer);
}

// A load that outlasts its wait goes on in the background: the movie appears
// when its data does, or the failure shows once it is known.
class BackgroundLoadTest : public PlayerTest {
  protected:
    void Feed(const std::vector<char>& bytes) {
        const std::string pipe = test::ClipFolder() + "/feed.pipe";
        ::unlink(pipe.c_str());
        ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
        const int writer = ::open(pipe.c_str(), O_RDWR);
        ASSERT_GE(writer, 0);
        player_->SetLoadTimeout(300);
        player_->Load(pipe);
        EXPECT_EQ(player_->Reference(), pipe);
        EXPECT_THROW(player_->MovieRect(), PlatformError);
        // Writes give up after a while should the player stop reading, so
        // that the test cannot hang on a full pipe.
        std::thread write([writer, &bytes] {
            ::fcntl(writer, F_SETFL, O_NONBLOCK);
            const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
            for (std::size_t done = 0;
                 done < bytes.size() && std::chrono::steady_clock::now() < deadline;) {
                pollfd ready{writer, POLLOUT, 0};
                if (::poll(&ready, 1, 100) <= 0) continue;
                const ssize_t n = ::write(writer, bytes.data() + done, bytes.size() - done);
                if (n > 0) done += static_cast<std::size_t>(n);
            }
            ::close(writer);
        });
        (void)QTest::qWaitFor([&] { return HasMovieRect() || player_->Reference().empty(); },
                              10000);
        write.join();
    }
};

TEST_F(BackgroundLoadTest, MovieAppearsWhenItsDataArrives) {
    std::ifstream file(ClipPath(Clip::GreenTs), std::ios::binary);
    Feed(std::vector<char>(std::istreambuf_iterator<char>(file), {}));
    EXPECT_TRUE(MovieRectIs("0,0,160,120"));
    EXPECT_FALSE(player_->Reference().empty());
}

TEST_F(BackgroundLoadTest, FailureFoundLaterEmptiesTheReference) {
    std::ifstream file(ClipPath(Clip::Corrupt), std::ios::binary);
    Feed(std::vector<char>(std::istreambuf_iterator<char>(file), {}));
    EXPECT_EQ(player_->Reference(), "");
    EXPECT_THROW(player_->MovieRect(), PlatformError);
}

}  // namespace
}  // namespace rw
