#pragma once

#include <QRect>
#include <QSize>

class QPainter;

namespace rw {

// Turns libmpv's video frames into a picture in the player widget. The
// software renderer draws into an image that the widget paints; the OpenGL
// one (for machines with a hardware GL driver) draws into a window of its own
// over the movie's rectangle.
// All calls happen on the GUI thread, which is also libmpv's render thread.
class FrameRenderer {
  public:
    // Called by libmpv on one of its own threads when a frame is ready.
    using UpdateCallback = void (*)(void* context);

    virtual ~FrameRenderer() = default;

    // A short name for logs and benchmarks: "sw" or "gl".
    virtual const char* Name() const = 0;

    // Whether libmpv has a new frame to render; called after each update
    // callback, as libmpv asks.
    virtual bool TakeUpdate() = 0;
    // Renders the newest frame (or the last one again) for a movie drawn at
    // `size` logical pixels, turned `rotation` degrees clockwise (a quarter
    // turn multiple), at the screen's full resolution. `movie` is the movie's
    // own display size: shown at exactly that size on a dense screen, its
    // pixels stay sharp blocks (WholePixelScale). An empty size renders
    // nothing but still takes the frame, so that libmpv never waits for it.
    virtual void Render(QSize size, qreal devicePixelRatio, int rotation, QSize movie) = 0;
    // Paints the last rendered frame, turned, stretched over `target`.
    virtual void Paint(QPainter& painter, const QRect& target) const = 0;
    virtual bool HasPicture() const = 0;
    // Forgets the last frame, e.g. when another movie is being loaded.
    virtual void Clear() = 0;
    // Where the movie goes in the player widget, empty when none is shown.
    // A renderer that shows the picture in a window of its own keeps it
    // there; one that paints ignores it.
    virtual void SetArea(const QRect& /*area*/) {}
    // Whether the widget must repaint the movie's rectangle for a new frame:
    // false for a renderer that shows the picture in a window of its own.
    virtual bool PaintedByWidget() const { return true; }
};

}  // namespace rw
