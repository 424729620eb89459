// The main window in full screen: no menu bar and no frame, the client area
// over the whole screen. Full screen is no window state of the program's own:
// the window remembers what it was, for the way back and for the settings
// written when it closes.

#include <QAction>
#include <QEvent>
#include <QMenuBar>
#include <QTimer>
#include <QWindowStateChangeEvent>

#include "platform/Step.h"
#include "platform/qt/QtWindow.h"

namespace rw {
namespace {

constexpr Qt::WindowStates kMinimizedOrMaximized = Qt::WindowMinimized | Qt::WindowMaximized;

// How long the window manager gets to put the window back where it was.
constexpr int kSettleMs = 1500;

}  // namespace

void QtWindow::SetFullScreen(bool on) {
    const Qt::WindowStates s = windowState();
    if (s.testFlag(Qt::WindowFullScreen) == on) return;
    if (on) {
        // The frame, while it is still there (some platforms take it away
        // before changeEvent hears of full screen).
        if (!(s & kMinimizedOrMaximized)) NoteNormalFrame();
        setWindowState(s | Qt::WindowFullScreen);
        return;
    }
    // A window maximized before returns maximized; any other, the window
    // manager puts back where it was (see changeEvent).
    Qt::WindowStates back = s & ~Qt::WindowFullScreen;
    if (maximizedUnder_) back |= Qt::WindowMaximized;
    setWindowState(back);
}

void QtWindow::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() != QEvent::WindowStateChange) return;
    // Also when the window manager changed it (a key of its own, a pager).
    const Qt::WindowStates old = static_cast<QWindowStateChangeEvent*>(event)->oldState();
    const bool was = old.testFlag(Qt::WindowFullScreen);
    if (!was && FullScreen()) {
        maximizedUnder_ = old.testFlag(Qt::WindowMaximized);
        if (!(old & kMinimizedOrMaximized)) NoteNormalFrame();
        const QRect normal = normalGeometry();
        fullScreenFrom_.reset();
        if (normal.isValid()) fullScreenFrom_ = normal;
        EndSettling();
    } else if (was && !FullScreen() && !(windowState() & kMinimizedOrMaximized) &&
               fullScreenFrom_) {
        // Until the window manager has put the window back, the layout must
        // not shorten it: its size may still be the screen's, and a window
        // that wide would stay so. The geometry is the manager's to restore:
        // one asked for here would be overtaken by its own on the way.
        settleTo_ = fullScreenFrom_;
        const int serial = ++settleSerial_;
        QTimer::singleShot(kSettleMs, this, [this, serial] {
            if (serial == settleSerial_ && settleTo_) EndSettling();
        });
    }
    SyncFullScreen();
}

void QtWindow::SettleFromFullScreen() {
    if (settleTo_ && geometry() == *settleTo_) EndSettling();
}

void QtWindow::EndSettling() {
    if (!settleTo_) return;
    settleTo_.reset();
    ++settleSerial_;
    // The passes that ran on the way were not allowed to size the window.
    QTimer::singleShot(0, this, [this] {
        if (events_ && !unloaded_ && !FullScreen()) Step([&] { events_->OnResize(); });
    });
}

void QtWindow::NoteNormalFrame() {
    // A window in full screen has no frame: the one it had is kept, so that
    // the normal placement it reports is its outer one.
    const QMargins m = KnownFrameMargins();
    if (!m.isNull()) normalFrame_ = m;
}

QRect QtWindow::NormalOuter() const {
    return (settleTo_ ? *settleTo_ : normalGeometry()).marginsAdded(normalFrame_);
}

void QtWindow::SyncFullScreen() {
    const bool on = FullScreen();
    if (on == fullScreenShown_) return;
    fullScreenShown_ = on;
    // The shortcuts of a hidden menu bar are off: while it is hidden the
    // window itself carries its items, so that Ctrl+T, Ctrl+W, F5 and the
    // others keep working. (One action with one shortcut: never twice.)
    for (int i = 0; i < kMenuItemCount; ++i) {
        QAction* action = menus_->Action(static_cast<Menu>(i));
        if (on)
            addAction(action);
        else
            removeAction(action);
    }
    menuBar()->setVisible(!on);
    emit FullScreenChanged(on);
}

}  // namespace rw
