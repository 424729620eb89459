#include "platform/qt/FilmInput.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>
#include <QWheelEvent>

#include "platform/Keys.h"
#include "platform/Step.h"

namespace rw {
namespace {

// The film's keys as the logic's codes; 0 for the others.
std::int16_t FilmKeyCode(int key) {
    switch (key) {
        case Qt::Key_Space:
            return keys::kSpace;
        case Qt::Key_Left:
            return keys::kLeft;
        case Qt::Key_Right:
            return keys::kRight;
        case Qt::Key_Up:
            return keys::kUp;
        case Qt::Key_Down:
            return keys::kDown;
        case Qt::Key_PageUp:
            return keys::kPageUp;
        case Qt::Key_PageDown:
            return keys::kPageDown;
        case Qt::Key_Backspace:
            return keys::kBackspace;
        case Qt::Key_BracketLeft:
            return keys::kBracketLeft;
        case Qt::Key_BracketRight:
            return keys::kBracketRight;
        case Qt::Key_Comma:
            return keys::kComma;
        case Qt::Key_Period:
            return keys::kPeriod;
        default:
            break;
    }
    if (key >= Qt::Key_A && key <= Qt::Key_Z) return static_cast<std::int16_t>(key);
    return 0;
}

}  // namespace

FilmInput::FilmInput(QWidget* window, const KeyPreview& keys, QWidget* player, QWidget* logo,
                     QWidget* files)
    : QObject(window), window_(window), keys_(keys), player_(player), logo_(logo), files_(files) {
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget* old, QWidget* now) {
        if (qobject_cast<QMenuBar*>(now) != nullptr && old != nullptr &&
            qobject_cast<QMenuBar*>(old) == nullptr && old->window() == window_)
            focusBeforeBar_ = old;
    });
}

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
    // (Keys reach the main window only while it is active; asking Qt
    // whether it is active races with the window manager's activation.)
    if (!window_) return false;
    // The menu bar while it is worked with the keyboard (after Alt, a title
    // lit). It may keep the focus after that, when nothing had it before.
    if (const auto* bar = qobject_cast<QMenuBar*>(QApplication::focusWidget()))
        if (bar->activeAction() != nullptr) return false;
    return !(files_ && files_->isVisible() && files_->hasFocus());
}

QPoint FilmInput::MovieCentre() const {
    const QWidget* over = player_ && player_->isVisible() ? player_.data() : logo_.data();
    if (over == nullptr || !over->isVisible()) over = window_;
    return over->mapToGlobal(over->rect().center());
}

void FilmInput::MenuClosed() {
    // Qt leaves the menu bar in its keyboard mode, a title lit, when a menu
    // opened from it closes with Escape or after a choice. Once no menu is
    // open the keys are the film's again: the bar leaves that mode as it
    // does when it loses the focus, which goes back to where it was.
    if (QApplication::activePopupWidget() != nullptr || !window_) return;
    auto* bar = qobject_cast<QMenuBar*>(QApplication::focusWidget());
    if (bar == nullptr || bar->window() != window_ || bar->activeAction() == nullptr) return;
    if (focusBeforeBar_ && focusBeforeBar_->window() == window_ && focusBeforeBar_->isVisible())
        focusBeforeBar_->setFocus(Qt::MenuBarFocusReason);
    else
        bar->clearFocus();
}

bool FilmInput::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Hide && qobject_cast<QMenu*>(watched) != nullptr) {
        // After the hide is done, and after another menu of the bar (Left,
        // Right) has opened in its place.
        QTimer::singleShot(0, this, [this] { Step([&] { MenuClosed(); }); });
        return false;
    }
    if (!InWindow(watched)) return false;
    switch (event->type()) {
        case QEvent::ContextMenu: {
            // Only the mouse: the keyboard's menu keys are taken at their
            // press below, where the folder list and dialogs are told apart.
            const auto& menu = *static_cast<QContextMenuEvent*>(event);
            if (menu.reason() != QContextMenuEvent::Mouse || !onMenu) return false;
            if (!Within(watched, player_) && !Within(watched, logo_)) return false;
            const QPoint at = menu.globalPos();
            Step([&] { onMenu(at); });
            return true;
        }
        case QEvent::KeyPress: {
            const auto& key = *static_cast<QKeyEvent*>(event);
            // Keypad keys count as the keys they are.
            const Qt::KeyboardModifiers modifiers = key.modifiers() & ~Qt::KeypadModifier;
            const bool menuKey = key.key() == Qt::Key_Menu ||
                                 (key.key() == Qt::Key_F10 && modifiers == Qt::ShiftModifier);
            if (!KeysAreOurs()) return false;
            if (menuKey) {
                if (key.isAutoRepeat() || !onMenu) return false;
                const QPoint at = MovieCentre();
                Step([&] { onMenu(at); });
                return true;
            }
            const std::int16_t code = FilmKeyCode(keys_.PhysicalKey(key));
            if (code == 0 || !onKey) return false;
            bool acted = false;
            Step([&] { acted = onKey(code, KeyPreview::ModifierBits(modifiers)); });
            return acted;
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
