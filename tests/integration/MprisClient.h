#pragma once

#include <QDBusConnection>
#include <QDBusMessage>
#include <QObject>
#include <QStringList>
#include <QVariant>
#include <QVariantList>
#include <QVariantMap>

namespace rw::test {

// A media widget's side of MPRIS 2, on a connection of its own. Calls wait
// for their answer while the event loop runs, since the player answers from
// this same thread.
class MprisClient final : public QObject {
    Q_OBJECT

  public:
    static constexpr const char* kPlayer = "org.mpris.MediaPlayer2.Player";
    static constexpr const char* kRoot = "org.mpris.MediaPlayer2";

    explicit MprisClient(QString service = QStringLiteral("org.mpris.MediaPlayer2.reelwick"));
    ~MprisClient() override;

    QDBusMessage Call(const char* interface, const char* method, const QVariantList& args = {});
    // A property's value; an a{sv} comes as a QVariantMap. Invalid on error.
    QVariant Get(const char* interface, const char* property);
    bool Set(const char* interface, const char* property, const QVariant& value);
    bool HasOwner(const QString& name);

    // What the player announced, in order: the changed Player properties of
    // each PropertiesChanged, and the positions of Seeked.
    QList<QVariantMap> changes;
    QList<qlonglong> seeks;
    // The values a property took in `changes`, in order.
    QVariantList ChangesOf(const QString& property) const;

  private slots:
    void OnPropertiesChanged(const QString& interface, const QVariantMap& changed,
                             const QStringList& invalidated);
    void OnSeeked(qlonglong position);

  private:
    QDBusMessage Wait(const QDBusMessage& message);

    QString service_;
    QDBusConnection bus_;
};

}  // namespace rw::test
