#include "platform/mpv/SoftwareRenderer.h"

#include <mpv/render.h>

#include <QPainter>
#include <cmath>
#include <cstdlib>

#include "platform/Step.h"
#include "platform/mpv/pure/MovieGeometry.h"

namespace rw {
namespace {

// libmpv converts fastest into rows and buffers aligned to 64 bytes.
constexpr int kAlignment = 64;
// An image larger than this (a movie stretched over a huge area) is rendered
// smaller and scaled up by the painter instead of taking hundreds of MB.
constexpr qint64 kMaxPixels = 4096LL * 4096LL;

// An RGB32 image whose rows and data start on kAlignment bytes.
QImage AlignedImage(QSize size) {
    const qsizetype stride = (size.width() * 4 + kAlignment - 1) / kAlignment * kAlignment;
    void* data = std::aligned_alloc(kAlignment, static_cast<std::size_t>(stride) * size.height());
    if (data == nullptr) return QImage();
    return QImage(
        static_cast<uchar*>(data), size.width(), size.height(), stride, QImage::Format_RGB32,
        [](void* info) { std::free(info); }, data);
}

QSize PixelSize(QSize size, qreal devicePixelRatio) {
    QSize pixels(qRound(size.width() * devicePixelRatio), qRound(size.height() * devicePixelRatio));
    const qint64 area = qint64(pixels.width()) * pixels.height();
    if (area > kMaxPixels) {
        const double shrink = std::sqrt(double(kMaxPixels) / double(area));
        pixels =
            QSize(qMax(1, int(pixels.width() * shrink)), qMax(1, int(pixels.height() * shrink)));
    }
    return pixels;
}

bool Sideways(int rotation) { return rotation == 90 || rotation == 270; }

}  // namespace

SoftwareRenderer::SoftwareRenderer(mpv_handle* mpv, UpdateCallback callback, void* context) {
    mpv_render_param params[] = {
        {MPV_RENDER_PARAM_API_TYPE, const_cast<char*>(MPV_RENDER_API_TYPE_SW)},
        {MPV_RENDER_PARAM_INVALID, nullptr},
    };
    if (mpv_render_context_create(&context_, mpv, params) < 0) {
        throw PlatformError(Service::Player, "libmpv has no software renderer");
    }
    mpv_render_context_set_update_callback(context_, callback, context);
}

SoftwareRenderer::~SoftwareRenderer() {
    mpv_render_context_set_update_callback(context_, nullptr, nullptr);
    mpv_render_context_free(context_);
}

bool SoftwareRenderer::TakeUpdate() {
    return (mpv_render_context_update(context_) & MPV_RENDER_UPDATE_FRAME) != 0;
}

void SoftwareRenderer::Render(QSize size, qreal devicePixelRatio, int rotation, QSize movie) {
    if (size.isEmpty()) {
        Skip();
        return;
    }
    rotation_ = rotation;
    const QSize upright = Sideways(rotation) ? size.transposed() : size;
    // At its own size on a dense screen the movie's pixels are repeated, not
    // interpolated by libmpv's scaler, which would blur their edges.
    wholePixels_ = WholePixelScale(size.width(), size.height(), movie.width(), movie.height(),
                                   devicePixelRatio) > 0 &&
                   qint64(upright.width()) * upright.height() <= kMaxPixels;
    const QSize pixels = wholePixels_ ? upright : PixelSize(upright, devicePixelRatio);
    if (image_.size() != pixels) image_ = AlignedImage(pixels);
    if (image_.isNull()) {
        Skip();
        return;
    }
    uchar* const pixelData = image_.bits();
    int target[2] = {pixels.width(), pixels.height()};
    std::size_t stride = static_cast<std::size_t>(image_.bytesPerLine());
    // The GUI thread must not sleep until the frame's display time; libmpv
    // is told to hand over frames only when they are due instead
    // (video-timing-offset=0).
    int block = 0;
    mpv_render_param params[] = {
        {MPV_RENDER_PARAM_SW_SIZE, target},
        {MPV_RENDER_PARAM_SW_FORMAT, const_cast<char*>("bgr0")},
        {MPV_RENDER_PARAM_SW_STRIDE, &stride},
        {MPV_RENDER_PARAM_SW_POINTER, pixelData},
        {MPV_RENDER_PARAM_BLOCK_FOR_TARGET_TIME, &block},
        {MPV_RENDER_PARAM_INVALID, nullptr},
    };
    if (mpv_render_context_render(context_, params) < 0) image_ = QImage();
}

void SoftwareRenderer::Paint(QPainter& painter, const QRect& target) const {
    if (image_.isNull() || target.isEmpty()) return;
    const QSize upright = Sideways(rotation_) ? target.size().transposed() : target.size();
    const bool scaled = image_.size() != upright * painter.device()->devicePixelRatioF();
    painter.setRenderHint(QPainter::SmoothPixmapTransform, scaled && !wholePixels_);
    if (rotation_ == 0) {
        painter.drawImage(target, image_);
        return;
    }
    painter.save();
    painter.translate(QRectF(target).center());
    painter.rotate(rotation_);
    painter.drawImage(QRectF(QPointF(-upright.width() / 2.0, -upright.height() / 2.0), upright),
                      image_);
    painter.restore();
}

void SoftwareRenderer::Skip() {
    int skip = 1;
    int block = 0;
    mpv_render_param params[] = {
        {MPV_RENDER_PARAM_SKIP_RENDERING, &skip},
        {MPV_RENDER_PARAM_BLOCK_FOR_TARGET_TIME, &block},
        {MPV_RENDER_PARAM_INVALID, nullptr},
    };
    mpv_render_context_render(context_, params);
}

}  // namespace rw
