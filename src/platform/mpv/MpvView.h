#pragma once

#include <QColor>
#include <QImage>
#include <QStringList>
#include <QWidget>
#include <atomic>
#include <memory>
#include <optional>

#include "platform/mpv/pure/MovieGeometry.h"

class QPainter;
class QTimer;
struct mpv_handle;

namespace rw {

class ControllerBar;
class FrameRenderer;
class MessageLine;

// What the player shows: the movie's frames (or the logo of a movie without
// a picture) in the area it is told, the background around it, and the
// controller bar below it; in full screen the bar and the pointer come with
// a move of the mouse and go after two seconds of stillness.
//
// A frame is rendered only when libmpv has a new one, so a paused movie
// costs no CPU. libmpv's update callback only posts a queued call.
class MpvView : public QWidget {
    Q_OBJECT

  public:
    // `logo` is shown in place of the picture of a movie that has none.
    explicit MpvView(QImage logo, QWidget* parent = nullptr);
    ~MpvView() override;
    MpvView(const MpvView&) = delete;
    MpvView& operator=(const MpvView&) = delete;

    // The renderer, made before the first load; with `gl` the OpenGL one,
    // else (or when that cannot be made: false) the software one.
    bool StartRenderer(mpv_handle* mpv, bool gl);
    // The render context goes before the core it renders for.
    void StopRenderer();
    // The renderer in use, "sw" or "gl"; empty without libmpv.
    const char* RendererName() const;
    // Forgets the last frame: another movie is being loaded.
    void ClearPicture();

    // What to draw where, exactly as told (see PictureArea): a picture of
    // `movie`'s display size turned `rotation` degrees clockwise, or the
    // logo, in `area`.
    void Show(Showing showing, std::optional<PixelRect> area, QSize movie, int rotation);
    std::optional<PixelRect> DrawnArea() const { return area_; }

    // One line of text centred where nothing is shown (a movie still opening,
    // one that failed): `before`, `name` and `after`, drawn as plain text, on
    // two lines when too wide (see PaintNotice). It is also the widget's
    // accessible description. All empty: none.
    void SetNotice(const QString& before, const QString& name, const QString& after);
    // The notice's lines as they are drawn at the widget's present width.
    QStringList NoticeLines() const;

    // A short line at the top left of the movie for about a second, in
    // place of the one before (MpvMessage.cpp); empty: none. It leaves the
    // line of a movie that failed where it is. What it shows: LineText.
    void ShowLine(const QString& text);
    QString LineText() const;

    void SetBackground(QColor colour);
    void SetControllerShown(bool shown);
    // Height of the controller bar in pixels. Unless set, about 220 twips at
    // the widget's logical resolution (15 px at 96 dpi).
    void SetControllerHeight(int px);
    ControllerBar& Bar() const { return *controller_; }
    // Full screen, as the window tells it: the controller bar runs along the
    // bottom of the screen and shows only while the pointer has moved in the
    // last two seconds (or rests on the bar), and the pointer hides over a
    // movie it has left still that long. Outside full screen none of it.
    void SetFullScreenMode(bool on);
    bool FullScreenMode() const { return fullScreen_; }

  signals:
    // A double click of the left button on the movie (not on the bar).
    void MovieDoubleClicked();

  protected:
    // The widget was moved or resized (`moved`), shown, or changed its
    // full-screen mode: where the picture goes may change with it.
    virtual void PlacementChanged(bool moved);

    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

  private:
    static constexpr int kPointerIdleMs = 2000;

    static void OnRenderUpdate(void* self);
    void RenderFrame();
    void Relayout();
    void PlaceController();
    int ControllerHeight() const;
    void PaintNotice(QPainter& painter);
    QRect NoticeRoom() const;
    // Full screen (MpvPointer.cpp).
    void PointerMoved(QPoint at);
    void PointerIdle();

    std::unique_ptr<FrameRenderer> renderer_;
    ControllerBar* controller_ = nullptr;
    std::atomic<bool> renderQueued_{false};

    QImage logo_;
    QColor background_ = Qt::black;
    Showing showing_ = Showing::Nothing;
    std::optional<PixelRect> area_;
    QSize movie_;
    int rotation_ = 0;
    QString noticeBefore_, noticeName_, noticeAfter_;
    MessageLine* line_ = nullptr;

    bool controllerShown_ = true;
    std::optional<int> controllerHeight_;
    bool fullScreen_ = false;
    // In full screen: the pointer moved in the last two seconds, and where
    // it was last seen over the player.
    bool pointerAwake_ = true;
    std::optional<QPoint> pointer_;
    QTimer* pointerTimer_ = nullptr;
};

}  // namespace rw
