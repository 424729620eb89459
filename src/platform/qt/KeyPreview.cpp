#include "platform/qt/KeyPreview.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QShortcutEvent>
#include <QTimer>
#include <QWidget>

#include "platform/Keys.h"
#include "platform/Step.h"
#include "platform/qt/LatinKeys.h"
#include "platform/qt/QtKeys.h"

namespace rw {

bool KeyPreview::Delivery::Onward(QObject* to, const QEvent* e) {
    const bool onward = e == event && receiver && to == receiver->parent();
    event = e;
    receiver = to;
    return onward;
}

KeyPreview::KeyPreview(const QWidget* window, const QWidget* files)
    : window_(window), files_(files), latin_(&LatinKeysymOnX) {
    QObject::connect(qApp, &QApplication::focusChanged, &context_,
                     [this](QWidget* old, QWidget* now) {
                         if (qobject_cast<QMenuBar*>(now) != nullptr && old != nullptr &&
                             qobject_cast<QMenuBar*>(old) == nullptr && old->window() == window_)
                             focusBeforeBar_ = old;
                     });
}

bool KeyPreview::Filter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::Shortcut: {  // a menu shortcut took a key press
            const QKeySequence& keys = static_cast<QShortcutEvent*>(event)->key();
            if (!keys.isEmpty()) shortcutKeys_.insert(keys[keys.count() - 1].key());
            return false;
        }
        case QEvent::KeyPress:
            return Press(watched, *static_cast<QKeyEvent*>(event));
        case QEvent::KeyRelease:
            return Release(watched, *static_cast<QKeyEvent*>(event));
        case QEvent::Hide:
            // After the hide is done, and after another menu of the bar
            // (Left, Right) has opened in its place.
            if (qobject_cast<QMenu*>(watched) != nullptr)
                QTimer::singleShot(0, &context_, [this] { Step([&] { MenuClosed(); }); });
            return false;
        default:
            return false;
    }
}

bool KeyPreview::Press(QObject* watched, const QKeyEvent& event) {
    // Also delivered to the native window first, and then to the focused
    // widget, which is where the stroke is counted.
    if (!watched->isWidgetType()) return false;
    if (!press_.Onward(watched, &event)) {
        const int key = LatinKey(event);
        pressStroke_ = {key, KeyCodeOf(key), ModifierBits(event.modifiers())};
        if (!event.isAutoRepeat()) shortcutKeys_.erase(key);  // no shortcut took it
        const StrokeId id = IdOf(event);
        // The film's keys, on their press: a key that runs a command is not
        // a stroke of the window's, and the focused control never sees it.
        if (Ours(watched) && KeysAreFree() && events_) {
            const std::int16_t code = KeyCodeOf(PhysicalKey(event));
            const auto shift = ModifierBits(event.modifiers() & ~Qt::KeypadModifier);
            bool acted = false;
            if (code != 0) Step([&] { acted = events_->OnKeyDown(code, shift); });
            if (acted) {
                strokes_.erase(id);
                return true;
            }
        }
        if (!Ours(watched))
            strokes_.erase(id);
        else if (event.isAutoRepeat())
            strokes_.try_emplace(id, pressStroke_);  // held: the modifiers it went down with
        else
            strokes_.insert_or_assign(id, pressStroke_);
    }
    if (watched == files_) return Forward(pressStroke_, &IFormEvents::OnFilesKeyDown);
    return false;
}

bool KeyPreview::Release(QObject* watched, const QKeyEvent& event) {
    if (!watched->isWidgetType()) return false;
    // The logic hears of a release once, at its first delivery.
    if (release_.Onward(watched, &event)) return false;
    const bool ours = Ours(watched);
    const auto stroke = strokes_.find(IdOf(event));
    const int key = stroke != strokes_.end() ? stroke->second.key : LatinKey(event);
    // The press ran a menu command: no key-up command as well (one Ctrl+C,
    // one toggle), and nothing for the control that never saw the press.
    if (shortcutKeys_.contains(key)) {
        if (!event.isAutoRepeat()) shortcutKeys_.erase(key);
        return ours;
    }
    if (event.isAutoRepeat()) return false;
    // A stroke that began elsewhere (Enter choosing a menu item or closing a
    // dialog) is not one of the window's own keys.
    if (stroke == strokes_.end()) return false;
    const Stroke done = stroke->second;
    strokes_.erase(stroke);
    return ours && Forward(done, &IFormEvents::OnKeyUp);
}

bool KeyPreview::Forward(Stroke stroke, KeyHandler handler) {
    std::int16_t code = stroke.code;
    if (code == 0 || !events_) return false;
    Step([&] { (events_->*handler)(code, stroke.shift); });
    return code == 0;  // consumed: the focused control never sees it
}

bool KeyPreview::KeysAreFree() const {
    if (QApplication::activePopupWidget() != nullptr) return false;
    if (QApplication::activeModalWidget() != nullptr) return false;
    // The menu bar while it is worked with the keyboard (after Alt, a title
    // lit). It may keep the focus after that, when nothing had it before.
    if (const auto* bar = qobject_cast<QMenuBar*>(QApplication::focusWidget()))
        if (bar->activeAction() != nullptr) return false;
    return !(files_ != nullptr && files_->isVisible() && files_->hasFocus());
}

void KeyPreview::MenuClosed() {
    // Qt leaves the menu bar in its keyboard mode, a title lit, when a menu
    // opened from it closes with Escape or after a choice. Once no menu is
    // open the keys are the film's again: the bar leaves that mode as it
    // does when it loses the focus, which goes back to where it was.
    if (QApplication::activePopupWidget() != nullptr) return;
    auto* bar = qobject_cast<QMenuBar*>(QApplication::focusWidget());
    if (bar == nullptr || bar->window() != window_ || bar->activeAction() == nullptr) return;
    if (focusBeforeBar_ && focusBeforeBar_->window() == window_ && focusBeforeBar_->isVisible())
        focusBeforeBar_->setFocus(Qt::MenuBarFocusReason);
    else
        bar->clearFocus();
}

bool KeyPreview::Ours(const QObject* watched) const {
    return watched->isWidgetType() && static_cast<const QWidget*>(watched)->window() == window_;
}

int KeyPreview::Read(const QKeyEvent& event, bool physical) const {
    const int key = event.key();
    // Keys that are no character at all read the same on every layout, and
    // so do Latin-1 characters but where the key's place counts. (With Ctrl
    // held Qt already reads a key as Latin.)
    if ((key <= 0xff && !physical) || key >= Qt::Key_Escape || !latin_ ||
        event.nativeScanCode() == 0)
        return key;
    std::uint32_t sym = 0;
    if (!Step([&] { sym = latin_(event.nativeScanCode(), physical); }) || sym < 0x20 || sym > 0xff)
        return key;
    return QChar(static_cast<char16_t>(sym)).toUpper().unicode();
}

KeyPreview::StrokeId KeyPreview::IdOf(const QKeyEvent& event) {
    // The physical key where the platform names it: its Qt key may change
    // between press and release (a Cyrillic letter reads as Latin only while
    // Ctrl is held).
    if (event.nativeScanCode() != 0) return (StrokeId{1} << 32) | event.nativeScanCode();
    return static_cast<std::uint32_t>(event.key());
}

}  // namespace rw
