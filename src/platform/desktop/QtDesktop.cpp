#include "platform/desktop/QtDesktop.h"

#include <QDBusConnection>

#include "platform/Step.h"
#include "platform/desktop/HoldWays.h"
#include "platform/desktop/Mpris.h"

namespace rw {

QtDesktop::QtDesktop(bool sessionBus, MpvPlayer& player, QWidget& window, IDesktopEvents& events,
                     std::function<bool()> windowClosed) {
    std::optional<QDBusConnection> bus;
    if (sessionBus) {
        QDBusConnection session = QDBusConnection::sessionBus();
        if (session.isConnected()) bus = session;
    }
    ways_ = std::make_unique<HoldWays>(bus, [this](bool granted) { hold_->Answered(granted); });
    hold_ = std::make_unique<ScreenHold>(*ways_, ways_->First());
    if (bus)
        mpris_ = std::make_unique<Mpris>(*bus, player, window, events, std::move(windowClosed));
}

QtDesktop::~QtDesktop() {
    Step([this] {
        hold_->Set(false);
        ways_->FinishAsking();
    });
}

void QtDesktop::HoldScreen(bool on) { hold_->Set(on); }

void QtDesktop::FilmChanged() {
    if (mpris_) mpris_->FilmChanged();
}

void QtDesktop::LoopChanged() {
    if (mpris_) mpris_->LoopChanged();
}

}  // namespace rw
