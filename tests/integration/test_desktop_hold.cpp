// The screen held on over a private session bus (the test program runs under
// dbus-run-session), with stand-ins of the desktop's services recording what
// the program asks of them.

#include <gtest/gtest.h>

#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "DesktopStandIns.h"
#include "Program.h"
#include "TestSupport.h"
#include "platform/desktop/QtDesktop.h"
#include "platform/mpv/MpvPlayer.h"
#include "platform/qt/QtWindow.h"
#include "playback/OpenMovie.h"
#include "playback/Transport.h"

namespace rw {
namespace {

using test::MakeClip;
using test::PortalStandIn;
using test::ScreenSaverStandIn;

class ScreenHoldTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_FALSE(qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS"))
            << "run under dbus-run-session";
        ASSERT_TRUE(dir.isValid());
        picture = MakeClip(dir, "red clip.mp4", "color=c=red:s=320x240:d=3");
        ASSERT_FALSE(picture.empty()) << "ffmpeg could not make the test clip";
        sound = dir.filePath("tone.wav").toStdString();
        QProcess ffmpeg;
        ffmpeg.start("ffmpeg", {"-v", "error", "-y", "-f", "lavfi", "-i",
                                "sine=frequency=440:duration=4", QString::fromStdString(sound)});
        ASSERT_TRUE(ffmpeg.waitForFinished(60000) && ffmpeg.exitCode() == 0);
        ini = dir.filePath("settings.ini").toStdString();
    }

    std::unique_ptr<Program> Start(const std::string& movie) {
        auto p = std::make_unique<Program>("\"" + movie + "\"", ini);
        p->Start();
        return p;
    }

    static bool Playing(Program& p) {
        return p.Player().HasMovie() && !p.Player().IsPaused() && !p.Player().IsAtEnd();
    }

    QTemporaryDir dir;
    std::string picture, sound, ini;
};

using Calls = QStringList;

TEST_F(ScreenHoldTest, HeldWhileAMovieWithAPicturePlaysAndWithdrawnWheneverItStops) {
    ScreenSaverStandIn saver;
    ASSERT_TRUE(saver.Registered());
    auto p = Start(picture);
    ASSERT_TRUE(QTest::qWaitFor([&] { return saver.calls.size() == 1; }, 10000));
    EXPECT_TRUE(Playing(*p));
    EXPECT_EQ(saver.calls, Calls{"Inhibit 41"});
    EXPECT_EQ(saver.lastApplication, "Ostrun's Reelwick");
    EXPECT_FALSE(saver.lastReason.isEmpty());

    mnuMoviePause_Click(p->MainForm());
    ASSERT_TRUE(QTest::qWaitFor([&] { return saver.calls.size() == 2; }, 5000));
    EXPECT_EQ(saver.calls.last(), "UnInhibit 41");

    mnuMoviePlay_Click(p->MainForm());
    ASSERT_TRUE(QTest::qWaitFor([&] { return saver.calls.size() == 3; }, 5000));
    EXPECT_EQ(saver.calls.last(), "Inhibit 42");

    // The 3-second clip reaches its end and stays there.
    ASSERT_TRUE(QTest::qWaitFor([&] { return p->Player().IsAtEnd(); }, 10000));
    ASSERT_TRUE(QTest::qWaitFor([&] { return saver.calls.size() == 4; }, 5000));
    EXPECT_EQ(saver.calls.last(), "UnInhibit 42");

    // Sound alone plays without holding the screen.
    OpenMovie(p->MainForm(), sound);
    ASSERT_TRUE(QTest::qWaitFor([&] { return Playing(*p); }, 10000));
    EXPECT_FALSE(p->Player().HasPicture());
    QTest::qWait(1000);
    EXPECT_TRUE(Playing(*p));

    p->Window().close();
    p.reset();
    QTest::qWait(300);
    EXPECT_EQ(saver.calls, (Calls{"Inhibit 41", "UnInhibit 41", "Inhibit 42", "UnInhibit 42"}));
    EXPECT_TRUE(saver.open.empty());
}

TEST_F(ScreenHoldTest, OneRequestWhilePlayingOnAndNoneLeftAtExit) {
    const bool closeFirst[] = {false, true};
    for (const bool close : closeFirst) {
        ScreenSaverStandIn saver;
        ASSERT_TRUE(saver.Registered());
        auto p = Start(picture);
        ASSERT_TRUE(QTest::qWaitFor([&] { return saver.calls.size() == 1; }, 10000));
        // Frames, positions and the controller bar change all the time; the
        // request does not.
        QTest::qWait(1200);
        EXPECT_TRUE(Playing(*p));
        EXPECT_EQ(saver.calls.size(), 1);
        if (close) p->Window().close();
        p.reset();  // the program ends while the movie plays
        ASSERT_TRUE(QTest::qWaitFor([&] { return saver.calls.size() == 2; }, 5000)) << close;
        EXPECT_EQ(saver.calls, (Calls{"Inhibit 41", "UnInhibit 41"})) << close;
        EXPECT_TRUE(saver.open.empty());
    }
}

TEST_F(ScreenHoldTest, ThePortalWhereTheScreenSaverServiceIsMissing) {
    PortalStandIn portal;
    ASSERT_TRUE(portal.Registered());
    auto p = Start(picture);
    ASSERT_TRUE(QTest::qWaitFor([&] { return portal.calls.size() == 1; }, 10000));
    const QString request = "/org/freedesktop/portal/desktop/request/1_1/t1";
    EXPECT_EQ(portal.calls, Calls{"Inhibit 8 " + request});  // 8: idle
    EXPECT_FALSE(portal.lastOptions.value("reason").toString().isEmpty());
    EXPECT_EQ(p->Desktop().ScreenHoldWay(), HoldWay::Portal);

    mnuMoviePause_Click(p->MainForm());
    ASSERT_TRUE(QTest::qWaitFor([&] { return portal.calls.size() == 2; }, 5000));
    EXPECT_EQ(portal.calls.last(), "Close " + request);
    EXPECT_TRUE(portal.open.empty());

    mnuMoviePlay_Click(p->MainForm());
    ASSERT_TRUE(QTest::qWaitFor([&] { return portal.calls.size() == 3; }, 5000));
    p.reset();
    ASSERT_TRUE(QTest::qWaitFor([&] { return portal.calls.size() == 4; }, 5000));
    EXPECT_TRUE(portal.open.empty());
}

TEST_F(ScreenHoldTest, AScreenSaverThatRefusesGivesWayToThePortalForGood) {
    ScreenSaverStandIn saver(/*refuse=*/true);
    PortalStandIn portal;
    ASSERT_TRUE(saver.Registered() && portal.Registered());
    auto p = Start(picture);
    ASSERT_TRUE(QTest::qWaitFor([&] { return portal.calls.size() == 1; }, 10000));
    EXPECT_EQ(saver.calls, Calls{"Inhibit refused"});
    mnuMoviePause_Click(p->MainForm());
    ASSERT_TRUE(QTest::qWaitFor([&] { return portal.calls.size() == 2; }, 5000));
    mnuMoviePlay_Click(p->MainForm());
    ASSERT_TRUE(QTest::qWaitFor([&] { return portal.calls.size() == 3; }, 5000));
    EXPECT_EQ(saver.calls.size(), 1) << "a refusing service is not asked again";
    p.reset();
    ASSERT_TRUE(QTest::qWaitFor([&] { return portal.open.empty(); }, 5000));
}

// Without a service and without X11 (the offscreen platform) there is
// nothing left to ask; the movie plays all the same.
TEST_F(ScreenHoldTest, NoServiceAndNoXServerLeaveNothingToAsk) {
    auto p = Start(picture);
    ASSERT_TRUE(QTest::qWaitFor([&] { return Playing(*p); }, 10000));
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return p->Desktop().ScreenHoldWay() == HoldWay::None; }, 15000));
    EXPECT_FALSE(p->Desktop().ScreenHeld());
    EXPECT_TRUE(Playing(*p));
    mnuMoviePause_Click(p->MainForm());
    mnuMoviePlay_Click(p->MainForm());
    EXPECT_EQ(p->Desktop().ScreenHoldWay(), HoldWay::None);
}

}  // namespace
}  // namespace rw
