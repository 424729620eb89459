#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <optional>
#include <vector>

namespace rw::test {

// An HTTP server on 127.0.0.1 that misbehaves, run by the GUI thread's event
// loop. It counts the connections it gets, so a test can also tell that
// nothing connected at all.
class LocalServer {
  public:
    enum class Mode {
        Silent,   // accepts, reads the request and never answers
        Endless,  // answers 200 and sends an MPEG-TS body of empty packets forever
        // The modes below serve a file, honouring "Range: bytes=N-".
        Late,          // answers the first request only after the delay
        PausesMidway,  // sends the file's first half, pauses for the delay, then the rest
        DropsMidway,   // sends the file's first half, then hangs up and stops listening
        // A web page with the file in a <video> tag: any path but one ending
        // in ".mp4" gets the page, which names "clip.mp4".
        Page,
    };

    explicit LocalServer(Mode mode);
    // A server of `file` for the modes that serve one.
    LocalServer(Mode mode, QByteArray file, int delayMs);
    ~LocalServer();
    LocalServer(const LocalServer&) = delete;
    LocalServer& operator=(const LocalServer&) = delete;

    bool Listening() const { return server_.isListening(); }
    // "http://127.0.0.1:<port><path>"
    QString Url(const QString& path) const;
    int Connections() const { return connections_; }
    qint64 BytesSent() const { return bytesSent_; }
    // Milliseconds since the first request came in; nothing before it.
    std::optional<qint64> SinceFirstRequestMs() const;

  private:
    void Accept();
    void Pump();
    void Read(QTcpSocket* socket);
    void Answer(QTcpSocket* socket, qint64 start);
    void Send(QTcpSocket* socket, qint64 from, qint64 to);

    Mode mode_;
    QTcpServer server_;
    QTimer pump_;
    std::vector<QPointer<QTcpSocket>> sockets_;
    QByteArray chunk_;
    QByteArray file_;
    int delayMs_ = 0;
    quint16 port_ = 0;
    QElapsedTimer sinceFirst_;  // started by the first request
    int connections_ = 0;
    qint64 bytesSent_ = 0;
};

}  // namespace rw::test
