#pragma once

#include <QDBusConnection>
#include <QDBusPendingCallWatcher>
#include <QObject>
#include <QString>
#include <functional>
#include <optional>

#include "platform/desktop/ScreenHold.h"
#include "platform/desktop/X11ScreenSaver.h"

namespace rw {

// The ways of ScreenHold on this desktop. Bus calls are asynchronous, so the
// GUI thread never waits for a service; their answers come through
// `answer`. Without a bus, only the X screen saver is there.
class HoldWays final : public QObject, public IHoldWays {
  public:
    HoldWays(std::optional<QDBusConnection> bus, std::function<void(bool granted)> answer);
    ~HoldWays() override;

    // The first way worth trying here.
    HoldWay First() const;

    void Ask(HoldWay way) override;
    void Withdraw(HoldWay way) override;

    // At exit: waits for the answer to a request still out (bounded by the
    // answer's timeout), so that a hold granted just now can be withdrawn.
    void FinishAsking();

  private:
    void Call(const QDBusMessage& message, HoldWay way);
    void Take(const QDBusMessage& reply, HoldWay way);

    std::optional<QDBusConnection> bus_;
    std::function<void(bool)> answer_;
    // The request that is out, and the way it asks.
    QDBusPendingCallWatcher* asking_ = nullptr;
    HoldWay askingWay_ = HoldWay::None;
    X11ScreenSaver x11_;
    // What a granted request gave, to withdraw it with.
    std::uint32_t cookie_ = 0;  // the screen saver service's
    QString request_;           // the portal's request object
};

}  // namespace rw
