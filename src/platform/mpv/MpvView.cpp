#include "platform/mpv/MpvView.h"

#include <QPaintEvent>
#include <QPainter>

#include "platform/Step.h"
#include "platform/mpv/FrameRenderer.h"
#include "platform/mpv/GlRenderer.h"
#include "platform/mpv/SoftwareRenderer.h"
#include "platform/widgets/ControllerBar.h"

namespace rw {
namespace {

QRect ToQRect(const PixelRect& r) { return QRect(r.left, r.top, r.Width(), r.Height()); }

}  // namespace

MpvView::MpvView(QImage logo, QWidget* parent) : QWidget(parent), logo_(std::move(logo)) {
    // Every pixel is painted here: Qt need not clear the background first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    controller_ = new ControllerBar(this);
    controller_->hide();
}

MpvView::~MpvView() = default;

bool MpvView::StartRenderer(mpv_handle* mpv, bool gl) {
    if (gl) {
        try {
            renderer_ = std::make_unique<GlRenderer>(mpv, &MpvView::OnRenderUpdate, this, this);
            // The picture's window stacks over the widgets: the controller
            // bar, which may cover the bottom of the movie, gets a window of
            // its own to stay on top (PlaceController raises it).
            controller_->setAttribute(Qt::WA_DontCreateNativeAncestors);
            controller_->setAttribute(Qt::WA_NativeWindow);
            return true;
        } catch (const PlatformError&) {
            ReportCaughtFailure();
        }
    }
    renderer_ = std::make_unique<SoftwareRenderer>(mpv, &MpvView::OnRenderUpdate, this);
    return false;
}

void MpvView::StopRenderer() { renderer_.reset(); }

const char* MpvView::RendererName() const { return renderer_ ? renderer_->Name() : ""; }

void MpvView::ClearPicture() {
    if (renderer_) renderer_->Clear();
}

// Comes on one of libmpv's threads and may not call libmpv: it only posts
// one queued call, and no second one while the first is pending. Qt drops
// the call if the widget is gone by then.
void MpvView::OnRenderUpdate(void* self) {
    auto* view = static_cast<MpvView*>(self);
    if (view->renderQueued_.exchange(true)) return;
    QMetaObject::invokeMethod(
        view,
        [view] {
            view->renderQueued_ = false;
            if (view->renderer_ && view->renderer_->TakeUpdate()) view->RenderFrame();
        },
        Qt::QueuedConnection);
}

void MpvView::RenderFrame() {
    const bool shown = area_ && showing_ == Showing::Picture && isVisible();
    // libmpv waits for each frame to be taken, so a frame that is not shown
    // is still taken, without the work of drawing it.
    renderer_->Render(shown ? QSize(area_->Width(), area_->Height()) : QSize(), devicePixelRatioF(),
                      rotation_, movie_);
    if (shown && renderer_->PaintedByWidget()) update(ToQRect(*area_));
}

void MpvView::Show(Showing showing, std::optional<PixelRect> area, QSize movie, int rotation) {
    showing_ = showing;
    area_ = showing == Showing::Nothing ? std::nullopt : area;
    movie_ = movie;
    rotation_ = rotation;
    Relayout();
}

void MpvView::Relayout() {
    PlaceController();
    const bool sized = area_ && showing_ == Showing::Picture;
    if (renderer_) renderer_->SetArea(sized ? ToQRect(*area_) : QRect());
    // A paused movie sends no new frame: the last one is drawn again at the
    // new size.
    if (renderer_ && sized && isVisible()) {
        renderer_->Render(QSize(area_->Width(), area_->Height()), devicePixelRatioF(), rotation_,
                          movie_);
    }
    update();
}

void MpvView::SetBackground(QColor colour) {
    background_ = colour;
    update();
}

void MpvView::SetControllerShown(bool shown) {
    controllerShown_ = shown;
    PlaceController();
}

void MpvView::SetControllerHeight(int px) {
    controllerHeight_ = std::max(px, 0);
    PlaceController();
}

void MpvView::PlaceController() {
    std::optional<PixelRect> bar;
    const int barHeight = ControllerHeight();
    const BarRoom room{width(), height(), controller_->NeededWidth(barHeight)};
    if (controllerShown_ && area_ && !fullScreen_) {
        bar = ControllerBarRect(*area_, barHeight, room);
    } else if (controllerShown_ && area_ && pointerAwake_) {
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

int MpvView::ControllerHeight() const {
    return controllerHeight_ ? *controllerHeight_ : ControllerHeightForDpi(logicalDpiY());
}

void MpvView::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QRect target = area_ ? ToQRect(*area_) : QRect();
    const bool picture =
        !target.isEmpty() && renderer_ && showing_ == Showing::Picture && renderer_->HasPicture();
    // A picture covers its whole rectangle: the background goes only around
    // it, which spares filling a movie's worth of pixels for every frame.
    const QRegion background = picture ? event->region() - target : event->region();
    for (const QRect& r : background) painter.fillRect(r, background_);
    if (showing_ == Showing::Nothing) PaintNotice(painter);
    if (target.isEmpty()) return;
    if (showing_ == Showing::Picture) {
        if (picture) renderer_->Paint(painter, target);
    } else if (!logo_.isNull()) {
        QSize size = logo_.size().scaled(target.size(), Qt::KeepAspectRatio);
        QRect logo(QPoint(), size);
        logo.moveCenter(target.center());
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(logo, logo_);
    }
}

void MpvView::SetNotice(const QString& before, const QString& name, const QString& after) {
    noticeBefore_ = before;
    noticeName_ = name;
    noticeAfter_ = after;
    setAccessibleDescription(before + name + after);
    update();
}

// Light grey with a dark outline, readable on any background colour. A
// line too wide for the widget goes on two: the name (elided in its middle)
// above the reason (cut at its end when it still does not fit).
QStringList MpvView::NoticeLines() const {
    if (noticeBefore_.isEmpty() && noticeName_.isEmpty() && noticeAfter_.isEmpty()) return {};
    const QFontMetrics metrics(font());
    const QRect room = NoticeRoom();
    QStringList lines{noticeBefore_ + noticeName_ + noticeAfter_};
    if (metrics.horizontalAdvance(lines.front()) > room.width()) {
        lines = {metrics.elidedText(noticeBefore_ + noticeName_, Qt::ElideMiddle, room.width()),
                 metrics.elidedText(noticeAfter_.trimmed(), Qt::ElideRight, room.width())};
        lines.removeAll(QString());
    }
    return lines;
}

QRect MpvView::NoticeRoom() const {
    const int margin = QFontMetrics(font()).averageCharWidth() * 2;
    return rect().adjusted(margin, 0, -margin, 0);
}

void MpvView::PaintNotice(QPainter& painter) {
    const QStringList lines = NoticeLines();
    if (lines.isEmpty()) return;
    const QFontMetrics metrics(font());
    const QRect room = NoticeRoom();
    const int height = metrics.lineSpacing();
    QRect box(room.left(), 0, room.width(), height);
    box.moveTop(room.center().y() - height * int(lines.size()) / 2);
    painter.setFont(font());
    for (const QString& line : lines) {
        painter.setPen(QColor(16, 16, 16));
        for (const QPoint offset : {QPoint(-1, 0), QPoint(1, 0), QPoint(0, -1), QPoint(0, 1)}) {
            painter.drawText(box.translated(offset), Qt::AlignCenter | Qt::TextSingleLine, line);
        }
        painter.setPen(QColor(208, 208, 208));
        painter.drawText(box, Qt::AlignCenter | Qt::TextSingleLine, line);
        box.translate(0, height);
    }
}

void MpvView::PlacementChanged(bool) { Relayout(); }

void MpvView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    PlacementChanged(true);
}

void MpvView::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    PlacementChanged(true);
}

void MpvView::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    PlacementChanged(false);
}

}  // namespace rw
