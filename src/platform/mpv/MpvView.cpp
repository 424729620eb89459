// What MpvPlayer shows: the movie in its rectangle, the background around it,
// the logo for a movie without a picture, and where the controller bar goes.

#include <QPaintEvent>
#include <QPainter>

#include "platform/mpv/ControllerBar.h"
#include "platform/mpv/FrameRenderer.h"
#include "platform/mpv/MpvPlayer.h"

namespace rw {
namespace {

QRect ToQRect(const PixelRect& r) { return QRect(r.left, r.top, r.Width(), r.Height()); }

}  // namespace

std::optional<PixelRect> MpvPlayer::MovieArea() const {
    switch (m_load.GetPhase()) {
        case LoadTracker::Phase::Sized:
            return m_movieRect ? *m_movieRect : PixelRect{0, 0, m_load.Width(), m_load.Height()};
        case LoadTracker::Phase::NoPicture:
            return m_movieRect ? *m_movieRect : kNominalRect;
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
    const bool sized = area && m_load.GetPhase() == LoadTracker::Phase::Sized;
    if (m_renderer) m_renderer->SetArea(sized ? ToQRect(*area) : QRect());
    // A paused movie sends no new frame: the last one is drawn again at the
    // new size.
    if (m_renderer && sized && isVisible()) {
        m_renderer->Render(QSize(area->Width(), area->Height()), devicePixelRatioF(),
                           m_load.Rotation());
    }
    update();
}

void MpvPlayer::PlaceController(const std::optional<PixelRect>& area) {
    const auto bar = m_controllerShown && area
                         ? ControllerBarRect(*area, ControllerHeight(), height())
                         : std::nullopt;
    if (!bar) {
        m_controller->hide();
        return;
    }
    m_controller->setGeometry(ToQRect(*bar));
    m_controller->show();
    if (m_renderer && !m_renderer->PaintedByWidget()) m_controller->raise();
}

int MpvPlayer::ControllerHeight() const {
    return m_controllerHeight ? *m_controllerHeight : ControllerHeightForDpi(logicalDpiY());
}

void MpvPlayer::SyncController() {
    m_controller->setDuration(m_duration);
    m_controller->setPosition(m_position);
    m_controller->setPlaying(!m_paused && !m_atEnd);
    m_controller->setVolume(m_volume);
    m_controller->setMuted(m_muted);
}

void MpvPlayer::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const auto area = MovieArea();
    const QRect target = area ? ToQRect(*area) : QRect();
    const bool picture = !target.isEmpty() && m_renderer &&
                         m_load.GetPhase() == LoadTracker::Phase::Sized && m_renderer->HasPicture();
    // A picture covers its whole rectangle: the background goes only around
    // it, which spares filling a movie's worth of pixels for every frame.
    const QRegion background = picture ? event->region() - target : event->region();
    for (const QRect& r : background) painter.fillRect(r, m_background);
    if (target.isEmpty()) return;
    if (m_load.GetPhase() == LoadTracker::Phase::Sized) {
        if (picture) m_renderer->Paint(painter, target);
    } else if (!m_logo.isNull()) {
        QSize size = m_logo.size().scaled(target.size(), Qt::KeepAspectRatio);
        QRect logo(QPoint(), size);
        logo.moveCenter(target.center());
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(logo, m_logo);
    }
}

// The window's layout sends a new rectangle right after it moves or resizes
// the player, when it wants one; until then the movie is drawn at its natural
// size. Qt delivers the events of a geometry set while the widget was hidden
// only when it is shown; those do not undo a rectangle sent since.
void MpvPlayer::OnGeometryChanged() {
    if (m_movieRect && geometry() != m_movieRectGeometry) m_movieRect.reset();
    Relayout();
}

void MpvPlayer::HostPlaced() {
    m_movieRect.reset();
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
