#pragma once

#include <QByteArray>
#include <QPointer>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
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
    };

    explicit LocalServer(Mode mode);
    ~LocalServer();
    LocalServer(const LocalServer&) = delete;
    LocalServer& operator=(const LocalServer&) = delete;

    bool Listening() const { return server_.isListening(); }
    // "http://127.0.0.1:<port><path>"
    QString Url(const QString& path) const;
    int Connections() const { return connections_; }
    qint64 BytesSent() const { return bytesSent_; }

  private:
    void Accept();
    void Pump();

    Mode mode_;
    QTcpServer server_;
    QTimer pump_;
    std::vector<QPointer<QTcpSocket>> sockets_;
    QByteArray chunk_;
    int connections_ = 0;
    qint64 bytesSent_ = 0;
};

}  // namespace rw::test
