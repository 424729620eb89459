#include "platform/desktop/HoldWays.h"

#include <QCoreApplication>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QVariantMap>
#include <utility>

#include "AppInfo.h"
#include "platform/Step.h"

namespace rw {
namespace {

// Why the screen stays on, as the desktop shows it (a logout dialog lists
// what holds it back, and why).
constexpr const char* kReason = QT_TRANSLATE_NOOP("Desktop", "Playing a movie");

// org.freedesktop.ScreenSaver: Inhibit(application, reason) -> cookie,
// UnInhibit(cookie). Desktops own it under this name and path.
const QString kSaverService = QStringLiteral("org.freedesktop.ScreenSaver");
const QString kSaverPath = QStringLiteral("/org/freedesktop/ScreenSaver");
const QString kSaverInterface = QStringLiteral("org.freedesktop.ScreenSaver");

// The desktop portal: Inhibit(window, flags, options) -> request object,
// whose Close() withdraws it. Flag 8 asks that the session not go idle.
const QString kPortalService = QStringLiteral("org.freedesktop.portal.Desktop");
const QString kPortalPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString kPortalInterface = QStringLiteral("org.freedesktop.portal.Inhibit");
const QString kRequestInterface = QStringLiteral("org.freedesktop.portal.Request");
constexpr std::uint32_t kInhibitIdle = 8;

// A service that does not answer in this time counts as absent, and the
// next way takes over. Desktop services answer in milliseconds; the bound
// also keeps an exit that waits for an answer (FinishAsking) short.
constexpr int kAnswerTimeoutMs = 2000;

}  // namespace

HoldWays::HoldWays(std::optional<QDBusConnection> bus, std::function<void(bool)> answer)
    : bus_(std::move(bus)), answer_(std::move(answer)) {}

HoldWays::~HoldWays() = default;

HoldWay HoldWays::First() const {
    if (bus_ && bus_->isConnected()) return HoldWay::ScreenSaver;
    return x11_.Available() ? HoldWay::X11 : HoldWay::None;
}

void HoldWays::Ask(HoldWay way) {
    switch (way) {
        case HoldWay::ScreenSaver: {
            auto message = QDBusMessage::createMethodCall(
                kSaverService, kSaverPath, kSaverInterface, QStringLiteral("Inhibit"));
            message << QString::fromUtf8(kAppTitle)
                    << QCoreApplication::translate("Desktop", kReason);
            Call(message, way);
            return;
        }
        case HoldWay::Portal: {
            auto message = QDBusMessage::createMethodCall(
                kPortalService, kPortalPath, kPortalInterface, QStringLiteral("Inhibit"));
            const QVariantMap options{
                {QStringLiteral("reason"), QCoreApplication::translate("Desktop", kReason)}};
            message << QString() << kInhibitIdle << options;
            Call(message, way);
            return;
        }
        case HoldWay::X11:
            x11_.Start();
            answer_(x11_.Running());
            return;
        case HoldWay::None:
            break;
    }
    answer_(false);
}

void HoldWays::Call(const QDBusMessage& message, HoldWay way) {
    if (!bus_ || !bus_->isConnected()) {
        answer_(false);
        return;
    }
    asking_ = new QDBusPendingCallWatcher(bus_->asyncCall(message, kAnswerTimeoutMs), this);
    askingWay_ = way;
    connect(asking_, &QDBusPendingCallWatcher::finished, this,
            [this](QDBusPendingCallWatcher* done) {
                if (done != asking_) return;
                asking_ = nullptr;
                done->deleteLater();
                Step([&] { Take(done->reply(), askingWay_); });
            });
}

void HoldWays::FinishAsking() {
    if (asking_ == nullptr) return;
    QDBusPendingCallWatcher* done = std::exchange(asking_, nullptr);
    done->waitForFinished();
    const QDBusMessage reply = done->reply();
    delete done;
    Take(reply, askingWay_);
}

void HoldWays::Take(const QDBusMessage& reply, HoldWay way) {
    const QVariant first = reply.arguments().value(0);
    bool granted = false;
    if (reply.type() == QDBusMessage::ReplyMessage) {
        if (way == HoldWay::ScreenSaver && first.canConvert<std::uint32_t>()) {
            cookie_ = first.value<std::uint32_t>();
            granted = true;
        } else if (way == HoldWay::Portal && first.canConvert<QDBusObjectPath>()) {
            request_ = first.value<QDBusObjectPath>().path();
            granted = true;
        }
    }
    answer_(granted);
}

// Withdrawals need no answer: nothing would be done with one. QtDBus's own
// thread writes them out at once, so one made at exit reaches the service
// before the program's connection closes.
void HoldWays::Withdraw(HoldWay way) {
    switch (way) {
        case HoldWay::ScreenSaver:
            if (bus_) {
                auto message = QDBusMessage::createMethodCall(
                    kSaverService, kSaverPath, kSaverInterface, QStringLiteral("UnInhibit"));
                message << cookie_;
                bus_->send(message);
            }
            return;
        case HoldWay::Portal:
            if (bus_ && !request_.isEmpty()) {
                bus_->send(QDBusMessage::createMethodCall(
                    kPortalService, request_, kRequestInterface, QStringLiteral("Close")));
            }
            request_.clear();
            return;
        case HoldWay::X11:
            x11_.Stop();
            return;
        case HoldWay::None:
            return;
    }
}

}  // namespace rw
