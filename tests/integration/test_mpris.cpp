// Media keys and media widgets: the program as an MPRIS 2 player on a
// private session bus (the test program runs under dbus-run-session), driven
// by a client on a connection of its own, as a desktop's widget would.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDBusObjectPath>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>
#include <cmath>
#include <memory>

#include "DesktopStandIns.h"
#include "LocalServer.h"
#include "MprisClient.h"
#include "Program.h"
#include "TestSupport.h"
#include "platform/desktop/Mpris.h"
#include "platform/desktop/QtDesktop.h"
#include "platform/mpv/MpvPlayer.h"
#include "platform/mpv/pure/References.h"
#include "platform/qt/QtWindow.h"
#include "playback/OpenMovie.h"
#include "playback/Transport.h"

namespace rw {
namespace {

using test::MakeClip;
using test::MprisClient;

constexpr const char* kPlayer = MprisClient::kPlayer;
constexpr const char* kRoot = MprisClient::kRoot;

class MprisTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_FALSE(qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS"))
            << "run under dbus-run-session";
        ASSERT_TRUE(dir.isValid());
        red = MakeClip(dir, "red clip.mp4", "color=c=red:s=320x240:d=6");
        ASSERT_FALSE(red.empty()) << "ffmpeg could not make the test clip";
        ini = dir.filePath("settings.ini").toStdString();
    }

    // A program playing the red clip, with its name on the bus.
    std::unique_ptr<Program> StartPlaying() {
        auto p = std::make_unique<Program>("\"" + red + "\"", ini);
        p->Start();
        EXPECT_TRUE(QTest::qWaitFor([&] { return Playing(*p); }, 10000));
        EXPECT_TRUE(QTest::qWaitFor([&] { return !Name(*p).isEmpty(); }, 5000));
        return p;
    }

    static QString Name(Program& p) {
        return p.Desktop().MediaPlayer() ? p.Desktop().MediaPlayer()->Name() : QString();
    }

    static bool Playing(Program& p) {
        return p.Player().HasMovie() && !p.Player().IsPaused() && !p.Player().IsAtEnd();
    }

    static qlonglong Micro(double seconds) { return qlonglong(std::llround(seconds * 1e6)); }

    QTemporaryDir dir;
    std::string red, ini;
};

TEST_F(MprisTest, DescribesTheProgram) {
    auto p = StartPlaying();
    EXPECT_EQ(Name(*p), "org.mpris.MediaPlayer2.reelwick");
    MprisClient client;
    EXPECT_EQ(client.Get(kRoot, "Identity").toString(), "Ostrun's Reelwick");
    EXPECT_EQ(client.Get(kRoot, "DesktopEntry").toString(), "net.ostrun.Reelwick");
    EXPECT_EQ(client.Get(kRoot, "CanQuit"), QVariant(true));
    EXPECT_EQ(client.Get(kRoot, "CanRaise"), QVariant(true));
    EXPECT_EQ(client.Get(kRoot, "HasTrackList"), QVariant(false));

    QStringList schemes;
    for (const auto scheme : AllowedSchemes()) schemes << QString::fromLatin1(scheme);
    EXPECT_EQ(client.Get(kRoot, "SupportedUriSchemes").toStringList(), schemes);
    EXPECT_TRUE(schemes.contains("file") && schemes.contains("https"));
    EXPECT_FALSE(schemes.contains("av") || schemes.contains("fd"));

    // The same kinds of file the desktop entry offers the program for.
    QFile entry(REELWICK_SOURCE_DIR "/data/net.ostrun.Reelwick.desktop");
    ASSERT_TRUE(entry.open(QIODevice::ReadOnly));
    QStringList mimeTypes;
    for (const QByteArray& line : entry.readAll().split('\n')) {
        if (line.startsWith("MimeType=")) {
            mimeTypes = QString::fromUtf8(line.mid(9)).split(';', Qt::SkipEmptyParts);
        }
    }
    ASSERT_FALSE(mimeTypes.isEmpty());
    EXPECT_EQ(client.Get(kRoot, "SupportedMimeTypes").toStringList(), mimeTypes);

    const struct {
        const char* property;
        QVariant value;
    } fixed[] = {{"CanControl", true},   {"CanGoNext", false}, {"CanGoPrevious", false},
                 {"Rate", 1.0},          {"MinimumRate", 0.5}, {"MaximumRate", 2.0},
                 {"CanPlay", true},      {"CanPause", true},   {"CanSeek", true},
                 {"LoopStatus", "None"}, {"Volume", 1.0},      {"PlaybackStatus", "Playing"}};
    for (const auto& [property, value] : fixed) {
        EXPECT_EQ(client.Get(kPlayer, property), value) << property;
    }
}

TEST_F(MprisTest, MetadataNamesTheMovieAndPositionFollowsIt) {
    auto p = StartPlaying();
    MprisClient client;
    const QVariantMap metadata = client.Get(kPlayer, "Metadata").toMap();
    EXPECT_EQ(metadata.value("xesam:title").toString(), "red clip.mp4");
    EXPECT_EQ(metadata.value("xesam:url").toString(),
              QUrl::fromLocalFile(QString::fromStdString(red)).toEncoded());
    EXPECT_NEAR(metadata.value("mpris:length").toLongLong(), 6'000'000, 100'000);
    const QString track = metadata.value("mpris:trackid").value<QDBusObjectPath>().path();
    EXPECT_TRUE(track.startsWith("/net/ostrun/Reelwick/")) << track.toStdString();

    const qlonglong first = client.Get(kPlayer, "Position").toLongLong();
    QTest::qWait(600);
    const qlonglong later = client.Get(kPlayer, "Position").toLongLong();
    EXPECT_GT(later, first + 300'000);
    EXPECT_NEAR(later, Micro(p->Player().Position()), 200'000);
}

TEST_F(MprisTest, ChangesAreAnnouncedButNotThePositionAlone) {
    auto p = StartPlaying();
    MprisClient client;
    QTest::qWait(1000);  // playing on: frames and positions only
    EXPECT_TRUE(client.changes.isEmpty()) << client.changes.size();

    mnuMoviePause_Click(p->MainForm());  // the menu, not the bus
    ASSERT_TRUE(QTest::qWaitFor([&] { return !client.changes.isEmpty(); }, 5000));
    EXPECT_EQ(client.ChangesOf("PlaybackStatus"), QVariantList{"Paused"});
    EXPECT_FALSE(client.changes.first().contains("Position"));

    mnuMovieLoop_Click(p->MainForm());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !client.ChangesOf("LoopStatus").isEmpty(); }, 5000));
    EXPECT_EQ(client.ChangesOf("LoopStatus"), QVariantList{"Track"});
}

TEST_F(MprisTest, TransportRunsTheMenuHandlers) {
    auto p = StartPlaying();
    MprisClient client;

    client.Call(kPlayer, "Pause");
    ASSERT_TRUE(QTest::qWaitFor([&] { return p->Player().IsPaused(); }, 5000));
    EXPECT_EQ(client.Get(kPlayer, "PlaybackStatus").toString(), "Paused");

    client.Call(kPlayer, "PlayPause");
    ASSERT_TRUE(QTest::qWaitFor([&] { return Playing(*p); }, 5000));
    client.Call(kPlayer, "PlayPause");
    ASSERT_TRUE(QTest::qWaitFor([&] { return p->Player().IsPaused(); }, 5000));

    client.Call(kPlayer, "Play");
    ASSERT_TRUE(QTest::qWaitFor([&] { return Playing(*p); }, 5000));
    QTest::qWait(500);

    // Stop: Pause, then Rewind.
    client.Call(kPlayer, "Stop");
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return p->Player().IsPaused() && p->Player().Position() < 0.05; }, 5000));
    EXPECT_EQ(client.Get(kPlayer, "Position").toLongLong(), 0);

    // Next and Previous: the movie is alone in its folder.
    EXPECT_EQ(client.Call(kPlayer, "Next").type(), QDBusMessage::ReplyMessage);
    EXPECT_EQ(client.Call(kPlayer, "Previous").type(), QDBusMessage::ReplyMessage);
    QTest::qWait(200);
    EXPECT_EQ(p->Player().Reference(), red);

    ASSERT_TRUE(
        QTest::qWaitFor([&] { return client.ChangesOf("PlaybackStatus").size() == 5; }, 5000));
    EXPECT_EQ(client.ChangesOf("PlaybackStatus"),
              (QVariantList{"Paused", "Playing", "Paused", "Playing", "Paused"}));
}

TEST_F(MprisTest, PlayAtTheEndStartsAgainAndWithNothingLoadedDoesNothing) {
    auto p = StartPlaying();
    MprisClient client;
    client.Call(kPlayer, "Seek", {QVariant::fromValue(qlonglong(60'000'000))});
    ASSERT_TRUE(QTest::qWaitFor([&] { return p->Player().IsAtEnd(); }, 5000));
    EXPECT_EQ(client.Get(kPlayer, "PlaybackStatus").toString(), "Stopped");
    client.Call(kPlayer, "PlayPause");
    ASSERT_TRUE(QTest::qWaitFor([&] { return Playing(*p); }, 5000));
    EXPECT_LT(p->Player().Position(), 2.0);

    // Nothing loaded: the menu's Play would open a dialog; the bus's does not.
    p.reset();
    auto empty = std::make_unique<Program>("", ini + ".empty");
    empty->Start();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !Name(*empty).isEmpty(); }, 5000));
    EXPECT_EQ(client.Get(kPlayer, "CanPlay"), QVariant(false));
    EXPECT_EQ(client.Get(kPlayer, "PlaybackStatus").toString(), "Stopped");
    EXPECT_EQ(client.Get(kPlayer, "Metadata")
                  .toMap()
                  .value("mpris:trackid")
                  .value<QDBusObjectPath>()
                  .path(),
              "/org/mpris/MediaPlayer2/TrackList/NoTrack");
    client.Call(kPlayer, "Play");
    client.Call(kPlayer, "PlayPause");
    QTest::qWait(300);
    EXPECT_FALSE(QApplication::activeModalWidget());
    EXPECT_TRUE(empty->Player().Reference().empty());
}

TEST_F(MprisTest, SeekAndSetPositionJumpAndSaySo) {
    auto p = StartPlaying();
    MprisClient client;
    client.Call(kPlayer, "Pause");
    ASSERT_TRUE(QTest::qWaitFor([&] { return p->Player().IsPaused(); }, 5000));
    const QVariant track = client.Get(kPlayer, "Metadata").toMap().value("mpris:trackid");
    ASSERT_TRUE(track.canConvert<QDBusObjectPath>());
    client.Call(kPlayer, "SetPosition", {track, QVariant::fromValue(qlonglong(1'000'000))});
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return std::abs(p->Player().Position() - 1.0) < 0.05; }, 5000));
    // The start of the movie is a jump too; its signal may come late.
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            return !client.seeks.isEmpty() && std::abs(client.seeks.last() - 1'000'000) < 50'000;
        },
        5000));

    client.Call(kPlayer, "Seek", {QVariant::fromValue(qlonglong(2'500'000))});
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return std::abs(p->Player().Position() - 3.5) < 0.05; }, 5000));
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            return !client.seeks.isEmpty() && std::abs(client.seeks.last() - 3'500'000) < 50'000;
        },
        5000));

    client.Call(kPlayer, "Seek", {QVariant::fromValue(qlonglong(-10'000'000))});
    ASSERT_TRUE(QTest::qWaitFor([&] { return p->Player().Position() < 0.05; }, 5000));

    // Ignored: another movie's track id, and positions outside the movie.
    const struct {
        QDBusObjectPath track;
        qlonglong position;
    } ignored[] = {{QDBusObjectPath("/net/ostrun/Reelwick/Movie/999"), 2'000'000},
                   {track.value<QDBusObjectPath>(), -1},
                   {track.value<QDBusObjectPath>(), 7'000'000}};
    for (const auto& call : ignored) {
        client.Call(kPlayer, "SetPosition",
                    {QVariant::fromValue(call.track), QVariant::fromValue(call.position)});
    }
    QTest::qWait(500);
    EXPECT_LT(p->Player().Position(), 0.05);
    EXPECT_TRUE(p->Player().IsPaused());
}

TEST_F(MprisTest, LoopStatusIsTheLoopMovieOption) {
    auto p = StartPlaying();
    MprisClient client;
    QAction* loop = p->Window().MenuAction(Menu::MovieLoop);
    const auto checked = [&] { return p->Window().Checked(Menu::MovieLoop); };

    ASSERT_TRUE(client.Set(kPlayer, "LoopStatus", "Track"));
    ASSERT_TRUE(QTest::qWaitFor(checked, 5000));
    EXPECT_EQ(client.Get(kPlayer, "LoopStatus").toString(), "Track");
    // Playlist is Track here; already on, it toggles nothing.
    ASSERT_TRUE(client.Set(kPlayer, "LoopStatus", "Playlist"));
    ASSERT_TRUE(client.Set(kPlayer, "LoopStatus", "Sideways"));  // not a status: nothing
    QTest::qWait(300);
    EXPECT_TRUE(checked());
    ASSERT_TRUE(client.Set(kPlayer, "LoopStatus", "None"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !checked(); }, 5000));
    EXPECT_FALSE(loop->isChecked());
    ASSERT_TRUE(QTest::qWaitFor([&] { return client.ChangesOf("LoopStatus").size() == 2; }, 5000));
    EXPECT_EQ(client.ChangesOf("LoopStatus"), (QVariantList{"Track", "None"}));

    ASSERT_TRUE(client.Set(kPlayer, "Volume", 0.25));
    ASSERT_TRUE(QTest::qWaitFor([&] { return std::abs(p->Player().Volume() - 25) < 0.01; }, 5000));
    // Through the program's commands, as the volume keys: it says so over the movie.
    EXPECT_EQ(p->Player().LineText().toStdString(), "Volume 25%");
    ASSERT_TRUE(QTest::qWaitFor([&] { return !client.ChangesOf("Volume").isEmpty(); }, 5000));
    EXPECT_DOUBLE_EQ(client.ChangesOf("Volume").last().toDouble(), 0.25);
    // Beyond 100% is held to it, as the player's keys and stored Volume are.
    ASSERT_TRUE(client.Set(kPlayer, "Volume", 10.0));
    ASSERT_TRUE(QTest::qWaitFor([&] { return p->Player().Volume() == 100; }, 5000));
    EXPECT_DOUBLE_EQ(client.Get(kPlayer, "Volume").toDouble(), 1.0);
    // The speed, within the Speed menu's range.
    ASSERT_TRUE(client.Set(kPlayer, "Rate", 2.0));
    EXPECT_TRUE(QTest::qWaitFor([&] { return p->Player().Speed() == 2.0; }, 5000));
    ASSERT_TRUE(client.Set(kPlayer, "Rate", 0.25));
    EXPECT_TRUE(QTest::qWaitFor([&] { return p->Player().Speed() == 0.5; }, 5000));
    EXPECT_EQ(client.Get(kPlayer, "Rate"), QVariant(0.5));
}

TEST_F(MprisTest, OpenUriFollowsTheRulesOfEveryOtherWayIn) {
    auto p = StartPlaying();
    MprisClient client;
    const std::string other = MakeClip(dir, "my movie #2.mp4", "color=c=blue:s=160x120:d=3");
    ASSERT_FALSE(other.empty());
    const QString uri =
        QUrl::fromLocalFile(QString::fromStdString(other)).toString(QUrl::FullyEncoded);
    EXPECT_TRUE(uri.contains("%20")) << uri.toStdString();
    client.Call(kPlayer, "OpenUri", {uri});
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return p->Player().Reference() == other && Playing(*p); }, 10000));
    EXPECT_EQ(p->Window().Tag(Menu::Recent0), other) << "recent list, as a dropped file";
    EXPECT_EQ(p->Window().windowTitle(), "Ostrun's Reelwick");
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            return client.Get(kPlayer, "Metadata").toMap().value("xesam:title") ==
                   "my movie #2.mp4";
        },
        5000));
    // Announced too, with the new movie's length.
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            const QVariantList all = client.ChangesOf("Metadata");
            return !all.isEmpty() && all.last().toMap().value("xesam:title") == "my movie #2.mp4" &&
                   std::abs(all.last().toMap().value("mpris:length").toLongLong() - 3'000'000) <
                       100'000;
        },
        5000));

    // Refused here as everywhere: libmpv's own schemes, a folder, a device.
    const QString refused[] = {"av://lavfi:testsrc", "fd://0",
                               QUrl::fromLocalFile(dir.path()).toString(), "file:///dev/zero",
                               "/dev/zero"};
    for (const QString& bad : refused) {
        client.Call(kPlayer, "OpenUri", {bad});
        ASSERT_TRUE(QTest::qWaitFor([&] { return p->Player().Reference().empty(); }, 10000))
            << bad.toStdString();
        QTest::qWait(100);
        EXPECT_EQ(p->Window().windowTitle(), "Ostrun's Reelwick");
        // A good movie again, so the next refusal shows.
        OpenMovie(p->MainForm(), red);
        ASSERT_EQ(p->Player().Reference(), red);
    }
    // None of the refused ones entered the recent list.
    EXPECT_EQ(p->Window().Tag(Menu::Recent0), other);
    EXPECT_EQ(p->Window().Tag(Menu::Recent1), red);
    EXPECT_FALSE(p->Window().Visible(Menu::Recent2));
}

TEST_F(MprisTest, AWebPageOpenedByUriIsTitledAsThePageIs) {
    if (QStandardPaths::findExecutable(QStringLiteral("yt-dlp")).isEmpty()) {
        GTEST_SKIP() << "yt-dlp is not installed";
    }
    QFile clip(QString::fromStdString(red));
    ASSERT_TRUE(clip.open(QIODevice::ReadOnly));
    test::LocalServer server(test::LocalServer::Mode::Page, clip.readAll(), 0);
    auto p = StartPlaying();
    MprisClient client;
    const QString page = server.Url(QStringLiteral("/watch?v=1"));
    client.Call(kPlayer, "OpenUri", {page});
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return p->Player().Reference() == page.toStdString() && Playing(*p); }, 60000));
    ASSERT_TRUE(QTest::qWaitFor(
        [&] {
            const QVariantMap metadata = client.Get(kPlayer, "Metadata").toMap();
            return metadata.value("xesam:title").toString().startsWith("A page with a clip");
        },
        10000))
        << client.Get(kPlayer, "Metadata").toMap().value("xesam:title").toString().toStdString();
    EXPECT_EQ(client.Get(kPlayer, "Metadata").toMap().value("xesam:url").toString(), page);
    EXPECT_EQ(p->Window().windowTitle(), "Ostrun's Reelwick");
    EXPECT_EQ(p->Window().Tag(Menu::Recent0), red) << "a web address entered the recent list";
}

TEST_F(MprisTest, RaiseAndQuit) {
    auto p = StartPlaying();
    MprisClient client;
    p->Window().showMinimized();
    client.Call(kRoot, "Raise");
    ASSERT_TRUE(QTest::qWaitFor([&] { return !p->Window().isMinimized(); }, 5000));
    EXPECT_TRUE(p->Window().isVisible());

    // Quit closes the window as Exit does: the settings are written.
    client.Call(kRoot, "Quit");
    ASSERT_TRUE(QTest::qWaitFor([&] { return p->Unloaded(); }, 5000));
    EXPECT_FALSE(p->Window().isVisible());
    // The window has closed: commands are no longer carried out.
    client.Call(kPlayer, "Pause");
    QTest::qWait(300);
    EXPECT_FALSE(p->Player().IsPaused());
    p.reset();
    const QSettings s(QString::fromStdString(ini), QSettings::IniFormat);
    EXPECT_EQ(s.value("Settings/LastPlayed").toString().toStdString(), red);
}

TEST_F(MprisTest, ASecondCopyTakesANameOfItsOwnAndNamesAreGivenBack) {
    {
        auto p = StartPlaying();
        EXPECT_EQ(Name(*p), "org.mpris.MediaPlayer2.reelwick");
    }
    {
        // The name was given back with the first program.
        auto p = StartPlaying();
        EXPECT_EQ(Name(*p), "org.mpris.MediaPlayer2.reelwick");
    }
    // Another player holds the name.
    QDBusConnection other = QDBusConnection::connectToBus(QDBusConnection::SessionBus,
                                                          test::NewConnectionName("other"));
    ASSERT_TRUE(other.registerService("org.mpris.MediaPlayer2.reelwick"));
    {
        auto p = StartPlaying();
        const QString own = QStringLiteral("org.mpris.MediaPlayer2.reelwick.instance%1")
                                .arg(QCoreApplication::applicationPid());
        EXPECT_EQ(Name(*p), own);
        MprisClient client(own);
        EXPECT_EQ(client.Get(kPlayer, "PlaybackStatus").toString(), "Playing");
        client.Call(kPlayer, "Pause");
        ASSERT_TRUE(QTest::qWaitFor([&] { return p->Player().IsPaused(); }, 5000));
    }
    QDBusConnection::disconnectFromBus(other.name());
}

}  // namespace
}  // namespace rw
