// The line over the movie after a command changed something: what it says
// comes from the film's commands; here it is placed, drawn and taken away.

#include "platform/mpv/MpvMessage.h"

#include <QApplication>
#include <QPainter>
#include <QTimer>

#include "platform/mpv/FrameRenderer.h"
#include "platform/mpv/MpvPlayer.h"
#include "platform/mpv/MpvView.h"
#include "platform/qt/Text.h"

namespace rw {

MessageLine::MessageLine(QWidget* view, bool native) : QWidget(view), native_(native) {
    // Clicks and the wheel go to the movie underneath, as if the line were
    // not there.
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    if (native_) {
        setAttribute(Qt::WA_DontCreateNativeAncestors);
        setAttribute(Qt::WA_NativeWindow);
    }
    timer_ = new QTimer(this);
    timer_->setSingleShot(true);
    timer_->setInterval(kShownMs);
    connect(timer_, &QTimer::timeout, this, &MessageLine::Drop);
    hide();
}

void MessageLine::Show(const QString& text, const QRect& area) {
    const QFontMetrics metrics(font());
    const int pad = metrics.averageCharWidth();
    const int margin = pad * 2;
    const int room = area.width() - 2 * margin - 2 * pad;
    if (text.isEmpty() || room <= 0) return Drop();
    text_ = metrics.elidedText(text, Qt::ElideRight, room);
    setAccessibleName(text_);
    setGeometry(area.left() + margin, area.top() + margin,
                metrics.horizontalAdvance(text_) + 2 * pad, metrics.height() + pad);
    // Watched only while shown, so that the application's events pass no
    // filter the rest of the time.
    if (!isVisible()) qApp->installEventFilter(this);
    show();
    // Stacked over the controller bar too, which has a window of its own
    // over the OpenGL picture.
    raise();
    update();
    timer_->start();
}

void MessageLine::Drop() {
    timer_->stop();
    text_.clear();
    qApp->removeEventFilter(this);
    hide();
}

bool MessageLine::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Show && watched->isWidgetType()) {
        const auto* widget = static_cast<QWidget*>(watched);
        if (widget->windowType() == Qt::Popup ||
            (widget->isWindow() && widget->windowModality() != Qt::NonModal)) {
            Drop();
        }
    }
    return false;
}

// As the line of a movie that failed: the application's font, light grey
// with a dark outline, here on a dark box that keeps it readable over a
// light picture. A native window has no pixels of the picture under it to
// let through, so its box is opaque.
void MessageLine::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), QColor(0, 0, 0, native_ ? 255 : 150));
    painter.setFont(font());
    painter.setPen(QColor(16, 16, 16));
    for (const QPoint offset : {QPoint(-1, 0), QPoint(1, 0), QPoint(0, -1), QPoint(0, 1)}) {
        painter.drawText(rect().translated(offset), Qt::AlignCenter | Qt::TextSingleLine, text_);
    }
    painter.setPen(QColor(232, 232, 232));
    painter.drawText(rect(), Qt::AlignCenter | Qt::TextSingleLine, text_);
}

void MpvView::ShowLine(const QString& text) {
    // Never over a menu or a dialog: a command that comes while one is up
    // (a media key) shows nothing.
    const bool covered = QApplication::activePopupWidget() != nullptr ||
                         QApplication::activeModalWidget() != nullptr;
    if (text.isEmpty() || covered || !isVisible()) {
        if (line_ != nullptr) line_->Drop();
        return;
    }
    if (line_ == nullptr) line_ = new MessageLine(this, renderer_ && !renderer_->PaintedByWidget());
    const QRect movie = area_ && !fullScreen_
                            ? QRect(area_->left, area_->top, area_->Width(), area_->Height())
                            : rect();
    line_->Show(text, movie);
}

QString MpvView::LineText() const { return line_ != nullptr ? line_->Text() : QString(); }

void MpvPlayer::ShowMessage(const std::string& text) { ShowLine(ToReadableQString(text)); }

}  // namespace rw
