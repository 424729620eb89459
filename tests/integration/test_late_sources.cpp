// Movies that arrive late or stop in the middle: a server that answers only
// after the player stopped waiting, one that pauses half-way through the
// file, one that hangs up half-way. In each case the picture ends up on
// screen at the size the window fits it to, with the controller bar, and the
// window answers all the while. A newer choice, a close or a signal during
// the late wait wins over the late movie.

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>
#include <cstdio>
#include <memory>
#include <ostream>
#include <string>

#include "LocalServer.h"
#include "LoopWatch.h"
#include "Program.h"
#include "TestSupport.h"
#include "platform/mpv/MpvPlayer.h"
#include "platform/mpv/pure/MovieGeometry.h"
#include "platform/qt/QtWindow.h"
#include "platform/widgets/ControllerBar.h"
#include "playback/OpenMovie.h"
#include "window/Layout.h"

namespace rw {
namespace {

using test::FittedRect;
using test::FlipsLoop;
using test::LocalServer;
using test::MeanColour;

constexpr qint64 kMaxStallMs = 200;
const QColor kRed(255, 0, 0);
const QColor kBlue(0, 0, 255);

bool Near(const QColor& a, const QColor& b) {
    return std::abs(a.red() - b.red()) < 60 && std::abs(a.green() - b.green()) < 60 &&
           std::abs(a.blue() - b.blue()) < 60;
}

ControllerBar* Bar(Program& p) { return p.Player().findChild<ControllerBar*>(); }

// The colour of the window's own pixels at a point of the player.
QColor WindowColourAt(Program& p, const QImage& shot, QPoint inPlayer, int radius = 4) {
    const QPoint at = p.Player().mapTo(&p.Window(), inPlayer);
    return MeanColour(shot, at.x(), at.y(), radius);
}

// The movie is drawn where the layout fits it, in its colour, with the bar
// shown. The cheap checks come first: the window is grabbed only then.
bool ShowsFitted(Program& p, const QColor& colour) {
    const auto fitted = FittedRect(p);
    const auto drawn = p.Player().DrawnArea();
    if (!fitted || !drawn || *drawn != *fitted || drawn->Width() <= 0) return false;
    if (Bar(p) == nullptr || !Bar(p)->isVisible()) return false;
    const QImage shot = p.Window().grab().toImage();
    const QPoint centre((drawn->left + drawn->right) / 2, (drawn->top + drawn->bottom) / 2);
    return Near(WindowColourAt(p, shot, centre), colour);
}

// Says in detail what ShowsFitted found, for a failure message.
void ExpectShownFitted(Program& p, const QColor& colour, const char* what) {
    SCOPED_TRACE(what);
    const auto fitted = FittedRect(p);
    const auto drawn = p.Player().DrawnArea();
    ASSERT_TRUE(fitted.has_value()) << "the layout sends no rectangle";
    ASSERT_TRUE(drawn.has_value()) << "the player draws no movie";
    EXPECT_EQ(*drawn, *fitted) << "drawn " << drawn->left << "," << drawn->top << ","
                               << drawn->right << "," << drawn->bottom << ", fitted "
                               << fitted->left << "," << fitted->top << "," << fitted->right << ","
                               << fitted->bottom;
    EXPECT_GT(drawn->Width(), 0);
    const QImage shot = p.Window().grab().toImage();
    const int cy = (drawn->top + drawn->bottom) / 2;
    const QColor centre = WindowColourAt(p, shot, {(drawn->left + drawn->right) / 2, cy});
    EXPECT_TRUE(Near(centre, colour)) << "centre " << centre.name().toStdString();
    if (drawn->left > 4) {
        EXPECT_TRUE(test::IsBlack(WindowColourAt(p, shot, {drawn->left - 3, cy}, 1)));
    }
    if (p.Player().width() - drawn->right > 4) {
        EXPECT_TRUE(test::IsBlack(WindowColourAt(p, shot, {drawn->right + 3, cy}, 1)));
    }
    ControllerBar* bar = Bar(p);
    ASSERT_NE(bar, nullptr);
    EXPECT_TRUE(bar->isVisible()) << "no controller bar";
    // As wide as the movie, or the whole player where that is too narrow.
    const bool wide = drawn->Width() >= bar->NeededWidth(bar->height());
    EXPECT_EQ(bar->geometry().left(), wide ? drawn->left : 0);
    EXPECT_EQ(bar->geometry().width(), wide ? drawn->Width() : p.Player().width());
    EXPECT_LE(bar->geometry().top(), drawn->bottom);
    EXPECT_GE(bar->geometry().top(), drawn->bottom - bar->height());
}

class LateSourceTest : public ::testing::Test {
  protected:
    void SetUp() override {
        // Half the bytes of the streamed clip hold about half the movie.
        QFile red(QString::fromStdString(test::ClipPath(test::Clip::RedStream)));
        ASSERT_TRUE(red.open(QIODevice::ReadOnly)) << "the streamed clip is missing";
        redClip = red.readAll();
        blueClip = test::ClipPath(test::Clip::Blue169);
        ASSERT_FALSE(blueClip.empty());
        ASSERT_TRUE(dir.isValid());
    }

    std::string Ini() const { return dir.filePath("settings.ini").toStdString(); }
    QSettings Settings() const {
        return QSettings(QString::fromStdString(Ini()), QSettings::IniFormat);
    }

    // A program showing its window, with nothing loaded.
    std::unique_ptr<Program> Started() {
        auto p = std::make_unique<Program>("", Ini());
        p->Start();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&p->Window()));
        return p;
    }

    // Opens a late movie and returns once OpenMovie has given up waiting.
    static void OpenLate(Program& p, const std::string& url) {
        OpenMovie(p.MainForm(), url);
        ASSERT_TRUE(std::isnan(p.MainForm().movieAspect)) << "the movie was not late";
        ASSERT_EQ(p.Window().windowTitle(), QStringLiteral("Ostrun's Reelwick"));
    }

    QByteArray redClip;
    std::string blueClip;
    QTemporaryDir dir;
};

struct Source {
    const char* name;
    LocalServer::Mode mode;
    int delayMs;
    bool late;  // arrives after the player's 3 s wait
};

void PrintTo(const Source& s, std::ostream* os) { *os << s.name; }

class LateSourceRoad : public LateSourceTest, public ::testing::WithParamInterface<Source> {};

// The road of `reelwick http://...` with a server that keeps it waiting.
TEST_P(LateSourceRoad, PictureAndBarShowAtTheFittedSizeAndTheWindowAnswers) {
    const Source source = GetParam();
    LocalServer server(source.mode, redClip, source.delayMs);
    ASSERT_TRUE(server.Listening());
    const std::string url = server.Url("/red.mp4").toStdString();
    auto p = std::make_unique<Program>(url, Ini());
    test::LoopWatch watch;
    p->Start();
    EXPECT_EQ(std::isnan(p->MainForm().movieAspect), source.late) << "arrived in time or late?";
    EXPECT_EQ(p->Window().windowTitle(), QStringLiteral("Ostrun's Reelwick"));
    EXPECT_TRUE(FlipsLoop(*p)) << "the menu does not answer while the movie loads";
    EXPECT_TRUE(FlipsLoop(*p));

    EXPECT_TRUE(QTest::qWaitFor([&] { return ShowsFitted(*p, kRed); }, source.delayMs + 15000));
    const auto arrived = server.SinceFirstRequestMs();
    ExpectShownFitted(*p, kRed, source.name);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !p->Player().IsPaused(); }, 2000)) << "not started";
    EXPECT_DOUBLE_EQ(p->MainForm().movieAspect, 0.75);

    if (source.mode == LocalServer::Mode::PausesMidway) {
        // Half-way through the pause the movie waits where its data stops,
        // and the window goes on answering.
        ASSERT_TRUE(QTest::qWaitFor(
            [&] { return server.SinceFirstRequestMs().value_or(0) > source.delayMs / 2; },
            source.delayMs));
        EXPECT_FALSE(p->Player().IsAtEnd());
        EXPECT_LT(p->Player().Position(), 2.0) << "the pause came after the movie's middle";
        EXPECT_TRUE(FlipsLoop(*p));
        EXPECT_TRUE(FlipsLoop(*p));
        ExpectShownFitted(*p, kRed, "during the pause");
    }
    // The data comes to its end (after the pause, if any), and the movie
    // with it; one that lost its server ends where its data did.
    EXPECT_TRUE(QTest::qWaitFor([&] { return p->Player().IsAtEnd(); }, source.delayMs + 15000));
    const double end = p->Player().Position();
    const auto ended = server.SinceFirstRequestMs();
    if (source.mode == LocalServer::Mode::DropsMidway) {
        EXPECT_LT(end, 3.0) << "played past the data it got";
    } else {
        EXPECT_GT(end, 3.5) << "stopped before the end";
    }
    ExpectShownFitted(*p, kRed, "at the end");
    EXPECT_TRUE(FlipsLoop(*p));
    const qint64 stall = watch.LongestGapMs();
    std::printf(
        "  %s: shown %lld ms after the request, ended at %.2f s of the movie %lld ms after it, "
        "longest stall %lld ms\n",
        source.name, static_cast<long long>(arrived.value_or(-1)), end,
        static_cast<long long>(ended.value_or(-1)), static_cast<long long>(stall));
    EXPECT_LT(stall, kMaxStallMs) << "the window stalled";

    // Web addresses never enter the recent list.
    EXPECT_FALSE(p->Window().Visible(Menu::Recent0));
    p->Window().close();
    p.reset();
    const QSettings s = Settings();
    EXPECT_FALSE(s.contains("MRU/0"));
    EXPECT_EQ(s.value("Settings/LastPlayed").toString().toStdString(), url);
}

INSTANTIATE_TEST_SUITE_P(
    Servers, LateSourceRoad,
    ::testing::Values(Source{"AnswersAfter5s", LocalServer::Mode::Late, 5000, true},
                      Source{"AnswersAfter20s", LocalServer::Mode::Late, 20000, true},
                      Source{"PausesMidwayFor10s", LocalServer::Mode::PausesMidway, 10000, false},
                      Source{"DropsMidway", LocalServer::Mode::DropsMidway, 0, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(LateSourceTest, LateMovieTakesItsOwnShapeNotThePreviousMovies) {
    auto p = Started();
    OpenMovie(p->MainForm(), blueClip);
    ASSERT_TRUE(QTest::qWaitFor([&] { return ShowsFitted(*p, kBlue); }, 10000));
    const PixelRect wide = *p->Player().DrawnArea();

    LocalServer server(LocalServer::Mode::Late, redClip, 5000);
    OpenLate(*p, server.Url("/red.mp4").toStdString());
    EXPECT_FALSE(p->Player().DrawnArea().has_value()) << "the previous movie is still drawn";
    EXPECT_TRUE(QTest::qWaitFor([&] { return ShowsFitted(*p, kRed); }, 15000));
    ExpectShownFitted(*p, kRed, "after a wide movie");
    EXPECT_NE(*p->Player().DrawnArea(), wide);
    // The file stays the newest recent entry; the address does not enter.
    EXPECT_EQ(p->Window().Tag(Menu::Recent0), blueClip);
    EXPECT_FALSE(p->Window().Visible(Menu::Recent1));
}

TEST_F(LateSourceTest, AnotherMovieOpensWhileAStreamPauses) {
    auto p = Started();
    LocalServer server(LocalServer::Mode::PausesMidway, redClip, 10000);
    test::LoopWatch watch;
    OpenMovie(p->MainForm(), server.Url("/red.mp4").toStdString());
    ASSERT_TRUE(QTest::qWaitFor([&] { return ShowsFitted(*p, kRed); }, 10000));
    // Played up to where the data stops.
    ASSERT_TRUE(QTest::qWaitFor([&] { return p->Player().Position() > 1.0; }, 5000));
    QTest::qWait(500);
    ASSERT_LT(server.SinceFirstRequestMs().value_or(0), 8000)
        << "too slow to open during the pause";
    OpenMovie(p->MainForm(), blueClip);
    EXPECT_TRUE(QTest::qWaitFor([&] { return ShowsFitted(*p, kBlue); }, 10000));
    ExpectShownFitted(*p, kBlue, "opened during the pause");
    EXPECT_EQ(p->Player().Reference(), blueClip);
    EXPECT_LT(watch.LongestGapMs(), kMaxStallMs);
}

TEST_F(LateSourceTest, NewerOpenDuringTheLateWaitWins) {
    auto p = Started();
    LocalServer server(LocalServer::Mode::Late, redClip, 5000);
    OpenLate(*p, server.Url("/red.mp4").toStdString());
    OpenMovie(p->MainForm(), blueClip);
    ASSERT_TRUE(QTest::qWaitFor([&] { return ShowsFitted(*p, kBlue); }, 10000));
    // Past the moment the late server answers.
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return server.SinceFirstRequestMs().value_or(0) > 6500; }, 10000));
    EXPECT_EQ(p->Player().Reference(), blueClip);
    EXPECT_DOUBLE_EQ(p->MainForm().movieAspect, 0.5625);
    ExpectShownFitted(*p, kBlue, "after the late server answered");
}

TEST_F(LateSourceTest, CloseDuringTheLateWaitWins) {
    auto p = Started();
    LocalServer server(LocalServer::Mode::Late, redClip, 5000);
    const std::string url = server.Url("/red.mp4").toStdString();
    OpenLate(*p, url);
    p->Window().close();
    ASSERT_TRUE(p->Unloaded());
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return server.SinceFirstRequestMs().value_or(0) > 7000; }, 10000));
    // The movie loaded behind the closed window and was never started.
    EXPECT_TRUE(p->Player().IsPaused());
    EXPECT_TRUE(std::isnan(p->MainForm().movieAspect));
    EXPECT_FALSE(p->Window().isVisible());
    p.reset();
    EXPECT_EQ(Settings().value("Settings/LastPlayed").toString().toStdString(), url);
}

TEST_F(LateSourceTest, FailedLateLoadStaysQuiet) {
    auto p = Started();
    LocalServer server(LocalServer::Mode::Late, QByteArray(64 * 1024, 'x'), 5000);
    test::LoopWatch watch;
    OpenLate(*p, server.Url("/junk.mp4").toStdString());
    ASSERT_TRUE(QTest::qWaitFor([&] { return p->Player().Reference().empty(); }, 15000))
        << "the junk never failed";
    QTest::qWait(300);
    EXPECT_FALSE(p->Player().DrawnArea().has_value());
    EXPECT_FALSE(Bar(*p)->isVisible());
    EXPECT_TRUE(p->Player().IsPaused());
    EXPECT_EQ(p->Window().windowTitle(), QStringLiteral("Ostrun's Reelwick"));
    EXPECT_TRUE(FlipsLoop(*p));
    EXPECT_LT(watch.LongestGapMs(), kMaxStallMs);
}

// The built program, as a desktop session ends it: SIGTERM while its movie
// is late. It ends normally, with its settings written.
TEST_F(LateSourceTest, SignalDuringTheLateWaitEndsTheProgram) {
    LocalServer server(LocalServer::Mode::Late, redClip, 5000);
    const QString url = server.Url("/red.mp4");
    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("QT_QPA_PLATFORM", "offscreen");
    env.insert("XDG_CONFIG_HOME", dir.path());
    program.setProcessEnvironment(env);
    program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    program.start(REELWICK_BINARY, {url});
    ASSERT_TRUE(program.waitForStarted(10000));
    // After the player's 3 s wait, before the server answers.
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return server.SinceFirstRequestMs().value_or(0) > 3600; }, 20000));
    program.terminate();
    QElapsedTimer clock;
    clock.start();
    // A generous guard against a hang; how long it took is only reported.
    ASSERT_TRUE(QTest::qWaitFor([&] { return program.state() == QProcess::NotRunning; }, 60000));
    std::printf("  ended %lld ms after SIGTERM\n", static_cast<long long>(clock.elapsed()));
    EXPECT_EQ(program.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(program.exitCode(), 0);
    const QSettings s(dir.filePath("Ostrun's Reelwick/Ostrun's Reelwick.ini"),
                      QSettings::IniFormat);
    EXPECT_EQ(s.value("Settings/LastPlayed").toString(), url);
    EXPECT_FALSE(s.contains("MRU/0"));
}

}  // namespace
}  // namespace rw
