// What MpvPlayer shows: the movie in its rectangle, the background around it,
// the logo for a movie without a picture, and where the controller bar goes.

#include <QPaintEvent>
#include <QPainter>

#include "platform/mpv/FrameRenderer.h"
#include "platform/mpv/MpvPlayer.h"
#include "platform/widgets/ControllerBar.h"

namespace rw {
namespace {

QRect ToQRect(const PixelRect& r) { return QRect(r.left, r.top, r.Width(), r.Height()); }

}  // namespace

std::optional<PixelRect> MpvPlayer::MovieArea() const {
    switch (load_.CurrentPhase()) {
        case LoadTracker::Phase::Sized:
            if (movieRect_) {
                // Sent for another size of the picture: shown whole in it
                // until the window has fitted the new one.
                if (movieRectFor_ != QSize(load_.Width(), load_.Height()) &&
                    !SameShape(*movieRect_, load_.Width(), load_.Height())) {
                    return FitInside(*movieRect_, load_.Width(), load_.Height());
                }
                return *movieRect_;
            }
            // A movie of the last one's shape keeps its rectangle until the
            // window sends one: nothing is stretched, and the GL window is not
            // moved to the movie's own size and back (a cost on every open).
            if (previousRect_ && geometry() == previousRectGeometry_ &&
                SameShape(*previousRect_, load_.Width(), load_.Height())) {
                return *previousRect_;
            }
            if (fullScreen_) {
                // At its own size in full screen: centred, as the window's
                // layout centres a fitted movie there.
                const int left = (width() - load_.Width()) / 2;
                const int top = (height() - load_.Height()) / 2;
                return PixelRect{left, top, left + load_.Width(), top + load_.Height()};
            }
            return PixelRect{0, 0, load_.Width(), load_.Height()};
        case LoadTracker::Phase::NoPicture:
            return movieRect_ ? *movieRect_ : kNominalRect;
        case LoadTracker::Phase::Idle:
        case LoadTracker::Phase::Waiting:
        case LoadTracker::Phase::Failed:
            break;
    }
    return std::nullopt;
}

void MpvPlayer::Relayout() {
    const auto area = MovieArea();
    PlaceController(area);
    const bool sized = area && load_.CurrentPhase() == LoadTracker::Phase::Sized;
    if (renderer_) renderer_->SetArea(sized ? ToQRect(*area) : QRect());
    // A paused movie sends no new frame: the last one is drawn again at the
    // new size.
    if (renderer_ && sized && isVisible()) {
        renderer_->Render(QSize(area->Width(), area->Height()), devicePixelRatioF(),
                          load_.Rotation(), QSize(load_.Width(), load_.Height()));
    }
    update();
}

void MpvPlayer::PlaceController(const std::optional<PixelRect>& area) {
    std::optional<PixelRect> bar;
    const int barHeight = ControllerHeight();
    const BarRoom room{width(), height(), controller_->NeededWidth(barHeight)};
    if (controllerShown_ && area && !fullScreen_) {
        bar = ControllerBarRect(*area, barHeight, room);
    } else if (controllerShown_ && area && pointerAwake_) {
        // Full screen: along the bottom of the screen, while it is in use.
        bar = ControllerBarRect(PixelRect{0, 0, width(), height()}, barHeight, room);
    }
    if (!bar) {
        controller_->hide();
        return;
    }
    controller_->setGeometry(ToQRect(*bar));
    controller_->show();
    if (renderer_ && !renderer_->PaintedByWidget()) controller_->raise();
}

int MpvPlayer::ControllerHeight() const {
    return controllerHeight_ ? *controllerHeight_ : ControllerHeightForDpi(logicalDpiY());
}

void MpvPlayer::SyncController() {
    controller_->SetDuration(duration_);
    controller_->SetPosition(position_);
    controller_->SetPlaying(!paused_ && !atEnd_);
    controller_->SetVolume(volume_);
    controller_->SetMuted(muted_);
    controller_->SetSpeed(speed_);
    QList<double> chapters;
    for (const Chapter& chapter : chapters_) chapters.append(chapter.time);
    controller_->SetChapters(std::move(chapters));
}

void MpvPlayer::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const auto area = MovieArea();
    const QRect target = area ? ToQRect(*area) : QRect();
    const bool picture = !target.isEmpty() && renderer_ &&
                         load_.CurrentPhase() == LoadTracker::Phase::Sized &&
                         renderer_->HasPicture();
    // A picture covers its whole rectangle: the background goes only around
    // it, which spares filling a movie's worth of pixels for every frame.
    const QRegion background = picture ? event->region() - target : event->region();
    for (const QRect& r : background) painter.fillRect(r, background_);
    if (target.isEmpty()) return;
    if (load_.CurrentPhase() == LoadTracker::Phase::Sized) {
        if (picture) renderer_->Paint(painter, target);
    } else if (!logo_.isNull()) {
        QSize size = logo_.size().scaled(target.size(), Qt::KeepAspectRatio);
        QRect logo(QPoint(), size);
        logo.moveCenter(target.center());
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(logo, logo_);
    }
}

// The window's layout sends a new rectangle right after it moves or resizes
// the player, when it wants one; until then the movie is drawn at its natural
// size. Qt delivers the events of a geometry set while the widget was hidden
// only when it is shown; those do not undo a rectangle sent since.
void MpvPlayer::OnGeometryChanged() {
    if (movieRect_ && geometry() != movieRectGeometry_) movieRect_.reset();
    Relayout();
}

void MpvPlayer::HostPlaced() {
    movieRect_.reset();
    previousRect_.reset();
    Relayout();
}

void MpvPlayer::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    OnGeometryChanged();
}

void MpvPlayer::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    OnGeometryChanged();
}

void MpvPlayer::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    Relayout();
}

}  // namespace rw
