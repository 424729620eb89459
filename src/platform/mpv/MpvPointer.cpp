// The player's view in full screen: the controller bar and the pointer come with a
// move of the mouse and go after two seconds of stillness, so that nothing
// covers the movie while it is only watched; and a double click on the
// movie, which the window turns into full screen and back.

#include <QGuiApplication>
#include <QMouseEvent>
#include <QTimer>
#include <functional>
#include <utility>

#include "platform/mpv/MpvView.h"
#include "platform/widgets/ControllerBar.h"

namespace rw {
namespace {

// Moves over the bar: the bar takes them for itself, so the player hears of
// them from here.
class BarMoves final : public QObject {
  public:
    BarMoves(QWidget* bar, std::function<void(QPoint)> moved)
        : QObject(bar), moved_(std::move(moved)) {
        bar->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::MouseMove) {
            const auto* bar = static_cast<QWidget*>(watched);
            moved_(bar->mapToParent(static_cast<QMouseEvent*>(event)->position().toPoint()));
        }
        return false;
    }

  private:
    std::function<void(QPoint)> moved_;
};

}  // namespace

void MpvView::SetFullScreenMode(bool on) {
    if (on == fullScreen_) return;
    fullScreen_ = on;
    if (!pointerTimer_) {
        pointerTimer_ = new QTimer(this);
        pointerTimer_->setSingleShot(true);
        pointerTimer_->setInterval(kPointerIdleMs);
        connect(pointerTimer_, &QTimer::timeout, this, &MpvView::PointerIdle);
        new BarMoves(controller_, [this](QPoint at) {
            if (fullScreen_) PointerMoved(at);
        });
    }
    // Moves without a button held reach a widget only while it tracks them.
    setMouseTracking(on);
    controller_->setMouseTracking(on);
    pointerAwake_ = true;
    pointer_.reset();
    unsetCursor();
    if (on) {
        pointerTimer_->start();  // still from the start: both go in two seconds
    } else {
        pointerTimer_->stop();
    }
    PlacementChanged(false);  // a movie at its own size is centred in full screen
}

void MpvView::PointerMoved(QPoint at) {
    pointer_ = at;
    pointerTimer_->start();
    if (pointerAwake_) return;
    pointerAwake_ = true;
    unsetCursor();
    PlaceController();
}

void MpvView::PointerIdle() {
    if (!fullScreen_) return;
    // A bar in use stays: the pointer rests on it, or drags its seek bar or
    // volume (the bar keeps those moves to itself).
    const bool onBar =
        pointer_ && controller_->isVisible() && controller_->geometry().contains(*pointer_);
    if (onBar || QGuiApplication::mouseButtons() != Qt::NoButton) {
        pointerTimer_->start();
        return;
    }
    pointerAwake_ = false;
    setCursor(Qt::BlankCursor);
    PlaceController();
}

void MpvView::mouseMoveEvent(QMouseEvent* event) {
    if (fullScreen_) PointerMoved(event->position().toPoint());
    QWidget::mouseMoveEvent(event);
}

void MpvView::leaveEvent(QEvent* event) {
    pointer_.reset();
    QWidget::leaveEvent(event);
}

void MpvView::mouseDoubleClickEvent(QMouseEvent* event) {
    const bool onBar =
        controller_->isVisible() && controller_->geometry().contains(event->position().toPoint());
    if (event->button() != Qt::LeftButton || onBar) {
        QWidget::mouseDoubleClickEvent(event);
        return;
    }
    event->accept();
    emit MovieDoubleClicked();
}

}  // namespace rw
