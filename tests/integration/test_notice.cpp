// The line the movie area shows in place of a movie that cannot play, and
// while one is still opening: the player on real libmpv, each kind of
// failure in turn, then a good movie that clears it.

#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>
#include <memory>
#include <string>

#include "LocalServer.h"
#include "TestSupport.h"
#include "platform/mpv/MpvPlayer.h"

namespace rw {
namespace {

using test::LocalServer;

// Answers every request with 404 Not Found.
class NotFoundServer {
  public:
    NotFoundServer() {
        server_.listen(QHostAddress::LocalHost);
        QObject::connect(&server_, &QTcpServer::newConnection, [this] {
            while (QTcpSocket* socket = server_.nextPendingConnection()) {
                QObject::connect(socket, &QTcpSocket::readyRead, socket, [socket] {
                    socket->readAll();
                    socket->write(
                        "HTTP/1.1 404 Not Found\r\nContent-Length: 0\r\n"
                        "Connection: close\r\n\r\n");
                    socket->disconnectFromHost();
                });
                QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            }
        });
    }
    std::string Url(const char* path) const {
        return "http://127.0.0.1:" + std::to_string(server_.serverPort()) + path;
    }

  private:
    QTcpServer server_;
};

// A TCP port nobody listens on: bound once by the system's choice, then freed.
quint16 ClosedPort() {
    QTcpServer server;
    server.listen(QHostAddress::LocalHost);
    return server.serverPort();
}

// Whether a light pixel (the line's text) is drawn along the middle row.
bool LightTextInTheMiddle(QWidget& widget) {
    const QImage image = widget.grab().toImage();
    for (int y = image.height() / 2 - 8; y <= image.height() / 2 + 8; ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (QColor(image.pixel(x, y)).lightness() > 150) return true;
        }
    }
    return false;
}

TEST(MovieAreaLineTest, SaysWhyEachMovieCannotPlayAndThatOneIsOpening) {
    if (!test::CanMakeClips()) GTEST_SKIP() << "ffmpeg is needed to make the test clips";
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QFile text(dir.filePath("notes.mp4"));
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write("These are notes, not a movie.\n");
    text.close();
    NotFoundServer notFound;
    LocalServer silent(LocalServer::Mode::Silent);
    ASSERT_TRUE(silent.Listening());
    const std::string refusedUrl =
        "http://127.0.0.1:" + std::to_string(ClosedPort()) + "/refused.mp4";
    const std::string stalledUrl = silent.Url("/movie.mp4").toStdString();

    MpvPlayer player(test::SolidImage(QColor(0, 200, 0), 64, 48));
    ASSERT_TRUE(player.IsAvailable());
    player.SetController(0);
    player.resize(640, 480);
    player.show();
    const auto says = [&](const std::string& line) {
        return QTest::qWaitFor(
            [&] { return player.accessibleDescription() == QString::fromStdString(line); }, 10000);
    };

    const struct {
        const char* name;
        std::string reference;
        std::string line;
    } failures[] = {
        {"FileGone", dir.filePath("gone.mp4").toStdString(), "gone.mp4 was not found"},
        // A Latin-1 name shows its odd byte as U+FFFD, and markup as text.
        {"NameNotUtf8", dir.filePath("").toStdString() + "/<b>caf\xe9&amp;.mp4",
         "<b>caf\ufffd&amp;.mp4 was not found"},
        {"TextNamedMp4", dir.filePath("notes.mp4").toStdString(),
         "notes.mp4 is not a movie, or is in a format this player cannot read"},
        {"RefusedConnection", refusedUrl,
         refusedUrl + " could not be opened: the server refused the connection"},
        {"NotFoundOnTheServer", notFound.Url("/missing.mp4"),
         notFound.Url("/missing.mp4") + " could not be opened: the server answered 404 Not Found"},
    };
    for (const auto& failure : failures) {
        SCOPED_TRACE(failure.name);
        player.Load(failure.reference);
        EXPECT_TRUE(says(failure.line)) << player.accessibleDescription().toStdString();
        EXPECT_TRUE(LightTextInTheMiddle(player));
    }

    // Still loading after Load has returned.
    player.SetLoadTimeout(300);
    player.Load(stalledUrl);
    EXPECT_TRUE(says("Opening\u2026 " + stalledUrl))
        << player.accessibleDescription().toStdString();
    EXPECT_TRUE(LightTextInTheMiddle(player));

    // A good movie takes the line away.
    player.SetLoadTimeout(3000);
    player.Load(test::ClipPath(test::Clip::Red43));
    EXPECT_TRUE(QTest::qWaitFor([&] { return player.HasPicture(); }, 10000));
    EXPECT_TRUE(says("")) << player.accessibleDescription().toStdString();
}

}  // namespace
}  // namespace rw
