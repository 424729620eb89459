#pragma once

#include <QRect>
#include <QSize>

class QPainter;

namespace rw {

// Turns libmpv's video frames into something the player widget can paint.
// The software renderer draws into an image; a renderer on libmpv's OpenGL
// API (for machines with a hardware GL driver) fits behind the same calls.
// All calls happen on the GUI thread, which is also libmpv's render thread.
class FrameRenderer {
  public:
    // Called by libmpv on one of its own threads when a frame is ready.
    using UpdateCallback = void (*)(void* context);

    virtual ~FrameRenderer() = default;

    // Whether libmpv has a new frame to render; called after each update
    // callback, as libmpv asks.
    virtual bool TakeUpdate() = 0;
    // Renders the newest frame (or the last one again) for a movie drawn at
    // `size` logical pixels, turned `rotation` degrees clockwise (a quarter
    // turn multiple). An empty size renders nothing but still takes the
    // frame, so that libmpv never waits for it.
    virtual void Render(QSize size, qreal devicePixelRatio, int rotation) = 0;
    // Paints the last rendered frame, turned, stretched over `target`.
    virtual void Paint(QPainter& painter, const QRect& target) const = 0;
    virtual bool HasPicture() const = 0;
    // Forgets the last frame, e.g. when another movie is being loaded.
    virtual void Clear() = 0;
};

}  // namespace rw
