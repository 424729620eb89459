#pragma once

#include <QImage>

#include "platform/mpv/FrameRenderer.h"

struct mpv_handle;
struct mpv_render_context;

namespace rw {

// libmpv's software render API drawing into an image of the movie's size on
// screen. On machines where OpenGL is itself done in software it costs a
// third of libmpv's GL renderer, and QWidget::grab() shows the movie.
//
// libmpv 0.35's software renderer cannot turn a picture (and aborts when
// asked to), so the player starts libmpv with video-rotate=no, and the turn
// that a movie's metadata asks for is done here when painting.
class SoftwareRenderer final : public FrameRenderer {
  public:
    // Creates the render context; throws PlatformError when libmpv refuses.
    // The context must exist before the first loadfile.
    SoftwareRenderer(mpv_handle* mpv, UpdateCallback callback, void* context);
    // Frees the render context; this must happen before the mpv handle is
    // destroyed.
    ~SoftwareRenderer() override;
    SoftwareRenderer(const SoftwareRenderer&) = delete;
    SoftwareRenderer& operator=(const SoftwareRenderer&) = delete;

    const char* Name() const override { return "sw"; }
    bool TakeUpdate() override;
    void Render(QSize size, qreal devicePixelRatio, int rotation, QSize movie) override;
    void Paint(QPainter& painter, const QRect& target) const override;
    bool HasPicture() const override { return !image_.isNull(); }
    void Clear() override { image_ = QImage(); }

  private:
    void Skip();

    mpv_render_context* context_ = nullptr;
    QImage image_;      // the picture before it is turned
    int rotation_ = 0;  // how far it is turned when painted
    // The picture is the movie's own pixels, each painted as a block of
    // whole device pixels rather than smoothed.
    bool wholePixels_ = false;
};

}  // namespace rw
