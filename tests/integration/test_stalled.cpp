// Sources that stall or can never be read: a server that never answers, one
// that never stops sending, a session description waiting for packets, a
// named pipe nobody writes, a device, a folder, a file that cannot be read.
// For each, the window goes on painting and answering while the movie
// loads, another movie opens right after, and the program closes at once
// with its settings written.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/types.h>
#include <unistd.h>

#include <QElapsedTimer>
#include <QFile>
#include <QPointer>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QUdpSocket>
#include <cstdio>
#include <memory>
#include <ostream>
#include <string>

#include "LocalServer.h"
#include "LoopWatch.h"
#include "Program.h"
#include "TestSupport.h"
#include "platform/Step.h"
#include "platform/mpv/MpvPlayer.h"
#include "platform/qt/QtWindow.h"
#include "playback/OpenMovie.h"

namespace rw {
namespace {

using test::LocalServer;

enum class Stall {
    SilentServer,
    EndlessServer,
    SharedSdp,
    WrittenSdp,
    Fifo,
    DevZero,
    Folder,
    Unreadable,
    ProcMem,
};

const std::pair<Stall, const char*> kStallNames[] = {
    {Stall::SilentServer, "SilentServer"},
    {Stall::EndlessServer, "EndlessServer"},
    {Stall::SharedSdp, "SharedSdp"},
    {Stall::WrittenSdp, "WrittenSdp"},
    {Stall::Fifo, "Fifo"},
    {Stall::DevZero, "DevZero"},
    {Stall::Folder, "Folder"},
    {Stall::Unreadable, "Unreadable"},
    {Stall::ProcMem, "ProcMem"},
};

const char* NameOf(Stall s) { return test::NameOf(s, kStallNames); }

// Names the case in the test's name and in failure messages.
void PrintTo(Stall s, std::ostream* os) { *os << NameOf(s); }

// A UDP port nobody sends to: bound once by the system's choice, then freed.
quint16 QuietUdpPort() {
    QUdpSocket socket;
    socket.bind(QHostAddress::LocalHost, 0);
    return socket.localPort();
}

// Counts the paint events a widget gets while something asks it to repaint
// every 50 ms, as playback or an expose would.
class PaintCounter : public QObject {
  public:
    explicit PaintCounter(QWidget* widget) : widget_(widget) {
        widget_->installEventFilter(this);
        QObject::connect(&timer_, &QTimer::timeout, [this] {
            if (widget_) widget_->update();
        });
        timer_.start(50);
    }
    ~PaintCounter() override {
        if (widget_) widget_->removeEventFilter(this);
    }
    int paints = 0;

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++paints;
        return false;
    }

  private:
    QPointer<QWidget> widget_;  // the program may be gone first
    QTimer timer_;
};

class StalledTest : public ::testing::TestWithParam<Stall> {
  protected:
    void SetUp() override {
        good = test::ClipPath(test::Clip::Red43);
        ASSERT_FALSE(good.empty());
        ASSERT_TRUE(dir.isValid());
    }

    // The reference of the stalled source; empty text to skip the case.
    std::string Prepare(Stall stall) {
        switch (stall) {
            case Stall::SilentServer:
                server = std::make_unique<LocalServer>(LocalServer::Mode::Silent);
                return server->Url("/movie.mp4").toStdString();
            case Stall::EndlessServer:
                server = std::make_unique<LocalServer>(LocalServer::Mode::Endless);
                return server->Url("/live.ts").toStdString();
            case Stall::SharedSdp: {
                const QString media = test::MediaDir();
                if (media.isEmpty()) return {};
                const QString copy = dir.filePath("shared.sdp");
                QFile::copy(media + "/playlist/sdp/media.sdp", copy);
                return copy.toStdString();
            }
            case Stall::WrittenSdp: {
                const QString path = dir.filePath("quiet.sdp");
                QFile file(path);
                if (!file.open(QIODevice::WriteOnly)) return {};
                file.write(QStringLiteral("v=0\r\no=- 0 0 IN IP4 127.0.0.1\r\ns=quiet\r\n"
                                          "c=IN IP4 127.0.0.1\r\nt=0 0\r\n"
                                          "m=video %1 RTP/AVP 96\r\na=rtpmap:96 H264/90000\r\n")
                               .arg(QuietUdpPort())
                               .toUtf8());
                return path.toStdString();
            }
            case Stall::Fifo: {
                const std::string path = dir.filePath("pipe.ts").toStdString();
                if (mkfifo(path.c_str(), 0600) != 0) return {};
                return path;
            }
            case Stall::DevZero:
                return "/dev/zero";
            case Stall::Folder:
                return dir.path().toStdString();
            case Stall::Unreadable: {
                const QString path = dir.filePath("locked.mp4");
                QFile file(path);
                if (!file.open(QIODevice::WriteOnly)) return {};
                file.write(QByteArray(4096, 'x'));
                file.close();
                chmod(path.toLocal8Bit().constData(), 0);
                if (geteuid() == 0) {
                    std::printf(
                        "  running as root, which reads a file of mode 000 all the "
                        "same: this case opens junk; ProcMem is the unreadable one\n");
                }
                return path.toStdString();
            }
            case Stall::ProcMem:
                // Opens, then every read at the start fails.
                return "/proc/self/mem";
        }
        return {};
    }

    std::string Ini(const char* name) const { return dir.filePath(name).toStdString(); }

    // Closes the program and measures how long it takes to be gone.
    static qint64 CloseAndDestroy(std::unique_ptr<Program>& p) {
        QElapsedTimer clock;
        clock.start();
        p->Window().close();
        EXPECT_TRUE(p->Unloaded());
        p.reset();
        return clock.elapsed();
    }

    std::string good;
    QTemporaryDir dir;
    std::unique_ptr<LocalServer> server;
};

TEST_P(StalledTest, KeepsTheWindowAliveAndOpensAnotherMovieAndCloses) {
    const std::string source = Prepare(GetParam());
    if (source.empty()) GTEST_SKIP() << "this source cannot be made here";
    SCOPED_TRACE(source);

    // Opened, then another movie, then closed.
    {
        auto p = std::make_unique<Program>("", Ini("a.ini"));
        p->Start();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&p->Window()));
        PaintCounter painted(p->Window().Player());
        test::LoopWatch watch;
        QElapsedTimer clock;
        clock.start();
        OpenMovie(p->MainForm(), source);
        const qint64 openMs = clock.elapsed();
        const qint64 stall = watch.LongestGapMs();
        std::printf(
            "  %s: open returned after %lld ms, %ld loop turns, %d paints, longest "
            "stall %lld ms\n",
            NameOf(GetParam()), static_cast<long long>(openMs), watch.Ticks(), painted.paints,
            static_cast<long long>(stall));
        EXPECT_LT(openMs, 20000) << "the open must give way after its bounded wait";
        EXPECT_LT(stall, 1500) << "the event loop stalled during the open";
        // Turning all through the open: at least a quarter of the 10 ms ticks
        // and of the 50 ms repaints.
        EXPECT_GE(watch.Ticks(), openMs / 40);
        EXPECT_GE(painted.paints, openMs / 200);
        EXPECT_EQ(p->Window().windowTitle(), QStringLiteral("Ostrun's Reelwick"));
        EXPECT_TRUE(test::FlipsLoop(*p)) << "the menu does not answer";

        OpenMovie(p->MainForm(), good);
        EXPECT_TRUE(QTest::qWaitFor([&] { return p->Player().Reference() == good; }, 10000));
        std::string rect;
        EXPECT_TRUE(Step([&] { rect = p->Player().MovieRect(); }));
        EXPECT_EQ(rect, "0,0,320,240");
        const qint64 closeMs = CloseAndDestroy(p);
        EXPECT_LT(closeMs, 2000) << "closing took " << closeMs << " ms";
    }
    {
        const QSettings s(QString::fromStdString(Ini("a.ini")), QSettings::IniFormat);
        EXPECT_EQ(s.value("Settings/LastPlayed").toString().toStdString(), good);
        EXPECT_EQ(s.value("Settings/MovieLoop").toString(), "True");
        EXPECT_EQ(s.value("MRU/0").toString().toStdString(), good);
    }

    // Closed while the source still stalls.
    {
        auto p = std::make_unique<Program>("", Ini("b.ini"));
        p->Start();
        OpenMovie(p->MainForm(), source);
        EXPECT_TRUE(test::FlipsLoop(*p));
        const qint64 closeMs = CloseAndDestroy(p);
        std::printf("  %s: closed during the stalled load in %lld ms\n", NameOf(GetParam()),
                    static_cast<long long>(closeMs));
        EXPECT_LT(closeMs, 2000) << "closing took " << closeMs << " ms";
    }
    const QSettings s(QString::fromStdString(Ini("b.ini")), QSettings::IniFormat);
    EXPECT_EQ(s.value("Settings/MovieLoop").toString(), "True");
    EXPECT_EQ(s.value("Settings/MovieControls").toString(), "True");
    EXPECT_TRUE(s.contains("Settings/LastPlayed"));
}

INSTANTIATE_TEST_SUITE_P(Sources, StalledTest,
                         ::testing::Values(Stall::SilentServer, Stall::EndlessServer,
                                           Stall::SharedSdp, Stall::WrittenSdp, Stall::Fifo,
                                           Stall::DevZero, Stall::Folder, Stall::Unreadable,
                                           Stall::ProcMem),
                         [](const auto& info) { return std::string(NameOf(info.param)); });

}  // namespace
}  // namespace rw
