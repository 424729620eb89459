#include "platform/widgets/ControllerBar.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QHelpEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QToolTip>
#include <algorithm>
#include <cmath>

#include "platform/PlayText.h"
#include "platform/widgets/ControllerBarAccessible.h"

namespace rw {
namespace {

// The A-B loop's marks: apart from the white of the played part and the ticks.
const QColor kLoopMark(0xf0, 0xb0, 0x30);

double Clamp01(double value) { return std::isnan(value) ? 0 : std::clamp(value, 0.0, 1.0); }

double Fraction(const QRect& track, int x) {
    return track.width() > 0 ? Clamp01(double(x - track.left()) / track.width()) : 0;
}

}  // namespace

ControllerBar::ControllerBar(QWidget* parent) : QWidget(parent) {
    // Keys belong to the window; the bar is used with the mouse.
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    // One painted widget: screen readers see its parts as children of their
    // own (ControllerBarAccessible), and each part names itself in its
    // tooltip. Before the name, which makes the bar's interface.
    InstallControllerBarAccess();
    setAccessibleName(QCoreApplication::translate("Play bar", "Play bar"));
    setMouseTracking(true);
}

void ControllerBar::SetPlaying(bool playing) {
    if (playing == playing_) return;
    playing_ = playing;
    AnnounceBarChange(this, BarPart::Play);
    update();
}

void ControllerBar::SetPosition(double seconds) {
    // A seek from a key or a menu, not playback going on: worth saying.
    if (drag_ == Drag::None && IsPositionJump(position_, seconds)) {
        AnnounceBarChange(this, BarPart::Seek, seconds);
    }
    position_ = seconds;
    const double shown = ShownPosition();
    const auto second = static_cast<long long>(std::max(shown, 0.0));
    const int pixel = SeekPixel(shown);
    if (second == shownSecond_ && pixel == shownPixel_) return;
    shownSecond_ = second;
    shownPixel_ = pixel;
    update();
}

void ControllerBar::SetDuration(double seconds) {
    if (seconds == duration_) return;
    duration_ = seconds;
    update();
}

void ControllerBar::SetVolume(double percent) {
    if (percent == volume_) return;
    volume_ = percent;
    AnnounceBarChange(this, BarPart::Volume, percent);
    update();
}

void ControllerBar::SetMuted(bool muted) {
    if (muted == muted_) return;
    muted_ = muted;
    AnnounceBarChange(this, BarPart::Mute);
    update();
}

void ControllerBar::SetSpeed(double speed) {
    if (speed == speed_) return;
    speed_ = speed;
    update();
}

void ControllerBar::SetChapters(QList<double> times) {
    if (times == chapters_) return;
    chapters_ = std::move(times);
    update();
}

void ControllerBar::SetLoopMarks(double a, double b) {
    if (a == loopA_ && b == loopB_) return;
    loopA_ = a;
    loopB_ = b;
    update();
}

QFont ControllerBar::BarFont(int barHeight) const {
    QFont barFont = font();
    barFont.setPixelSize(std::max(6, barHeight * 2 / 3));
    return barFont;
}

int ControllerBar::TimeWidth(int barHeight, bool hours) const {
    const QFontMetrics metrics(BarFont(barHeight));
    QString sample = hours ? "0:00:00 / 0:00:00" : "00:00 / 00:00";
    if (std::abs(speed_ - 1) > 1e-6) sample += QString::fromUtf8("  0.75\u00d7");
    return metrics.horizontalAdvance(sample) + barHeight / 2;
}

int ControllerBar::NeededWidth(int barHeight) const {
    // Play, a seek bar long enough to aim with, the time of a long film,
    // mute and volume.
    const int h = std::max(barHeight, 0);
    return h + kUsefulSeekHeights * h + TimeWidth(h, true) + h + kVolumeHeights * h;
}

ControllerBar::Layout ControllerBar::ComputeLayout() const {
    const int h = height();
    const int w = width();
    const int timeWidth = TimeWidth(h, duration_ >= 3600);
    const int volumeWidth = kVolumeHeights * h;
    const int minSeekWidth = 3 * h;

    Layout layout;
    layout.play = QRect(0, 0, std::min(h, w), h);
    int right = w;
    const auto take = [&right, h](int width) {
        right -= width;
        return QRect(right, 0, width, h);
    };
    const int room = w - h - minSeekWidth;
    if (room >= timeWidth + h + volumeWidth) {
        layout.volume = take(volumeWidth);
        layout.mute = take(h);
        layout.time = take(timeWidth);
    } else if (room >= timeWidth + h) {
        layout.mute = take(h);
        layout.time = take(timeWidth);
    } else if (room >= timeWidth) {
        layout.time = take(timeWidth);
    }
    if (right > h) layout.seek = QRect(h, 0, right - h, h);
    return layout;
}

// The groove of a slider inside its area: the width that a click maps to.
QRect ControllerBar::Track(const QRect& area) const {
    const int margin = area.height() / 3;
    return area.adjusted(margin, 0, -margin, 0);
}

double ControllerBar::ShownPosition() const {
    return drag_ == Drag::Seek ? dragSeconds_ : position_;
}

int ControllerBar::SeekPixel(double seconds) const {
    const QRect track = Track(ComputeLayout().seek);
    const double fraction = duration_ > 0 ? Clamp01(seconds / duration_) : 0;
    return track.left() + static_cast<int>(std::lround(fraction * track.width()));
}

QString ControllerBar::TimeText() const {
    QString text = QString::fromStdString(FormatPlayTime(ShownPosition()));
    if (duration_ > 0) text += " / " + QString::fromStdString(FormatPlayTime(duration_));
    const std::string badge = SpeedBadge(speed_);
    if (!badge.empty()) text += "  " + QString::fromStdString(badge);
    return text;
}

QString ControllerBar::ToolTipAt(QPoint at) const {
    const Layout layout = ComputeLayout();
    if (layout.play.contains(at)) {
        return playing_ ? QCoreApplication::translate("Play bar", "Pause")
                        : QCoreApplication::translate("Play bar", "Play");
    }
    if (layout.seek.contains(at)) {
        if (duration_ <= 0) return QCoreApplication::translate("Play bar", "Seek bar");
        const double seconds = Fraction(Track(layout.seek), at.x()) * duration_;
        return QString::fromStdString(FormatPlayTime(seconds));
    }
    if (layout.time.contains(at))
        return QCoreApplication::translate("Play bar", "Elapsed and total time");
    if (layout.mute.contains(at))
        return muted_ ? QCoreApplication::translate("Play bar", "Unmute")
                      : QCoreApplication::translate("Play bar", "Mute");
    if (layout.volume.contains(at)) {
        return QCoreApplication::translate("Play bar", "Volume %1%")
            .arg(static_cast<int>(std::lround(volume_)));
    }
    return {};
}

bool ControllerBar::event(QEvent* event) {
    if (event->type() != QEvent::ToolTip) return QWidget::event(event);
    const auto& help = *static_cast<QHelpEvent*>(event);
    const QString text = ToolTipAt(help.pos());
    if (text.isEmpty()) {
        QToolTip::hideText();
    } else {
        // The seek bar's tooltip follows the pointer: the time under it.
        QToolTip::showText(help.globalPos(), text, this, QRect(help.pos(), QSize(1, 1)));
    }
    return true;
}

void ControllerBar::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    const Layout layout = ComputeLayout();
    const QPoint at = event->position().toPoint();
    if (layout.play.contains(at)) {
        emit PlayPauseClicked();
    } else if (layout.mute.contains(at)) {
        emit MuteClicked();
    } else if (layout.seek.contains(at) && duration_ > 0) {
        drag_ = Drag::Seek;
        dragPixel_ = -1;
        DragTo(at.x(), false);
    } else if (layout.volume.contains(at)) {
        drag_ = Drag::Volume;
        dragPixel_ = -1;
        DragTo(at.x(), false);
    }
}

void ControllerBar::mouseMoveEvent(QMouseEvent* event) {
    const QPoint at = event->position().toPoint();
    if (drag_ != Drag::None) {
        DragTo(at.x(), false);
    } else if (QToolTip::isVisible() && ComputeLayout().seek.contains(at)) {
        // The time under the pointer, as it moves along the seek bar.
        QToolTip::showText(event->globalPosition().toPoint(), ToolTipAt(at), this,
                           QRect(at, QSize(1, 1)));
    }
    event->ignore();  // the player hears of the pointer as well (full screen)
}

void ControllerBar::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || drag_ == Drag::None) return;
    DragTo(event->position().toPoint().x(), true);
    if (drag_ == Drag::Seek) position_ = dragSeconds_;  // until libmpv reports it
    drag_ = Drag::None;
    update();
}

// Requests go out only when the pointer crosses to another pixel of the
// groove (libmpv coalesces seeks, but need not be flooded), and once more
// where the mouse is released, for an exact seek.
void ControllerBar::DragTo(int x, bool release) {
    const Layout layout = ComputeLayout();
    const QRect track = Track(drag_ == Drag::Seek ? layout.seek : layout.volume);
    const int pixel = std::clamp(x, track.left(), track.left() + track.width());
    if (pixel == dragPixel_ && !release) return;
    dragPixel_ = pixel;
    const double fraction = Fraction(track, pixel);
    if (drag_ == Drag::Seek) {
        dragSeconds_ = fraction * duration_;
        emit SeekRequested(dragSeconds_, release);
        AnnounceBarChange(this, BarPart::Seek, dragSeconds_);
    } else if (!release) {
        volume_ = fraction * 100;
        emit VolumeRequested(volume_);
        AnnounceBarChange(this, BarPart::Volume, volume_);
    }
    update();
}

void ControllerBar::paintEvent(QPaintEvent*) {
    colours_ = BarColoursFrom(palette(), isEnabled() ? QPalette::Active : QPalette::Disabled);
    QPainter painter(this);
    painter.fillRect(rect(), colours_.background);
    painter.setRenderHint(QPainter::Antialiasing);
    const Layout layout = ComputeLayout();
    PaintPlayButton(painter, layout.play);
    if (!layout.seek.isEmpty()) {
        const double fraction = duration_ > 0 ? Clamp01(ShownPosition() / duration_) : 0;
        PaintTrack(painter, layout.seek, fraction, duration_ > 0, drag_ == Drag::Seek);
        PaintChapterTicks(painter, layout.seek);
        PaintLoopMarks(painter, layout.seek);
    }
    if (!layout.time.isEmpty()) {
        painter.setFont(BarFont(height()));
        painter.setPen(colours_.foreground);
        painter.drawText(layout.time, Qt::AlignCenter, TimeText());
    }
    if (!layout.mute.isEmpty()) PaintSpeaker(painter, layout.mute);
    if (!layout.volume.isEmpty())
        PaintTrack(painter, layout.volume, volume_ / 100, false, drag_ == Drag::Volume);
}

void ControllerBar::PaintPlayButton(QPainter& painter, const QRect& area) const {
    const QRectF icon = QRectF(area).adjusted(area.width() * 0.3, area.height() * 0.22,
                                              -area.width() * 0.25, -area.height() * 0.22);
    if (playing_) {
        const double bar = icon.width() * 0.35;
        painter.fillRect(QRectF(icon.left(), icon.top(), bar, icon.height()), colours_.foreground);
        painter.fillRect(QRectF(icon.right() - bar, icon.top(), bar, icon.height()),
                         colours_.foreground);
        return;
    }
    QPainterPath triangle(icon.topLeft());
    triangle.lineTo(icon.right(), icon.center().y());
    triangle.lineTo(icon.bottomLeft());
    triangle.closeSubpath();
    painter.fillPath(triangle, colours_.foreground);
}

void ControllerBar::PaintChapterTicks(QPainter& painter, const QRect& area) const {
    if (duration_ <= 0) return;
    const QRect track = Track(area);
    const int tall = std::max(3, area.height() / 3);
    painter.setPen(QPen(colours_.foreground, 1));
    for (double time : chapters_) {
        // The first chapter starts at the start: no tick there.
        if (time <= 0.5 || time >= duration_) continue;
        const double x = track.left() + Clamp01(time / duration_) * track.width();
        painter.drawLine(QPointF(x, area.center().y() - tall), QPointF(x, area.center().y() - 1));
    }
}

// Under the groove, where the chapter ticks (above it) leave room: a small
// triangle pointing up at A and at B, and a line joining them while both
// are set.
void ControllerBar::PaintLoopMarks(QPainter& painter, const QRect& area) const {
    if (duration_ <= 0 || (loopA_ < 0 && loopB_ < 0)) return;
    const QRect track = Track(area);
    const double top = area.center().y() + std::max(2, area.height() / 10) + 1.0;
    // Whole within the bar, however low it is.
    const double size = std::min(std::max(3.0, area.height() / 4.0), area.bottom() + 1 - top);
    const auto xOf = [&](double t) {
        return track.left() + Clamp01(t / duration_) * track.width();
    };
    painter.setPen(Qt::NoPen);
    painter.setBrush(kLoopMark);
    for (double time : {loopA_, loopB_}) {
        if (time < 0) continue;
        const double x = xOf(time);
        const QPointF mark[] = {{x, top}, {x + size / 2, top + size}, {x - size / 2, top + size}};
        painter.drawPolygon(mark, 3);
    }
    if (loopA_ >= 0 && loopB_ >= 0)
        painter.fillRect(QRectF(QPointF(xOf(loopA_), top), QPointF(xOf(loopB_), top + 1)),
                         kLoopMark);
}

void ControllerBar::PaintSpeaker(QPainter& painter, const QRect& area) const {
    const QRectF icon = QRectF(area).adjusted(area.width() * 0.15, area.height() * 0.22,
                                              -area.width() * 0.15, -area.height() * 0.22);
    const double unit = icon.width() / 6;
    QPainterPath speaker(QPointF(icon.left(), icon.center().y() - unit));
    speaker.lineTo(icon.left() + unit, icon.center().y() - unit);
    speaker.lineTo(icon.left() + 3 * unit, icon.top());
    speaker.lineTo(icon.left() + 3 * unit, icon.bottom());
    speaker.lineTo(icon.left() + unit, icon.center().y() + unit);
    speaker.lineTo(icon.left(), icon.center().y() + unit);
    speaker.closeSubpath();
    painter.fillPath(speaker, colours_.foreground);
    painter.setPen(QPen(colours_.foreground, std::max(1.0, unit / 2)));
    const QRectF mark(icon.left() + 4 * unit, icon.center().y() - unit, 2 * unit, 2 * unit);
    if (muted_) {
        painter.drawLine(mark.topLeft(), mark.bottomRight());
        painter.drawLine(mark.bottomLeft(), mark.topRight());
    } else {
        const QRectF wave(icon.left() + 2 * unit, icon.top() + unit, 3 * unit,
                          icon.height() - 2 * unit);
        painter.drawArc(wave, -50 * 16, 100 * 16);
    }
}

void ControllerBar::PaintTrack(QPainter& painter, const QRect& area, double fraction, bool handle,
                               bool dragged) const {
    const QRect track = Track(area);
    const int thickness = std::max(2, area.height() / 5);
    const QRect groove(track.left(), area.center().y() - thickness / 2, track.width(), thickness);
    painter.fillRect(groove, colours_.groove);
    const int filled = static_cast<int>(std::lround(Clamp01(fraction) * track.width()));
    const QColor played = dragged ? colours_.highlight : colours_.foreground;
    painter.fillRect(QRect(groove.left(), groove.top(), filled, thickness), played);
    if (handle) {
        const double radius = std::max(2.0, area.height() / 4.0);
        painter.setPen(Qt::NoPen);
        painter.setBrush(played);
        painter.drawEllipse(QPointF(track.left() + filled, area.center().y() + 0.5), radius,
                            radius);
    }
}

}  // namespace rw
