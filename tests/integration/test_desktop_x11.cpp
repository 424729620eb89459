// The last way of keeping the screen on: the X screen saver, reset while a
// movie plays, on an X server of the test's own (xvfb-run). Run twice by
// ctest: without a session bus (NoBus*), and on a private bus where no
// desktop service answers (BusWithoutServices*).

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <memory>

#include "Program.h"
#include "TestSupport.h"
#include "platform/desktop/QtDesktop.h"
#include "platform/mpv/MpvPlayer.h"
#include "platform/qt/QtWindow.h"
#include "playback/Transport.h"

// Xlib last: its macros break Qt's headers.
#include <X11/Xlib.h>
#include <X11/extensions/scrnsaver.h>

namespace rw {
namespace {

using test::MakeClip;

// The X server's screen saver as the test sees it, on a connection of its
// own: a short timeout, and whether the saver has come on.
class XSaver {
  public:
    XSaver() : display_(XOpenDisplay(nullptr)), info_(XScreenSaverAllocInfo()) {
        if (display_ != nullptr) {
            XGetScreenSaver(display_, &timeout_, &interval_, &blanking_, &exposures_);
        }
    }
    ~XSaver() {
        if (display_ != nullptr) {
            XSetScreenSaver(display_, timeout_, interval_, blanking_, exposures_);
            XCloseDisplay(display_);
        }
        XFree(info_);
    }
    bool Open() const { return display_ != nullptr && info_ != nullptr; }
    void SetTimeout(int seconds) {
        XSetScreenSaver(display_, seconds, 0, DontPreferBlanking, AllowExposures);
        XResetScreenSaver(display_);
        XSync(display_, False);
    }
    bool On() {
        XScreenSaverQueryInfo(display_, DefaultRootWindow(display_), info_);
        return info_->state == ScreenSaverOn;
    }
    unsigned long IdleMs() {
        XScreenSaverQueryInfo(display_, DefaultRootWindow(display_), info_);
        return info_->idle;
    }

  private:
    Display* display_;
    XScreenSaverInfo* info_;
    int timeout_ = 0, interval_ = 0, blanking_ = 0, exposures_ = 0;
};

constexpr int kTimeoutSeconds = 2;

class ScreenSaverTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(saver.Open()) << "needs an X server (xvfb-run)";
        ASSERT_TRUE(dir.isValid());
        clip = MakeClip(dir, "red.mp4", "color=c=red:s=320x240:d=20");
        ASSERT_FALSE(clip.empty());
        ini = dir.filePath("settings.ini").toStdString();
        saver.SetTimeout(kTimeoutSeconds);
    }

    static bool Playing(Program& p) {
        return p.Player().HasMovie() && !p.Player().IsPaused() && !p.Player().IsAtEnd();
    }

    // Watches the saver for `ms`: whether it ever came on, and the longest
    // idle time seen.
    std::pair<bool, unsigned long> Watch(int ms) {
        bool cameOn = false;
        unsigned long longestIdle = 0;
        for (int waited = 0; waited < ms; waited += 100) {
            QTest::qWait(100);
            cameOn = cameOn || saver.On();
            longestIdle = std::max(longestIdle, saver.IdleMs());
        }
        return {cameOn, longestIdle};
    }

    // Plays the clip; the saver stays off for well past its timeout, comes
    // on once the movie is paused, and goes off again when it plays.
    void PlayAndWatch() {
        auto p = std::make_unique<Program>(clip, ini);
        p->Start();
        ASSERT_TRUE(QTest::qWaitFor([&] { return Playing(*p); }, 10000));
        ASSERT_TRUE(QTest::qWaitFor([&] { return p->Desktop().ScreenHeld(); }, 15000));
        EXPECT_EQ(p->Desktop().ScreenHoldWay(), HoldWay::X11);

        const auto [cameOn, longestIdle] = Watch(kTimeoutSeconds * 2500);
        EXPECT_FALSE(cameOn);
        EXPECT_LT(longestIdle, kTimeoutSeconds * 1000u);
        EXPECT_TRUE(Playing(*p));

        // The control: paused, nothing resets the saver, and it comes on.
        mnuMoviePause_Click(p->MainForm());
        ASSERT_TRUE(QTest::qWaitFor([&] { return !p->Desktop().ScreenHeld(); }, 5000));
        EXPECT_TRUE(QTest::qWaitFor([&] { return saver.On(); }, kTimeoutSeconds * 2000));

        mnuMoviePlay_Click(p->MainForm());
        EXPECT_TRUE(QTest::qWaitFor([&] { return !saver.On(); }, 3000));
        EXPECT_FALSE(Watch(kTimeoutSeconds * 1500).first);

        // At exit the resets stop.
        p->Window().close();
        p.reset();
        EXPECT_TRUE(QTest::qWaitFor([&] { return saver.On(); }, kTimeoutSeconds * 2000));
    }

    XSaver saver;
    QTemporaryDir dir;
    std::string clip, ini;
};

TEST_F(ScreenSaverTest, NoBusTheXScreenSaverIsResetWhileAMoviePlays) {
    const QByteArray address = qgetenv("DBUS_SESSION_BUS_ADDRESS");
    ASSERT_TRUE(address.isEmpty() || address == "disabled:") << "run without a session bus";
    PlayAndWatch();
    // Nothing may start a bus of its own from here on (see PrepareSessionBus).
    EXPECT_EQ(qgetenv("DBUS_SESSION_BUS_ADDRESS"), "disabled:");
}

TEST_F(ScreenSaverTest, BusWithoutServicesTheXScreenSaverTakesOver) {
    const QByteArray address = qgetenv("DBUS_SESSION_BUS_ADDRESS");
    ASSERT_FALSE(address.isEmpty() || address == "disabled:") << "run under dbus-run-session";
    PlayAndWatch();
}

}  // namespace
}  // namespace rw
