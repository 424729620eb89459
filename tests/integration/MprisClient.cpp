#include "MprisClient.h"

#include <QDBusArgument>
#include <QDBusPendingCall>
#include <QDBusVariant>
#include <QTest>

#include "DesktopStandIns.h"

namespace rw::test {
namespace {

const QString kPath = QStringLiteral("/org/mpris/MediaPlayer2");
const QString kProperties = QStringLiteral("org.freedesktop.DBus.Properties");

QVariant Plain(const QVariant& value) {
    if (value.canConvert<QDBusArgument>()) {
        const auto argument = value.value<QDBusArgument>();
        if (argument.currentType() == QDBusArgument::MapType) {
            return qdbus_cast<QVariantMap>(argument);
        }
    }
    return value;
}

}  // namespace

MprisClient::MprisClient(QString service)
    : service_(std::move(service)),
      bus_(QDBusConnection::connectToBus(QDBusConnection::SessionBus,
                                         NewConnectionName("mpris-client"))) {
    bus_.connect(QString(), kPath, kProperties, QStringLiteral("PropertiesChanged"), this,
                 SLOT(OnPropertiesChanged(QString, QVariantMap, QStringList)));
    bus_.connect(QString(), kPath, QString::fromLatin1(kPlayer), QStringLiteral("Seeked"), this,
                 SLOT(OnSeeked(qlonglong)));
}

MprisClient::~MprisClient() { QDBusConnection::disconnectFromBus(bus_.name()); }

QDBusMessage MprisClient::Wait(const QDBusMessage& message) {
    QDBusPendingCall call = bus_.asyncCall(message, 10000);
    if (!QTest::qWaitFor([&] { return call.isFinished(); }, 15000)) {
        return QDBusMessage::createError(QStringLiteral("net.ostrun.Test.NoAnswer"),
                                         QStringLiteral("no answer"));
    }
    return call.reply();
}

QDBusMessage MprisClient::Call(const char* interface, const char* method,
                               const QVariantList& args) {
    auto message = QDBusMessage::createMethodCall(service_, kPath, QString::fromLatin1(interface),
                                                  QString::fromLatin1(method));
    message.setArguments(args);
    return Wait(message);
}

QVariant MprisClient::Get(const char* interface, const char* property) {
    auto message =
        QDBusMessage::createMethodCall(service_, kPath, kProperties, QStringLiteral("Get"));
    message << QString::fromLatin1(interface) << QString::fromLatin1(property);
    const QDBusMessage reply = Wait(message);
    if (reply.type() != QDBusMessage::ReplyMessage) return {};
    return Plain(reply.arguments().value(0).value<QDBusVariant>().variant());
}

bool MprisClient::Set(const char* interface, const char* property, const QVariant& value) {
    auto message =
        QDBusMessage::createMethodCall(service_, kPath, kProperties, QStringLiteral("Set"));
    message << QString::fromLatin1(interface) << QString::fromLatin1(property)
            << QVariant::fromValue(QDBusVariant(value));
    return Wait(message).type() == QDBusMessage::ReplyMessage;
}

bool MprisClient::HasOwner(const QString& name) {
    auto message = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.DBus"), QStringLiteral("/org/freedesktop/DBus"),
        QStringLiteral("org.freedesktop.DBus"), QStringLiteral("NameHasOwner"));
    message << name;
    return Wait(message).arguments().value(0).toBool();
}

QVariantList MprisClient::ChangesOf(const QString& property) const {
    QVariantList values;
    for (const auto& change : changes) {
        if (change.contains(property)) values << Plain(change.value(property));
    }
    return values;
}

void MprisClient::OnPropertiesChanged(const QString& interface, const QVariantMap& changed,
                                      const QStringList&) {
    if (interface == QLatin1String(kPlayer)) changes << changed;
}

void MprisClient::OnSeeked(qlonglong position) { seeks << position; }

}  // namespace rw::test
