#pragma once

#include <QDBusConnection>
#include <QDBusContext>
#include <QDBusObjectPath>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariantMap>
#include <map>
#include <memory>
#include <set>

namespace rw::test {

// Stand-ins for the desktop's services on a private session bus, each on a
// connection of its own, so that the program's calls travel through the bus
// daemon as they would to a real desktop. Every call is recorded in order.

// org.freedesktop.ScreenSaver at /org/freedesktop/ScreenSaver.
class ScreenSaverStandIn final : public QObject, protected QDBusContext {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.ScreenSaver")

  public:
    // `refuse`: every Inhibit fails with an error, as a broken service's would.
    explicit ScreenSaverStandIn(bool refuse = false);
    ~ScreenSaverStandIn() override;
    bool Registered() const { return registered_; }

    QStringList calls;    // "Inhibit <cookie>", "UnInhibit <cookie>"
    std::set<uint> open;  // cookies not withdrawn yet
    QString lastApplication, lastReason;

  public slots:
    uint Inhibit(const QString& application, const QString& reason);
    void UnInhibit(uint cookie);

  signals:
    void called();

  private:
    QDBusConnection bus_;
    bool refuse_;
    bool registered_ = false;
    uint nextCookie_ = 41;
};

// The desktop portal's Inhibit: org.freedesktop.portal.Desktop at
// /org/freedesktop/portal/desktop, and a request object per grant with
// org.freedesktop.portal.Request.Close.
class PortalStandIn final : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Inhibit")

  public:
    PortalStandIn();
    ~PortalStandIn() override;
    bool Registered() const { return registered_; }

    QStringList calls;       // "Inhibit <flags> <path>", "Close <path>"
    std::set<QString> open;  // request objects not closed yet
    QVariantMap lastOptions;

  public slots:
    QDBusObjectPath Inhibit(const QString& window, uint flags, const QVariantMap& options);

  signals:
    void called();

  private:
    friend class PortalRequest;
    void Closed(const QString& path);

    QDBusConnection bus_;
    bool registered_ = false;
    int nextRequest_ = 1;
    std::map<QString, std::unique_ptr<QObject>> requests_;
};

// The name of a fresh private connection to the session bus.
QString NewConnectionName(const char* purpose);

}  // namespace rw::test
