#include "platform/qt/QtWindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMenuBar>
#include <QMimeData>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <QWindow>
#include <cmath>

#include "AppInfo.h"
#include "platform/Step.h"
#include "platform/qt/LogoWidget.h"
#include "platform/qt/NativeNames.h"
#include "platform/qt/QtMenus.h"
#include "platform/qt/Text.h"

// The icons and the logo are linked in from a static library; naming the
// resource keeps the linker from dropping it. (Not allowed inside a namespace.)
static void InitResources() { Q_INIT_RESOURCE(reelwick); }

namespace rw {
namespace {

constexpr int kMaxWindowSide = 32767;
constexpr int kMaxWindowPosition = 1000000;
constexpr double kMaxPixels = 1e7;
constexpr int kUsualTitleBar = 30;
constexpr Qt::WindowStates kNotNormal =
    Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen;

// The client area: a plain black surface under the absolutely placed
// controls. Painted rather than set by palette, so the black does not spread
// to the list's scroll bars and the player.
class ClientArea final : public QWidget {
  public:
    using QWidget::QWidget;

  protected:
    void paintEvent(QPaintEvent*) override { QPainter(this).fillRect(rect(), Qt::black); }
};

int Pixels(double twips, double twipsPerPixel) {
    const double px = std::round(twips / twipsPerPixel);
    if (!std::isfinite(px) || std::abs(px) > kMaxPixels)
        throw PlatformError(Service::Window, "coordinate out of range");
    return static_cast<int>(px);
}

QRect PrimaryScreen() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) throw PlatformError(Service::Window, "no screen");
    return screen->geometry();
}

double TwipsPerPixel(const QWidget* widget, bool horizontal) {
    const QScreen* screen = widget->screen();
    if (!screen) screen = QGuiApplication::primaryScreen();
    if (!screen) throw PlatformError(Service::Window, "no screen");
    const double dpi = horizontal ? screen->logicalDotsPerInchX() : screen->logicalDotsPerInchY();
    if (!(dpi > 0)) throw PlatformError(Service::Window, "no screen resolution");
    return 1440.0 / dpi;
}

// One of the window's starting sizes, given in twips, in pixels of its
// screen: 15 twips a pixel at 96 dpi. Qt usually meets a dense screen with a
// device pixel ratio and keeps 96 logical dpi; where it reports the screen's
// own dpi instead (QT_ENABLE_HIGHDPI_SCALING=0), the window still starts as
// large on the screen.
int StartPixels(const QWidget* widget, double twips, bool horizontal) {
    try {
        return Pixels(twips, TwipsPerPixel(widget, horizontal));
    } catch (const PlatformError&) {
        return Pixels(twips, 15);
    }
}

}  // namespace

QtWindow::QtWindow(QWidget* player, QWidget* parent)
    : QMainWindow(parent),
      client_(new ClientArea(this)),
      player_(player ? player : new QWidget),
      logo_(nullptr),
      files_(new FileList(client_)) {
    static const bool resources = (InitResources(), true);
    Q_UNUSED(resources);
    setObjectName(QStringLiteral("formReelwick"));
    setWindowTitle(QString::fromUtf8(kAppTitle));
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/%1.png").arg(size), QSize(size, size));
    setWindowIcon(icon);

    // The menu stays inside the window, also where the desktop offers a
    // global menu: the window's outer size includes it.
    menuBar()->setNativeMenuBar(false);
    menus_ = std::make_unique<QtMenus>(menuBar(), [this](Menu item) {
        if (events_) events_->OnMenu(item);
    });

    client_->setObjectName(QStringLiteral("client"));
    setCentralWidget(client_);
    logo_ = new LogoWidget(client_);  // after the resources are registered
    // 111, 120, 107 by 104 pixels at 96 dpi.
    logo_->setGeometry(StartPixels(this, 1665, true), StartPixels(this, 1800, false),
                       StartPixels(this, 1605, true), StartPixels(this, 1560, false));
    player_->setParent(client_);
    player_->setGeometry(0, StartPixels(this, 360, false), StartPixels(this, 5370, true),
                         StartPixels(this, 2610, false));
    player_->hide();
    files_->raise();  // the list shows over the player
    connect(files_, &QAbstractItemView::doubleClicked, this, [this] {
        if (events_) Step([&] { events_->OnFilesDblClick(); });
    });
    for (QWidget* w : {static_cast<QWidget*>(this), client_, player_, logo_})
        w->setAcceptDrops(true);

    // A client area of 5205 by 4260 twips (347 by 284 pixels at 96 dpi)
    // below the menu bar.
    const int clientWidth = StartPixels(this, 5205, true);
    const int bar = menuBar()->heightForWidth(clientWidth);
    resize(clientWidth,
           StartPixels(this, 4260, false) + (bar > 0 ? bar : menuBar()->sizeHint().height()));

    // Key preview: the window sees key releases before the focused control.
    keys_ = std::make_unique<KeyPreview>(this, files_);
    qApp->installEventFilter(this);
}

QtWindow::~QtWindow() { qApp->removeEventFilter(this); }

bool QtWindow::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
        case QEvent::Shortcut:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
            return keys_->Filter(watched, event);
        case QEvent::Hide:  // of a menu, after which the keys may be the film's again
            keys_->Filter(watched, event);
            break;
        case QEvent::DragEnter:
        case QEvent::DragMove:
        case QEvent::Drop:
            return DragOrDrop(watched, event);
        case QEvent::Resize:
            if (watched == this) SettleFromFullScreen();  // before the layout runs
            if (watched == client_ && events_) Step([&] { events_->OnResize(); });
            if (watched == this) CorrectFirstFrame();
            break;
        case QEvent::Show:
            if (watched == this) {
                shownOnce_ = true;
                // Some platforms know the frame at once and send no move.
                QTimer::singleShot(0, this, [this] { CorrectFirstFrame(); });
            }
            break;
        case QEvent::Expose:  // to the native window, once it is mapped
            if (!windowHandle() || watched != windowHandle()) break;
            if (topMostWhenShown_) Step([&] { ApplyTopMost(*topMostWhenShown_); });
            topMostWhenShown_.reset();
            CorrectFirstFrame();
            break;
        case QEvent::Move:  // also the manager's own placement after a restore
            if (watched == this) SettleFromFullScreen();
            if (watched == this) CorrectFirstFrame();
            break;
        default:
            break;
    }
    return false;
}

bool QtWindow::DragOrDrop(QObject* receiver, QEvent* event) {
    const auto* widget = receiver->isWidgetType() ? static_cast<QWidget*>(receiver) : nullptr;
    DropTarget target = DropTarget::Form;
    if (receiver == files_ || receiver == files_->viewport())
        target = DropTarget::Files;
    else if (receiver == logo_)
        target = DropTarget::Image1;
    else if (!widget || !(widget == this || widget == client_ || widget == player_ ||
                          player_->isAncestorOf(widget)))
        return false;

    // DragEnter and DragMove events are drop events too.
    auto* drop = static_cast<QDropEvent*>(event);
    const QMimeData* data = drop->mimeData();
    const bool isDrop = event->type() == QEvent::Drop;
    std::vector<std::string> paths;
    if (data && isDrop) {
        for (const QUrl& url : data->urls())
            if (url.isLocalFile()) paths.push_back(LocalFileOf(url));  // the name's own bytes
    }
    // Taken as a copy (or a link), never as the move a file manager may
    // propose within one disk: the source would then delete the user's file.
    const Qt::DropActions offered = drop->possibleActions();
    const Qt::DropAction taken = offered & Qt::CopyAction   ? Qt::CopyAction
                                 : offered & Qt::LinkAction ? Qt::LinkAction
                                                            : Qt::IgnoreAction;
    if (taken == Qt::IgnoreAction) paths.clear();
    if (taken != Qt::IgnoreAction && (isDrop ? !paths.empty() : data && data->hasUrls())) {
        drop->setDropAction(taken);
        drop->accept();
    } else {
        drop->ignore();
    }
    // The drag source waits until the drop returns, and opening a movie can
    // take seconds: the logic hears of the drop from the event loop.
    if (!paths.empty()) {
        QTimer::singleShot(0, this, [this, target, paths] {
            if (events_) Step([&] { events_->OnDrop(target, paths); });
        });
    }
    return true;  // never the list's own drag and drop
}

void QtWindow::closeEvent(QCloseEvent* event) {
    if (!unloaded_) {
        unloaded_ = true;
        if (events_) Step([&] { events_->OnUnload(); });
    }
    event->accept();
}

WindowState QtWindow::State() {
    const Qt::WindowStates s = windowState();
    if (s & Qt::WindowMinimized) return WindowState::Minimized;
    // Full screen reports the state underneath it, which it returns to.
    if (s & Qt::WindowFullScreen)
        return maximizedUnder_ ? WindowState::Maximized : WindowState::Normal;
    if (s & Qt::WindowMaximized) return WindowState::Maximized;
    return WindowState::Normal;
}

void QtWindow::SetState(WindowState state) {
    Qt::WindowStates s = windowState() & ~kNotNormal;
    if (state == WindowState::Minimized)
        s |= Qt::WindowMinimized;
    else if (state == WindowState::Maximized)
        s |= Qt::WindowMaximized;
    else if (state != WindowState::Normal)
        throw PlatformError(Service::Window, "no such window state");
    // Qt keeps the normal geometry for the way back, and applies a state set
    // before the first show when the window is shown.
    setWindowState(s);
}

QRect QtWindow::PixelRect(double left, double top, double width, double height) {
    const double x = TwipsPerPixelX(), y = TwipsPerPixelY();
    return QRect(Pixels(left, x), Pixels(top, y), Pixels(width, x), Pixels(height, y));
}

QMargins QtWindow::KnownFrameMargins() const {
    if (!shownOnce_ || !windowHandle()) return {};
    return windowHandle()->frameMargins();
}

void QtWindow::PlaceOuter(const QRect& outer) {
    // Workaround: until the window manager has framed the window (after its
    // first show) the frame's size is unknown, and Qt places the inside of
    // the window. The outer rectangle asked for then is applied as if there
    // were no frame, and remembered; CorrectFirstFrame moves and sizes the
    // window once the frame is known, so the outer frame lands where asked.
    const QMargins m = KnownFrameMargins();
    if (m.isNull())
        pendingOuter_ = outer;
    else
        pendingOuter_.reset();
    const QRect inner = outer.marginsRemoved(m);
    setGeometry(inner.x(), inner.y(), std::max(1, inner.width()), std::max(1, inner.height()));
}

void QtWindow::CorrectFirstFrame() {
    if (!pendingOuter_ || !shownOnce_ || (windowState() & kNotNormal)) return;
    if (KnownFrameMargins().isNull()) return;  // no window manager, or not framed yet
    const QRect outer = *pendingOuter_;
    PlaceOuter(outer);
}

RectTwips QtWindow::Placement() {
    // In full screen, and on the way back, the placement it returns to.
    const QRect r = (!shownOnce_ && pendingOuter_) ? *pendingOuter_
                    : FullScreen() || settleTo_    ? NormalOuter()
                                                   : frameGeometry();
    const double x = TwipsPerPixelX(), y = TwipsPerPixelY();
    return {r.x() * x, r.y() * y, r.width() * x, r.height() * y};
}

void QtWindow::MoveWindow(double left, double top, double width, double height) {
    const QRect outer = PixelRect(left, top, width, height);
    if (outer.width() < 1 || outer.height() < 1 || outer.width() > kMaxWindowSide ||
        outer.height() > kMaxWindowSide)
        throw PlatformError(Service::Window, "window size out of range");
    if (std::abs(outer.x()) > kMaxWindowPosition || std::abs(outer.y()) > kMaxWindowPosition)
        throw PlatformError(Service::Window, "window position out of range");
    if (windowState() & kNotNormal)
        throw PlatformError(Service::Window, "a minimized or maximized window cannot be moved");
    // Before the first show the window's own size stands for its outer size
    // (the frame is not known yet). Asked to keep that size, keep the inside
    // as it is and only move, so a first start has the whole initial client
    // area instead of one shrunk by the frame.
    if (!shownOnce_ && !pendingOuter_ && outer.size() == frameGeometry().size()) {
        move(outer.topLeft());
        return;
    }
    PlaceOuter(outer);
}

void QtWindow::SetOuterHeight(double height) {
    if (windowState() & kNotNormal)
        throw PlatformError(Service::Window, "a minimized or maximized window cannot be sized");
    // Back from full screen the window manager puts the window where it was;
    // until it has, its size may still be the screen's.
    if (settleTo_)
        throw PlatformError(Service::Window, "the window is still coming back from full screen");
    const int h = Pixels(height, TwipsPerPixelY());
    if (h < 1 || h > kMaxWindowSide)
        throw PlatformError(Service::Window, "window height out of range");
    const QMargins m = KnownFrameMargins();
    if (m.isNull()) {  // the workaround in PlaceOuter: remember the outer height
        QRect outer = (!shownOnce_ && pendingOuter_) ? *pendingOuter_ : frameGeometry();
        outer.setHeight(h);
        pendingOuter_ = outer;
    }
    resize(width(), std::max(1, h - m.top() - m.bottom()));
}

double QtWindow::ClientWidth() {
    // Before the first show the layout has not placed the client area yet.
    return (isVisible() ? client_->width() : width()) * TwipsPerPixelX();
}

double QtWindow::ClientHeight() {
    const int h = isVisible() ? client_->height() : height() - menuBar()->heightForWidth(width());
    return std::max(0, h) * TwipsPerPixelY();
}

double QtWindow::TwipsPerPixelX() { return TwipsPerPixel(this, true); }

double QtWindow::TwipsPerPixelY() { return TwipsPerPixel(this, false); }

double QtWindow::ScreenWidth() { return PrimaryScreen().width() * TwipsPerPixelX(); }

double QtWindow::ScreenHeight() { return PrimaryScreen().height() * TwipsPerPixelY(); }

std::vector<RectTwips> QtWindow::Screens() {
    const double x = TwipsPerPixelX(), y = TwipsPerPixelY();
    std::vector<RectTwips> result;
    for (const QScreen* screen : QGuiApplication::screens()) {
        const QRect r = screen->availableGeometry();
        result.push_back({r.x() * x, r.y() * y, r.width() * x, r.height() * y});
    }
    return result;
}

double QtWindow::TitleBarHeight() {
    const int top = KnownFrameMargins().top();
    return (top > 0 ? top : kUsualTitleBar) * TwipsPerPixelY();
}

void QtWindow::SetTopMost(bool on) {
    // The widget's copy of the flags, without a native call: a window created
    // later is created with it.
    overrideWindowFlags(windowFlags().setFlag(Qt::WindowStaysOnTopHint, on));
    if (!isVisible()) {
        // Workaround: a flag change on a native window that is not mapped yet
        // makes Qt's X11 plugin destroy and re-create it at the next show,
        // leaving QWidget::winId() stale. Such a window gets the flag once it
        // is on screen (see eventFilter).
        topMostWhenShown_ = on;
        return;
    }
    ApplyTopMost(on);
}

void QtWindow::ApplyTopMost(bool on) {
    QWindow* native = windowHandle();
    if (!native) throw PlatformError(Service::Window, "no native window");
    // On the native window only: QWidget::setWindowFlag would hide, re-create
    // and re-show it.
    native->setFlag(Qt::WindowStaysOnTopHint, on);
    if (native->flags().testFlag(Qt::WindowStaysOnTopHint) != on)
        throw PlatformError(Service::Window, "stay-on-top refused");
}

void QtWindow::PlaceControl(QWidget* control, double left, double top, double width,
                            double height) {
    const QRect r = PixelRect(left, top, width, height);
    control->setGeometry(r.x(), r.y(), std::max(0, r.width()), std::max(0, r.height()));
}

void QtWindow::MoveLogo(double left, double top) {
    logo_->move(Pixels(left, TwipsPerPixelX()), Pixels(top, TwipsPerPixelY()));
}

}  // namespace rw
