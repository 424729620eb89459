#include "DesktopStandIns.h"

#include <QDBusError>

namespace rw::test {

QString NewConnectionName(const char* purpose) {
    static int counter = 0;
    return QStringLiteral("%1-%2").arg(QLatin1String(purpose)).arg(++counter);
}

ScreenSaverStandIn::ScreenSaverStandIn(bool refuse)
    : bus_(QDBusConnection::connectToBus(QDBusConnection::SessionBus,
                                         NewConnectionName("screensaver"))),
      refuse_(refuse) {
    registered_ = bus_.registerObject(QStringLiteral("/org/freedesktop/ScreenSaver"), this,
                                      QDBusConnection::ExportAllSlots) &&
                  bus_.registerService(QStringLiteral("org.freedesktop.ScreenSaver"));
}

ScreenSaverStandIn::~ScreenSaverStandIn() {
    bus_.unregisterObject(QStringLiteral("/org/freedesktop/ScreenSaver"));
    bus_.unregisterService(QStringLiteral("org.freedesktop.ScreenSaver"));
    QDBusConnection::disconnectFromBus(bus_.name());
}

uint ScreenSaverStandIn::Inhibit(const QString& application, const QString& reason) {
    lastApplication = application;
    lastReason = reason;
    if (refuse_) {
        calls << QStringLiteral("Inhibit refused");
        sendErrorReply(QDBusError::NotSupported, QStringLiteral("not here"));
        emit called();
        return 0;
    }
    const uint cookie = nextCookie_++;
    open.insert(cookie);
    calls << QStringLiteral("Inhibit %1").arg(cookie);
    emit called();
    return cookie;
}

void ScreenSaverStandIn::UnInhibit(uint cookie) {
    calls << QStringLiteral("UnInhibit %1").arg(cookie);
    open.erase(cookie);
    emit called();
}

// One granted request of the portal; Close withdraws it.
class PortalRequest final : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Request")

  public:
    PortalRequest(PortalStandIn& portal, QString path) : portal_(portal), path_(std::move(path)) {}

  public slots:
    void Close() { portal_.Closed(path_); }

  private:
    PortalStandIn& portal_;
    QString path_;
};

PortalStandIn::PortalStandIn()
    : bus_(
          QDBusConnection::connectToBus(QDBusConnection::SessionBus, NewConnectionName("portal"))) {
    registered_ = bus_.registerObject(QStringLiteral("/org/freedesktop/portal/desktop"), this,
                                      QDBusConnection::ExportAllSlots) &&
                  bus_.registerService(QStringLiteral("org.freedesktop.portal.Desktop"));
}

PortalStandIn::~PortalStandIn() {
    for (const auto& [path, request] : requests_) bus_.unregisterObject(path);
    bus_.unregisterObject(QStringLiteral("/org/freedesktop/portal/desktop"));
    bus_.unregisterService(QStringLiteral("org.freedesktop.portal.Desktop"));
    QDBusConnection::disconnectFromBus(bus_.name());
}

QDBusObjectPath PortalStandIn::Inhibit(const QString&, uint flags, const QVariantMap& options) {
    const QString path =
        QStringLiteral("/org/freedesktop/portal/desktop/request/1_1/t%1").arg(nextRequest_++);
    auto request = std::make_unique<PortalRequest>(*this, path);
    bus_.registerObject(path, request.get(), QDBusConnection::ExportAllSlots);
    requests_[path] = std::move(request);
    open.insert(path);
    lastOptions = options;
    calls << QStringLiteral("Inhibit %1 %2").arg(flags).arg(path);
    emit called();
    return QDBusObjectPath(path);
}

void PortalStandIn::Closed(const QString& path) {
    calls << QStringLiteral("Close %1").arg(path);
    open.erase(path);
    emit called();
}

}  // namespace rw::test

#include "DesktopStandIns.moc"
