#include "platform/desktop/Mpris.h"

#include <unistd.h>

#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QWidget>

#include "AppInfo.h"
#include "DesktopMimeTypes.h"
#include "platform/Step.h"
#include "platform/desktop/MprisAdaptors.h"
#include "platform/desktop/MprisValues.h"
#include "platform/mpv/MpvPlayer.h"
#include "platform/mpv/pure/References.h"

namespace rw {
namespace {

const QString kBusService = QStringLiteral("org.freedesktop.DBus");
const QString kBusPath = QStringLiteral("/org/freedesktop/DBus");
const QString kPlayerInterface = QStringLiteral("org.mpris.MediaPlayer2.Player");
// RequestName: fail rather than wait in line for a name another copy holds;
// the answer when it is ours.
constexpr std::uint32_t kDoNotQueue = 4;
constexpr std::uint32_t kPrimaryOwner = 1;

QString Text(const std::string& bytes) {
    return QString::fromUtf8(bytes.data(), qsizetype(bytes.size()));
}

}  // namespace

QString MprisRootAdaptor::Identity() const { return QString::fromUtf8(kAppTitle); }

QString MprisRootAdaptor::DesktopEntry() const { return QString::fromUtf8(kDesktopId); }

QStringList MprisRootAdaptor::SupportedUriSchemes() const {
    QStringList schemes;
    for (const auto scheme : AllowedSchemes()) {
        schemes << QString::fromLatin1(scheme.data(), qsizetype(scheme.size()));
    }
    return schemes;
}

QStringList MprisRootAdaptor::SupportedMimeTypes() const {
    QStringList types;
    for (const char* type : kDesktopMimeTypes) types << QString::fromLatin1(type);
    return types;
}

MprisPlayerAdaptor::MprisPlayerAdaptor(Mpris& mpris) : QDBusAbstractAdaptor(&mpris), mpris_(mpris) {
    connect(&mpris, &Mpris::Seeked, this, &MprisPlayerAdaptor::Seeked);
}

Mpris::Mpris(QDBusConnection bus, MpvPlayer& player, QWidget& window, IDesktopEvents& events,
             std::function<bool()> closed)
    : bus_(std::move(bus)),
      player_(player),
      window_(window),
      events_(events),
      closed_(std::move(closed)) {
    new MprisRootAdaptor(*this);
    new MprisPlayerAdaptor(*this);
    connect(&player_, &MpvPlayer::PlaybackChanged, this, &Mpris::Notify);
    connect(&player_, &MpvPlayer::LoadChanged, this, &Mpris::Notify);
    connect(&player_, &MpvPlayer::SpeedChanged, this, &Mpris::Notify);
    connect(&player_, &MpvPlayer::Seeked, this,
            [this](double seconds) { emit Seeked(ToMicroseconds(seconds)); });
    sent_ = PlayerState();
    // The object is in place before the name is, so that a widget that sees
    // the name appear finds everything behind it.
    if (bus_.registerObject(QString::fromLatin1(kObjectPath), this,
                            QDBusConnection::ExportAdaptors)) {
        AskForName(QString::fromLatin1(kBaseName), false);
    }
}

Mpris::~Mpris() {
    bus_.unregisterObject(QString::fromLatin1(kObjectPath));
    if (!name_.isEmpty()) {
        auto release = QDBusMessage::createMethodCall(kBusService, kBusPath, kBusService,
                                                      QStringLiteral("ReleaseName"));
        release << name_;
        bus_.send(release);
    }
}

// Asked without waiting: the answer comes on a later turn of the event loop.
// A name another copy of the program holds is asked for again with this
// process's own suffix.
void Mpris::AskForName(const QString& name, bool last) {
    auto request = QDBusMessage::createMethodCall(kBusService, kBusPath, kBusService,
                                                  QStringLiteral("RequestName"));
    request << name << kDoNotQueue;
    auto* watcher = new QDBusPendingCallWatcher(bus_.asyncCall(request), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this,
            [this, name, last](QDBusPendingCallWatcher* done) {
                done->deleteLater();
                const QDBusMessage reply = done->reply();
                if (reply.type() == QDBusMessage::ReplyMessage &&
                    reply.arguments().value(0).toUInt() == kPrimaryOwner) {
                    name_ = name;
                } else if (!last) {
                    AskForName(name + QStringLiteral(".instance%1").arg(::getpid()), true);
                }
            });
}

void Mpris::Later(std::function<void()> command) {
    QMetaObject::invokeMethod(
        this,
        [this, command = std::move(command)] {
            if (!closed_()) Step(command);
        },
        Qt::QueuedConnection);
}

bool Mpris::Playing() const {
    return player_.HasMovie() && !player_.IsPaused() && !player_.IsAtEnd();
}

QString Mpris::TrackId() const {
    if (player_.Reference().empty()) return QString::fromLatin1(kNoTrack);
    return QString::fromStdString(TrackIdOf(player_.LoadSerial()));
}

void Mpris::Raise() {
    Later([this] {
        window_.setWindowState(window_.windowState() & ~Qt::WindowMinimized);
        window_.show();
        window_.raise();
        window_.activateWindow();
    });
}

void Mpris::Quit() {
    Later([this] { events_.OnQuit(); });
}

QString Mpris::PlaybackStatus() const {
    return QString::fromLatin1(
        StatusText(StatusOf(player_.HasMovie(), player_.IsPaused(), player_.IsAtEnd())));
}

QString Mpris::LoopStatus() const {
    bool on = false;
    Step([&] { on = events_.LoopOn(); });
    return QString::fromLatin1(LoopStatusOf(on));
}

void Mpris::SetLoopStatus(const QString& status) {
    const auto on = LoopOfStatus(status.toStdString());
    if (on) Later([this, value = *on] { events_.OnLoop(value); });
}

QVariantMap Mpris::Metadata() const {
    QVariantMap data{
        {QStringLiteral("mpris:trackid"), QVariant::fromValue(QDBusObjectPath(TrackId()))}};
    const std::string reference = player_.Reference();
    if (reference.empty()) return data;
    if (player_.Duration() > 0) {
        data.insert(QStringLiteral("mpris:length"), qlonglong(ToMicroseconds(player_.Duration())));
    }
    data.insert(QStringLiteral("xesam:title"), Text(TitleOf(reference, player_.MediaTitle())));
    const std::string url = UrlOf(reference);
    if (!url.empty()) data.insert(QStringLiteral("xesam:url"), Text(url));
    return data;
}

double Mpris::Volume() const { return VolumeOfPercent(player_.Volume()); }

void Mpris::SetVolume(double volume) {
    if (const auto percent = VolumePercentOf(volume)) {
        Later([this, value = *percent] { events_.OnVolume(value); });
    }
}

double Mpris::Rate() const { return player_.Speed(); }

void Mpris::SetRate(double rate) {
    Later([this, rate] { events_.OnRate(rate); });
}

bool Mpris::CanGoNext() const {
    bool can = false;
    Step([&] { can = events_.CanGoNext(); });
    return can;
}

bool Mpris::CanGoPrevious() const {
    bool can = false;
    Step([&] { can = events_.CanGoPrevious(); });
    return can;
}

void Mpris::Next() {
    Later([this] { events_.OnNext(); });
}

void Mpris::Previous() {
    Later([this] { events_.OnPrevious(); });
}

qlonglong Mpris::Position() const { return ToMicroseconds(player_.Position()); }

bool Mpris::CanPlay() const { return !player_.Reference().empty(); }

bool Mpris::CanSeek() const { return player_.HasMovie() && player_.Duration() > 0; }

void Mpris::Play() {
    Later([this] { events_.OnPlay(); });
}

void Mpris::Pause() {
    Later([this] { events_.OnPause(); });
}

// Decided when it runs, on the state then.
void Mpris::PlayPause() {
    Later([this] {
        if (Playing()) {
            events_.OnPause();
        } else {
            events_.OnPlay();
        }
    });
}

void Mpris::Stop() {
    Later([this] { events_.OnStop(); });
}

void Mpris::Seek(qlonglong offsetUs) {
    if (!CanSeek()) return;
    const double target = SeekTarget(player_.Position(), offsetUs, player_.Duration());
    Later([this, target] { events_.OnSeek(target); });
}

void Mpris::SetPosition(const QString& trackId, qlonglong positionUs) {
    if (!CanSeek() || trackId != TrackId()) return;
    if (const auto target = PositionTarget(positionUs, player_.Duration())) {
        Later([this, value = *target] { events_.OnSeek(value); });
    }
}

// Nothing of the reference is read here: OpenMovie and the player apply the
// same rules as on every other way in (refused schemes, folders, devices).
void Mpris::OpenUri(const QString& uri) {
    const QByteArray bytes = uri.toUtf8();
    std::string reference =
        ReferenceOfUri(std::string_view(bytes.constData(), std::size_t(bytes.size())));
    Later([this, reference = std::move(reference)] { events_.OnOpen(reference); });
}

QVariantMap Mpris::PlayerState() const {
    return {
        {QStringLiteral("PlaybackStatus"), PlaybackStatus()},
        {QStringLiteral("LoopStatus"), LoopStatus()},
        {QStringLiteral("Metadata"), Metadata()},
        {QStringLiteral("Volume"), Volume()},
        {QStringLiteral("CanPlay"), CanPlay()},
        {QStringLiteral("CanPause"), CanPlay()},
        {QStringLiteral("CanSeek"), CanSeek()},
        {QStringLiteral("Rate"), Rate()},
        {QStringLiteral("CanGoNext"), CanGoNext()},
        {QStringLiteral("CanGoPrevious"), CanGoPrevious()},
    };
}

void Mpris::Notify() {
    Step([this] {
        const QVariantMap now = PlayerState();
        QVariantMap changed;
        for (auto it = now.begin(); it != now.end(); ++it) {
            if (sent_.value(it.key()) != it.value()) changed.insert(it.key(), it.value());
        }
        sent_ = now;
        if (changed.isEmpty()) return;
        auto signal = QDBusMessage::createSignal(QString::fromLatin1(kObjectPath),
                                                 QStringLiteral("org.freedesktop.DBus.Properties"),
                                                 QStringLiteral("PropertiesChanged"));
        signal << kPlayerInterface << changed << QStringList();
        bus_.send(signal);
    });
}

}  // namespace rw
