#pragma once

#include <QList>
#include <QRect>
#include <QString>
#include <QWidget>

#include "platform/widgets/BarColours.h"

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
    void SetPlaying(bool playing);
    void SetPosition(double seconds);
    // Zero or less: unknown (a live stream); the seek bar cannot seek then.
    void SetDuration(double seconds);
    void SetVolume(double percent);  // 0 to 100
    void SetMuted(bool muted);
    // Shown beside the time while not 1 ("1.5×").
    void SetSpeed(double speed);
    // Where the movie's chapters begin: a tick on the seek bar at each.
    void SetChapters(QList<double> times);
    // The A-B loop's points, marked under the seek bar; negative: unset.
    void SetLoopMarks(double a, double b);

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
    // What the control at `at` is and does, as its tooltip says it: "Pause",
    // the time under the pointer on the seek bar, "Volume 80%"; empty
    // text where there is no control.
    QString ToolTipAt(QPoint at) const;
    // What the bar shows, for assistive technology (ControllerBarAccessible).
    bool IsPlaying() const { return playing_; }
    double ShownPosition() const;
    double Duration() const { return duration_; }
    double Volume() const { return volume_; }
    bool IsMuted() const { return muted_; }

    // What a user asks through assistive technology, answered as a click or
    // a drag on the bar is (defined in ControllerBarAccessible.cpp).
    void PressPlayPause();
    void PressMute();
    void SeekTo(double seconds);
    void ChangeVolume(double percent);

    // How wide a bar of that height must be to show every control with a
    // seek bar long enough to aim with.
    int NeededWidth(int barHeight) const;

  signals:
    void PlayPauseClicked();
    // `exact` is false while the seek bar is dragged, true where it is let go.
    void SeekRequested(double seconds, bool exact);
    void VolumeRequested(double percent);
    void MuteClicked();

  protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    enum class Drag { None, Seek, Volume };

    static constexpr int kVolumeHeights = 4;      // the volume slider, in bar heights
    static constexpr int kUsefulSeekHeights = 6;  // the shortest seek bar to aim with

    QFont BarFont(int barHeight) const;
    int TimeWidth(int barHeight, bool hours) const;
    QRect Track(const QRect& area) const;
    int SeekPixel(double seconds) const;
    void DragTo(int x, bool release);
    void PaintPlayButton(QPainter& painter, const QRect& area) const;
    void PaintSpeaker(QPainter& painter, const QRect& area) const;
    void PaintChapterTicks(QPainter& painter, const QRect& area) const;
    void PaintLoopMarks(QPainter& painter, const QRect& area) const;
    void PaintTrack(QPainter& painter, const QRect& area, double fraction, bool handle,
                    bool dragged) const;

    bool playing_ = false;
    double position_ = 0;
    double duration_ = 0;
    double volume_ = 100;
    bool muted_ = false;
    double speed_ = 1;
    QList<double> chapters_;
    BarColours colours_;  // from the palette, as of the last paint
    double loopA_ = -1;
    double loopB_ = -1;

    Drag drag_ = Drag::None;
    double dragSeconds_ = 0;
    int dragPixel_ = -1;
    // What the bar shows of the position, to repaint only when it changes.
    long long shownSecond_ = -1;
    int shownPixel_ = -1;
};

}  // namespace rw
