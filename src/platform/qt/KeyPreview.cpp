#include "platform/qt/KeyPreview.h"

#include <QKeyEvent>
#include <QShortcutEvent>
#include <QWidget>

#include "platform/Keys.h"
#include "platform/Step.h"
#include "platform/qt/LatinKeys.h"

namespace rw {
namespace {

// Qt keys as the logic's key codes (platform/Keys.h); 0 for keys the logic
// never looks at.
std::int16_t KeyCodeOf(int key) {
    if (key == Qt::Key_Return || key == Qt::Key_Enter) return keys::kEnter;
    if (key == Qt::Key_Escape) return keys::kEscape;
    if (key == Qt::Key_F11) return keys::kF11;
    if ((key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9))
        return static_cast<std::int16_t>(key);
    return 0;
}

}  // namespace

std::int16_t KeyPreview::ModifierBits(Qt::KeyboardModifiers m) {
    return static_cast<std::int16_t>((m & Qt::ShiftModifier ? keys::kShift : 0) |
                                     (m & Qt::ControlModifier ? keys::kCtrl : 0) |
                                     (m & Qt::AltModifier ? keys::kAlt : 0));
}

bool KeyPreview::Delivery::Onward(QObject* to, const QEvent* e) {
    const bool onward = e == event && receiver && to == receiver->parent();
    event = e;
    receiver = to;
    return onward;
}

KeyPreview::KeyPreview(const QWidget* window, const QObject* files)
    : window_(window), files_(files), latin_(&LatinKeysymOnX) {}

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
