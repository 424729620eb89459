// The player component on libmpv: playing, pausing, looping, and its
// controller bar.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QMouseEvent>
#include <QTest>
#include <cmath>
#include <memory>

#include "TestSupport.h"
#include "platform/Step.h"
#include "platform/mpv/MpvPlayer.h"
#include "platform/mpv/pure/MovieGeometry.h"
#include "platform/widgets/ControllerBar.h"

namespace rw {
namespace {

using test::Clip;
using test::ClipPath;

// Counts the paint events a widget receives.
class PaintCounter : public QObject {
  public:
    explicit PaintCounter(QWidget* widget) { widget->installEventFilter(this); }
    int count = 0;

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++count;
        return false;
    }
};

void Click(QWidget* widget, QPoint at) {
    const QPointF local(at);
    const QPointF global(widget->mapToGlobal(at));
    QMouseEvent press(QEvent::MouseButtonPress, local, global, Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, local, global, Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &release);
}

class PlaybackTest : public testing::Test {
  protected:
    void SetUp() override {
        if (!test::CanMakeClips()) GTEST_SKIP() << "ffmpeg is needed to make the test clips";
        player_ = std::make_unique<MpvPlayer>(test::SolidImage(Qt::green, 64, 48));
        ASSERT_TRUE(player_->IsAvailable());
        player_->SetController(0);
        player_->resize(640, 480);
        player_->show();
    }

    ControllerBar* Bar() { return player_->findChild<ControllerBar*>(); }
    // Waits for the position to pass `seconds` while playing.
    bool PlaysPast(double seconds) {
        return QTest::qWaitFor(
            [&] { return !player_->IsPaused() && player_->Position() > seconds; });
    }

    std::unique_ptr<MpvPlayer> player_;
};

TEST_F(PlaybackTest, MovieLoadsPausedAndPlaysOnPlay) {
    player_->Load(ClipPath(Clip::Moving));
    QTest::qWait(300);
    EXPECT_TRUE(player_->IsPaused());
    EXPECT_LT(player_->Position(), 0.1);
    player_->Play();
    EXPECT_TRUE(PlaysPast(0.3));
}

TEST_F(PlaybackTest, NextMovieLoadsPausedAfterAPlayingOne) {
    player_->Load(ClipPath(Clip::Moving));
    player_->Play();
    ASSERT_TRUE(PlaysPast(0.2));
    player_->Load(ClipPath(Clip::Red43));
    QTest::qWait(300);
    EXPECT_TRUE(player_->IsPaused());
    EXPECT_LT(player_->Position(), 0.1);
}

TEST_F(PlaybackTest, PauseStopsThePicture) {
    player_->Load(ClipPath(Clip::Moving));
    player_->Play();
    ASSERT_TRUE(PlaysPast(0.3));
    // The pattern moves while playing...
    const QImage playing = player_->grab().toImage();
    EXPECT_TRUE(QTest::qWaitFor([&] { return player_->grab().toImage() != playing; }));
    player_->Pause();
    ASSERT_TRUE(QTest::qWaitFor([&] { return player_->IsPaused(); }));
    QTest::qWait(200);  // a frame already on its way may still arrive
    // ...and stays still once paused.
    const QImage paused = player_->grab().toImage();
    const double position = player_->Position();
    QTest::qWait(500);
    EXPECT_EQ(player_->grab().toImage(), paused);
    EXPECT_EQ(player_->Position(), position);
}

TEST_F(PlaybackTest, MovieStopsAtItsEndAndPlayStartsItAgain) {
    player_->Load(ClipPath(Clip::OneSecond));
    player_->Play();
    ASSERT_TRUE(QTest::qWaitFor([&] { return player_->IsAtEnd(); }));
    EXPECT_EQ(player_->Reference(), ClipPath(Clip::OneSecond));  // still loaded
    player_->Play();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !player_->IsAtEnd() && !player_->IsPaused(); }));
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return player_->Position() > 0.2 && player_->Position() < 0.9; }));
}

TEST_F(PlaybackTest, LoopKeepsAShortMoviePlaying) {
    player_->Load(ClipPath(Clip::OneSecond));
    player_->SetLoop(1);
    player_->Play();
    QTest::qWait(2000);
    EXPECT_FALSE(player_->IsAtEnd());
    EXPECT_FALSE(player_->IsPaused());
    const double now = player_->Position();
    EXPECT_TRUE(QTest::qWaitFor([&] { return player_->Position() != now; }));
    // Without the loop it ends, as a movie does.
    player_->SetLoop(0);
    EXPECT_TRUE(QTest::qWaitFor([&] { return player_->IsAtEnd(); }));
}

TEST_F(PlaybackTest, RewindGoesToTheStartAndKeepsPlayingOrPaused) {
    player_->Load(ClipPath(Clip::Moving));
    player_->Play();
    ASSERT_TRUE(PlaysPast(0.8));
    player_->Rewind();
    EXPECT_TRUE(QTest::qWaitFor([&] { return player_->Position() < 0.5; }));
    EXPECT_TRUE(PlaysPast(0.6));  // still playing

    player_->Pause();
    ASSERT_TRUE(QTest::qWaitFor([&] { return player_->IsPaused(); }));
    player_->Rewind();
    EXPECT_TRUE(QTest::qWaitFor([&] { return player_->Position() == 0; }));
    QTest::qWait(300);
    EXPECT_TRUE(player_->IsPaused());
    EXPECT_EQ(player_->Position(), 0);
}

TEST_F(PlaybackTest, PausedMovieCostsNoRepaints) {
    player_->Load(ClipPath(Clip::Red43));
    player_->SetController(1);
    QTest::qWait(500);
    PaintCounter player(player_.get());
    PaintCounter bar(Bar());
    QTest::qWait(700);
    EXPECT_EQ(player.count, 0);
    EXPECT_EQ(bar.count, 0);
}

TEST_F(PlaybackTest, ControllerBarSitsBelowTheMovieAsWideAsIt) {
    player_->Load(ClipPath(Clip::Red43));
    ASSERT_NE(Bar(), nullptr);
    EXPECT_FALSE(Bar()->isVisible());  // SetController(0) in SetUp
    player_->SetController(1);
    ASSERT_TRUE(Bar()->isVisible());
    const int height = ControllerHeightForDpi(player_->logicalDpiY());
    EXPECT_EQ(Bar()->geometry(), QRect(0, 240, 320, height));  // natural size
    player_->SetControllerHeight(15);
    player_->SetMovieRect({10, 20, 330, 140});
    EXPECT_EQ(Bar()->geometry(), QRect(10, 140, 320, 15));
    // Too narrow for the controls: the bar spans the player instead.
    player_->SetMovieRect({10, 20, 170, 140});
    EXPECT_EQ(Bar()->geometry(), QRect(0, 140, player_->width(), 15));
    player_->SetMovieRect({0, 0, 640, 470});  // no room below: it covers the movie's bottom
    EXPECT_EQ(Bar()->geometry(), QRect(0, 465, 640, 15));

    player_->SetController(0);
    EXPECT_FALSE(Bar()->isVisible());
    player_->SetMovieRect({10, 20, 170, 140});  // moving the movie does not bring it back
    player_->resize(600, 400);
    EXPECT_FALSE(Bar()->isVisible());
    const QImage shot = player_->grab().toImage();
    EXPECT_TRUE(test::IsNear(shot.pixelColor(90, 247), Qt::black));
}

TEST_F(PlaybackTest, ControllerBarIsHiddenWithoutAMovie) {
    player_->SetController(1);
    EXPECT_FALSE(Bar()->isVisible());
    player_->Load(ClipPath(Clip::Corrupt));
    EXPECT_FALSE(Bar()->isVisible());
    player_->Load(ClipPath(Clip::Sine));  // no picture: below the logo
    EXPECT_TRUE(Bar()->isVisible());
    EXPECT_EQ(Bar()->geometry().top(), 240);
}

TEST_F(PlaybackTest, ControllerBarShowsTimeAndPlaysAndSeeks) {
    player_->Load(ClipPath(Clip::Moving));
    player_->SetController(1);
    player_->SetControllerHeight(15);
    player_->SetMovieRect({0, 0, 640, 400});
    ControllerBar* bar = Bar();
    ASSERT_TRUE(QTest::qWaitFor([&] { return bar->TimeText() == "0:00 / 0:04"; }));

    const ControllerBar::Layout layout = bar->ComputeLayout();
    ASSERT_FALSE(layout.seek.isEmpty());
    ASSERT_FALSE(layout.time.isEmpty());
    ASSERT_FALSE(layout.volume.isEmpty());
    Click(bar, layout.play.center());
    EXPECT_TRUE(PlaysPast(0.2));
    Click(bar, layout.play.center());
    EXPECT_TRUE(QTest::qWaitFor([&] { return player_->IsPaused(); }));

    Click(bar, layout.seek.center());  // the middle of a 4 s movie
    EXPECT_TRUE(QTest::qWaitFor([&] { return std::abs(player_->Position() - 2) < 0.3; }));
    EXPECT_TRUE(QTest::qWaitFor([&] { return bar->TimeText() == "0:02 / 0:04"; }));
    EXPECT_TRUE(player_->IsPaused());
}

TEST_F(PlaybackTest, ControllerBarChangesVolumeAndMute) {
    player_->Load(ClipPath(Clip::Sine));
    player_->SetController(1);
    player_->SetMovieRect({0, 0, 640, 400});
    ControllerBar* bar = Bar();
    const ControllerBar::Layout layout = bar->ComputeLayout();
    ASSERT_FALSE(layout.volume.isEmpty());
    ASSERT_FALSE(layout.mute.isEmpty());
    Click(bar, layout.volume.center());
    EXPECT_TRUE(QTest::qWaitFor([&] { return std::abs(player_->Volume() - 50) < 3; }));
    Click(bar, QPoint(layout.volume.left(), layout.volume.center().y()));
    EXPECT_TRUE(QTest::qWaitFor([&] { return player_->Volume() == 0; }));
    Click(bar, QPoint(layout.volume.right(), layout.volume.center().y()));
    EXPECT_TRUE(QTest::qWaitFor([&] { return player_->Volume() == 100; }));

    Click(bar, layout.mute.center());
    EXPECT_TRUE(QTest::qWaitFor([&] { return player_->IsMuted(); }));
    Click(bar, layout.mute.center());
    EXPECT_TRUE(QTest::qWaitFor([&] { return !player_->IsMuted(); }));
}

TEST_F(PlaybackTest, ControllerBarRepaintsFarLessOftenThanFrames) {
    // A minute-long movie moves the seek bar's handle by a pixel or two a
    // second: the bar repaints for that and for the changing second only.
    player_->Load(ClipPath(Clip::Minute));
    player_->SetController(1);
    player_->SetControllerHeight(15);
    player_->SetMovieRect({0, 0, 320, 240});
    QTest::qWait(300);
    PaintCounter bar(Bar());
    int positions = 0;
    QObject::connect(player_.get(), &MpvPlayer::PositionChanged, [&positions] { ++positions; });
    player_->Play();
    ASSERT_TRUE(PlaysPast(1.5));
    EXPECT_GT(positions, 10);
    EXPECT_LT(bar.count, 10);
}

}  // namespace
}  // namespace rw
