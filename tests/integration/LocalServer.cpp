#include "LocalServer.h"

#include <QHostAddress>
#include <algorithm>

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

// Where a request wants the body to start: its "Range: bytes=N-", else 0.
qint64 RangeStart(const QByteArray& request) {
    for (const QByteArray& line : request.split('\n')) {
        const QByteArray trimmed = line.trimmed();
        if (!trimmed.toLower().startsWith("range:")) continue;
        const QByteArray value = trimmed.mid(6).trimmed();
        if (!value.startsWith("bytes=")) return 0;
        bool ok = false;
        const qint64 start = value.mid(6, value.indexOf('-') - 6).toLongLong(&ok);
        return ok ? start : 0;
    }
    return 0;
}

}  // namespace

LocalServer::LocalServer(Mode mode) : mode_(mode), chunk_(NullPackets(64)) {
    QObject::connect(&server_, &QTcpServer::newConnection, [this] { Accept(); });
    server_.listen(QHostAddress::LocalHost, 0);
    port_ = server_.serverPort();
    pump_.setInterval(10);
    QObject::connect(&pump_, &QTimer::timeout, [this] { Pump(); });
    if (mode_ == Mode::Endless) pump_.start();
}

LocalServer::LocalServer(Mode mode, QByteArray file, int delayMs) : LocalServer(mode) {
    file_ = std::move(file);
    delayMs_ = delayMs;
}

LocalServer::~LocalServer() {
    pump_.stop();
    for (auto& socket : sockets_) {
        if (socket) socket->abort();
    }
}

QString LocalServer::Url(const QString& path) const {
    // The port is kept: a server that went away still names where it was.
    return QStringLiteral("http://127.0.0.1:%1%2").arg(port_).arg(path);
}

std::optional<qint64> LocalServer::SinceFirstRequestMs() const {
    if (!sinceFirst_.isValid()) return std::nullopt;
    return sinceFirst_.elapsed();
}

void LocalServer::Accept() {
    while (QTcpSocket* socket = server_.nextPendingConnection()) {
        ++connections_;
        sockets_.emplace_back(socket);
        QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket] { Read(socket); });
    }
}

void LocalServer::Read(QTcpSocket* socket) {
    const bool first = socket->property("answered").isNull();
    if (mode_ == Mode::Silent || mode_ == Mode::Endless) {
        // The request is read and dropped; a silent server never writes.
        socket->readAll();
        if (mode_ == Mode::Endless && first) {
            socket->setProperty("answered", true);
            socket->write(
                "HTTP/1.1 200 OK\r\nContent-Type: video/mp2t\r\n"
                "Connection: close\r\n\r\n");
        }
        return;
    }
    // One request a connection: the answer closes it.
    QByteArray request = socket->property("request").toByteArray() + socket->readAll();
    socket->setProperty("request", request);
    if (!first || !request.contains("\r\n\r\n")) return;
    socket->setProperty("answered", true);
    const bool firstOfServer = !sinceFirst_.isValid();
    if (firstOfServer) sinceFirst_.start();
    if (mode_ == Mode::Page && !request.left(request.indexOf('\n')).contains(".mp4 ")) {
        const QByteArray page =
            "<!DOCTYPE html><html><head><title>A page with a clip</title></head>"
            "<body><video src=\"clip.mp4\"></video></body></html>";
        socket->write(
            "HTTP/1.1 200 OK\r\nContent-Type: text/html; charset=utf-8\r\n"
            "Content-Length: " +
            QByteArray::number(page.size()) + "\r\nConnection: close\r\n\r\n" + page);
        socket->disconnectFromHost();
        return;
    }
    const qint64 start = std::clamp<qint64>(RangeStart(request), 0, file_.size());
    if (mode_ == Mode::Late && firstOfServer) {
        QTimer::singleShot(delayMs_, socket, [this, socket, start] { Answer(socket, start); });
    } else {
        Answer(socket, start);
    }
}

void LocalServer::Answer(QTcpSocket* socket, qint64 start) {
    // The player may have given up on a late answer.
    if (socket->state() != QAbstractSocket::ConnectedState) return;
    const qint64 size = file_.size();
    QByteArray head = start > 0 ? "HTTP/1.1 206 Partial Content\r\n" : "HTTP/1.1 200 OK\r\n";
    head += "Content-Type: video/mp4\r\nAccept-Ranges: bytes\r\n";
    if (start > 0) {
        head += "Content-Range: bytes " + QByteArray::number(start) + "-" +
                QByteArray::number(size - 1) + "/" + QByteArray::number(size) + "\r\n";
    }
    head += "Content-Length: " + QByteArray::number(size - start) + "\r\nConnection: close\r\n\r\n";
    socket->write(head);
    const qint64 half = size / 2;
    switch (mode_) {
        case Mode::Late:
        case Mode::Page:
            Send(socket, start, size);
            socket->disconnectFromHost();  // once all is written
            return;
        case Mode::PausesMidway: {
            Send(socket, start, std::max(start, half));
            // The rest goes when the pause is over, for every request.
            const qint64 wait = std::max<qint64>(0, delayMs_ - sinceFirst_.elapsed());
            QTimer::singleShot(wait, socket, [this, socket, start, half, size] {
                Send(socket, std::max(start, half), size);
                socket->disconnectFromHost();
            });
            return;
        }
        case Mode::DropsMidway:
            Send(socket, start, std::max(start, half));
            socket->disconnectFromHost();
            server_.close();  // gone: later requests are refused
            return;
        case Mode::Silent:
        case Mode::Endless:
            return;
    }
}

void LocalServer::Send(QTcpSocket* socket, qint64 from, qint64 to) {
    if (to <= from || socket->state() != QAbstractSocket::ConnectedState) return;
    bytesSent_ += socket->write(file_.constData() + from, to - from);
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
