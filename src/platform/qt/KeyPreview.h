#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>
#include <Qt>
#include <cstdint>
#include <functional>
#include <map>
#include <set>

#include "platform/Window.h"

class QEvent;
class QKeyEvent;
class QObject;
class QWidget;

namespace rw {

// The main window's key router: sees every key event of the program before
// the control with the focus. It tells the logic of the presses of the
// film's keys (while no menu, dialog or focused folder list takes them), of
// the releases of the window's own keys, and of key presses on the folder
// list.
//
// A keystroke is a key's press and release. Its key code and modifiers are
// those of the press: a quick hand often lets go of Ctrl before the letter.
// Keys read as their letter on the Latin layout when a non-Latin layout is
// active, as Qt's menu shortcuts do.
class KeyPreview final {
  public:
    // The Latin-1 keysym that the key with a native scan code gives on a
    // Latin layout; 0 for none. `physical`: as LatinKeysymOf reads it.
    using LatinLookup = std::function<std::uint32_t(std::uint32_t scanCode, bool physical)>;

    // `window`: the main window; `files`: the folder list.
    KeyPreview(const QWidget* window, const QWidget* files);

    // Where the keys go; nullptr for nowhere.
    void SetEvents(IFormEvents* events) { events_ = events; }
    // How keys of non-Latin layouts find their Latin letter; the X server's
    // keyboard unless set.
    void SetLatinLookup(LatinLookup lookup) { latin_ = std::move(lookup); }

    // For the window's event filter over the whole application: true stops
    // the event from reaching `watched`.
    bool Filter(QObject* watched, QEvent* event);

    // The Qt key of a key event as the window reads it: a key of a
    // non-Latin layout as its Latin letter, as Qt's shortcuts read it.
    int LatinKey(const QKeyEvent& event) const { return Read(event, false); }
    // The Qt key of a key event by where the key is: what it gives on the
    // first Latin layout, as the film's keys read it, so that the same keys
    // act on any layout.
    int PhysicalKey(const QKeyEvent& event) const { return Read(event, true); }

  private:
    using KeyHandler = void (IFormEvents::*)(std::int16_t&, std::int16_t);
    using StrokeId = std::uint64_t;
    struct Stroke {
        int key = 0;             // Qt key, Latin where the layout is not
        std::int16_t code = 0;   // the logic's key code; 0 for keys it ignores
        std::int16_t shift = 0;  // 1 Shift, 2 Ctrl, 4 Alt, held at the press
    };
    // One key event on its way: a receiver that ignores it passes the same
    // event on to its parent.
    struct Delivery {
        const QEvent* event = nullptr;
        QPointer<QObject> receiver;
        // Whether `e` is the event last seen, passed on from a child of
        // `to`. (The address alone is not enough: a new event may reuse it.)
        bool Onward(QObject* to, const QEvent* e);
    };

    bool Press(QObject* watched, const QKeyEvent& event);
    bool Release(QObject* watched, const QKeyEvent& event);
    bool Forward(Stroke stroke, KeyHandler handler);
    bool Ours(const QObject* watched) const;
    // No menu, dialog or focused folder list takes keys now.
    bool KeysAreFree() const;
    void MenuClosed();
    int Read(const QKeyEvent& event, bool physical) const;
    static StrokeId IdOf(const QKeyEvent& event);

    const QWidget* window_;
    const QWidget* files_;
    IFormEvents* events_ = nullptr;
    LatinLookup latin_;

    // Keys whose press a menu shortcut took, until their release.
    std::set<int> shortcutKeys_;
    // Keystrokes whose press reached this window, until their release.
    std::map<StrokeId, Stroke> strokes_;
    Delivery press_;
    Stroke pressStroke_;  // of the press being delivered
    Delivery release_;
    // What had the focus before the menu bar took it.
    QPointer<QWidget> focusBeforeBar_;
    // The context of the connections and timers above: they end with it.
    QObject context_;
};

}  // namespace rw
