#pragma once

#include <QRect>
#include <QString>
#include <QWidget>

namespace rw {

// The player's own controller bar: play/pause, a seek bar that follows
// playback and seeks where it is clicked or dragged, elapsed and total time,
// mute and volume. It is one painted widget so that it stays legible at its
// small height (about 220 twips), dropping the volume, then the time, when it
// is too narrow for them. It repaints only when what it shows changes: the
// displayed second or the seek bar's pixel, not every frame.
class ControllerBar final : public QWidget {
    Q_OBJECT

  public:
    explicit ControllerBar(QWidget* parent = nullptr);

    // What to show, as the player last learned it from libmpv.
    void setPlaying(bool playing);
    void setPosition(double seconds);
    // Zero or less: unknown (a live stream); the seek bar cannot seek then.
    void setDuration(double seconds);
    void setVolume(double percent);  // 0 to 100
    void setMuted(bool muted);

    // Where each control is, for a bar of the current size; an empty
    // rectangle for a control that does not fit.
    struct Layout {
        QRect play;
        QRect seek;
        QRect time;
        QRect mute;
        QRect volume;
    };
    Layout ComputeLayout() const;
    QString TimeText() const;

  signals:
    void playPauseClicked();
    // `exact` is false while the seek bar is dragged, true where it is let go.
    void seekRequested(double seconds, bool exact);
    void volumeRequested(double percent);
    void muteClicked();

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    enum class Drag { None, Seek, Volume };

    QFont BarFont() const;
    QRect Track(const QRect& area) const;
    double ShownPosition() const;
    int SeekPixel(double seconds) const;
    void DragTo(int x, bool release);
    void PaintPlayButton(QPainter& painter, const QRect& area) const;
    void PaintSpeaker(QPainter& painter, const QRect& area) const;
    void PaintTrack(QPainter& painter, const QRect& area, double fraction, bool handle) const;

    bool m_playing = false;
    double m_position = 0;
    double m_duration = 0;
    double m_volume = 100;
    bool m_muted = false;

    Drag m_drag = Drag::None;
    double m_dragSeconds = 0;
    int m_dragPixel = -1;
    // What the bar shows of the position, to repaint only when it changes.
    long long m_shownSecond = -1;
    int m_shownPixel = -1;
};

}  // namespace rw
