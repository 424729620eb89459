#include "LocalServer.h"

#include <QHostAddress>

namespace rw::test {
namespace {

// MPEG-TS null packets: a stream a demuxer accepts and then reads forever,
// waiting for a program table that never comes.
QByteArray NullPackets(int count) {
    QByteArray packet(188, char(0xFF));
    packet[0] = char(0x47);
    packet[1] = char(0x1F);
    packet[2] = char(0xFF);
    packet[3] = char(0x10);
    return packet.repeated(count);
}

}  // namespace

LocalServer::LocalServer(Mode mode) : mode_(mode), chunk_(NullPackets(64)) {
    QObject::connect(&server_, &QTcpServer::newConnection, [this] { Accept(); });
    server_.listen(QHostAddress::LocalHost, 0);
    pump_.setInterval(10);
    QObject::connect(&pump_, &QTimer::timeout, [this] { Pump(); });
    if (mode_ == Mode::Endless) pump_.start();
}

LocalServer::~LocalServer() {
    pump_.stop();
    for (auto& socket : sockets_) {
        if (socket) socket->abort();
    }
}

QString LocalServer::Url(const QString& path) const {
    return QStringLiteral("http://127.0.0.1:%1%2").arg(server_.serverPort()).arg(path);
}

void LocalServer::Accept() {
    while (QTcpSocket* socket = server_.nextPendingConnection()) {
        ++connections_;
        sockets_.emplace_back(socket);
        // The request is read and dropped; a silent server never writes.
        QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
            const bool first = socket->property("answered").isNull();
            socket->readAll();
            if (mode_ == Mode::Endless && first) {
                socket->setProperty("answered", true);
                socket->write(
                    "HTTP/1.1 200 OK\r\nContent-Type: video/mp2t\r\n"
                    "Connection: close\r\n\r\n");
            }
        });
    }
}

void LocalServer::Pump() {
    for (auto& socket : sockets_) {
        if (!socket || socket->property("answered").isNull()) continue;
        // Never more than a little ahead of the reader.
        if (socket->bytesToWrite() > 256 * 1024) continue;
        bytesSent_ += socket->write(chunk_);
    }
}

}  // namespace rw::test
