#include "platform/qt/FilmInput.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>

#include "platform/Step.h"

namespace rw {

FilmInput::FilmInput(QWidget* window, QWidget* player, QWidget* logo, QWidget* files)
    : QObject(window), window_(window), player_(player), logo_(logo), files_(files) {}

bool FilmInput::InWindow(const QObject* watched) const {
    return watched->isWidgetType() && window_ &&
           static_cast<const QWidget*>(watched)->window() == window_;
}

bool FilmInput::Within(const QObject* watched, const QWidget* area) const {
    if (area == nullptr || !watched->isWidgetType()) return false;
    const auto* widget = static_cast<const QWidget*>(watched);
    return widget == area || area->isAncestorOf(widget);
}

bool FilmInput::KeysAreOurs() const {
    if (QApplication::activePopupWidget() != nullptr) return false;
    if (QApplication::activeModalWidget() != nullptr) return false;
    if (!window_ || !window_->isActiveWindow()) return false;
    return !(files_ && files_->isVisible() && files_->hasFocus());
}

QPoint FilmInput::MovieCentre() const {
    const QWidget* over = player_ && player_->isVisible() ? player_.data() : logo_.data();
    if (over == nullptr || !over->isVisible()) over = window_;
    return over->mapToGlobal(over->rect().center());
}

bool FilmInput::eventFilter(QObject* watched, QEvent* event) {
    if (!onMenu || !InWindow(watched)) return false;
    switch (event->type()) {
        case QEvent::ContextMenu: {
            // Only the mouse: the keyboard's menu keys are taken at their
            // press below, where the folder list and dialogs are told apart.
            const auto& menu = *static_cast<QContextMenuEvent*>(event);
            if (menu.reason() != QContextMenuEvent::Mouse) return false;
            if (!Within(watched, player_) && !Within(watched, logo_)) return false;
            const QPoint at = menu.globalPos();
            Step([&] { onMenu(at); });
            return true;
        }
        case QEvent::KeyPress: {
            const auto& key = *static_cast<QKeyEvent*>(event);
            const bool menuKey = key.key() == Qt::Key_Menu ||
                                 (key.key() == Qt::Key_F10 && key.modifiers() == Qt::ShiftModifier);
            if (!menuKey || key.isAutoRepeat() || !KeysAreOurs()) return false;
            const QPoint at = MovieCentre();
            Step([&] { onMenu(at); });
            return true;
        }
        default:
            return false;
    }
}

}  // namespace rw
