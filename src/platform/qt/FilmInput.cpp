#include "platform/qt/FilmInput.h"

#include <QContextMenuEvent>
#include <QWheelEvent>

#include "platform/Step.h"

namespace rw {

FilmInput::FilmInput(QWidget* window, QWidget* player, QWidget* logo)
    : QObject(window), window_(window), player_(player), logo_(logo) {}

bool FilmInput::Within(const QObject* watched, const QWidget* area) const {
    if (area == nullptr || !watched->isWidgetType()) return false;
    const auto* widget = static_cast<const QWidget*>(watched);
    return widget == area || area->isAncestorOf(widget);
}

bool FilmInput::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::ContextMenu: {
            // Only the mouse: the keyboard's menu keys are film keys, which
            // the window's key router tells apart from the folder list's
            // and the dialogs'.
            const auto& menu = *static_cast<QContextMenuEvent*>(event);
            if (menu.reason() != QContextMenuEvent::Mouse || !onMenu) return false;
            if (!Within(watched, player_) && !Within(watched, logo_)) return false;
            const QPoint at = menu.globalPos();
            Step([&] { onMenu(at); });
            return true;
        }
        case QEvent::Wheel: {
            if (!onWheel || !Within(watched, player_)) return false;
            const auto& wheel = *static_cast<QWheelEvent*>(event);
            const double notches = wheel.angleDelta().y() / 120.0;
            if (notches == 0) return false;
            Step([&] { onWheel(notches); });
            return true;
        }
        default:
            return false;
    }
}

}  // namespace rw
