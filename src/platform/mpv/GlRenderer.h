#pragma once

#include <QRect>
#include <QSize>
#include <memory>
#include <string>

#include "platform/mpv/FrameRenderer.h"

class QOpenGLContext;
class QWidget;
struct mpv_handle;
struct mpv_render_context;

namespace rw {

class GlVideoWindow;

// libmpv's OpenGL render API, for machines whose GL driver is a hardware one
// (libmpv then decodes in hardware where it safely can). The picture goes
// into a native window of its own, a QWindow with its own GL context,
// embedded in the player widget with QWidget::createWindowContainer and kept
// over the movie's rectangle; a QOpenGLWidget would cost twice as much, as
// Qt then composes every frame through an extra texture.
//
// The window takes no input: clicks, keys and drops go to the widgets below,
// as they do with the software renderer. libmpv turns a picture that its
// metadata asks to turn (video-rotate is left on for this renderer).
class GlRenderer final : public FrameRenderer {
  public:
    // Creates the GL context, the window (hidden until SetArea gives it a
    // rectangle) and the render context; throws PlatformError when one of
    // them cannot be made. The render context must exist before the first
    // loadfile.
    GlRenderer(mpv_handle* mpv, UpdateCallback callback, void* context, QWidget* host);
    // Frees the render context with its GL context current; this must happen
    // before the mpv handle is destroyed.
    ~GlRenderer() override;
    GlRenderer(const GlRenderer&) = delete;
    GlRenderer& operator=(const GlRenderer&) = delete;

    const char* Name() const override { return "gl"; }
    bool TakeUpdate() override;
    void Render(QSize size, qreal devicePixelRatio, int rotation, QSize movie) override;
    // The window shows the picture: nothing to paint.
    void Paint(QPainter&, const QRect&) const override {}
    bool HasPicture() const override { return hasPicture_; }
    void Clear() override { hasPicture_ = false; }
    void SetArea(const QRect& area) override;
    bool PaintedByWidget() const override { return false; }

    // Draws the current frame again, e.g. when the window is uncovered.
    void Redraw();

  private:
    bool MakeCurrent();
    void Draw(bool skip);
    void SetWholePixels(bool whole);

    std::unique_ptr<QOpenGLContext> gl_;
    GlVideoWindow* window_ = nullptr;  // owned by the container
    QWidget* container_ = nullptr;     // owned by the host widget
    mpv_render_context* context_ = nullptr;
    bool hasPicture_ = false;
    mpv_handle* mpv_ = nullptr;
    // libmpv's scaler for enlarged pictures as configured, and whether it is
    // replaced by "nearest" for a movie at its own size on a dense screen.
    std::string scale_;
    bool wholePixels_ = false;
};

}  // namespace rw
