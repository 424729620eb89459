#include "platform/mpv/GlRenderer.h"

#include <mpv/render_gl.h>

#include <QGuiApplication>
#include <QOpenGLContext>
#include <QPointer>
#include <QWidget>
#include <QWindow>

#include "platform/Step.h"
#include "platform/mpv/pure/MovieGeometry.h"

namespace rw {

// The native window the picture is drawn into. It redraws the current frame
// whenever the window system shows it again (first shown, uncovered,
// resized).
class GlVideoWindow final : public QWindow {
  public:
    explicit GlVideoWindow(GlRenderer& renderer) : renderer_(renderer) {}

  protected:
    void exposeEvent(QExposeEvent*) override {
        if (isExposed()) renderer_.Redraw();
    }

  private:
    GlRenderer& renderer_;
};

namespace {

void* GetProcAddress(void* context, const char* name) {
    return reinterpret_cast<void*>(static_cast<QOpenGLContext*>(context)->getProcAddress(name));
}

// The X display Qt uses: libmpv needs it to share hardware-decoded pictures
// with GL (VA-API and VDPAU on GLX). None on other platforms.
void* X11Display() {
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 != nullptr ? static_cast<void*>(x11->display()) : nullptr;
}

}  // namespace

GlRenderer::GlRenderer(mpv_handle* mpv, UpdateCallback callback, void* context, QWidget* host)
    : mpv_(mpv) {
    // Read before anything plays, when a blocking call costs nothing.
    if (char* scale = mpv_get_property_string(mpv, "scale")) {
        scale_ = scale;
        mpv_free(scale);
    }
    gl_ = std::make_unique<QOpenGLContext>();
    if (!gl_->create()) throw PlatformError(Service::Player, "no OpenGL context");

    auto window = std::make_unique<GlVideoWindow>(*this);
    window->setSurfaceType(QSurface::OpenGLSurface);
    window->setFormat(gl_->format());
    // Clicks, keys and drops go to the widgets underneath.
    window->setFlag(Qt::WindowTransparentForInput);
    window->create();
    window_ = window.get();
    // The window exists but is not shown yet: GL can be made current on it,
    // so the render context exists before the first loadfile.
    if (window->handle() == nullptr || !MakeCurrent()) {
        throw PlatformError(Service::Player, "no OpenGL window");
    }

    mpv_opengl_init_params init{&GetProcAddress, gl_.get()};
    void* display = X11Display();
    mpv_render_param params[] = {
        {MPV_RENDER_PARAM_API_TYPE, const_cast<char*>(MPV_RENDER_API_TYPE_OPENGL)},
        {MPV_RENDER_PARAM_OPENGL_INIT_PARAMS, &init},
        // Without a display the list ends here.
        {display != nullptr ? MPV_RENDER_PARAM_X11_DISPLAY : MPV_RENDER_PARAM_INVALID, display},
        {MPV_RENDER_PARAM_INVALID, nullptr},
    };
    if (mpv_render_context_create(&context_, mpv, params) < 0) {
        gl_->doneCurrent();
        throw PlatformError(Service::Player, "libmpv has no OpenGL renderer");
    }
    mpv_render_context_set_update_callback(context_, callback, context);

    container_ = QWidget::createWindowContainer(window.release(), host);
    // The window takes no input; the widget that holds it passes the mouse
    // on to the player, and never takes the keyboard focus.
    container_->setAttribute(Qt::WA_TransparentForMouseEvents);
    container_->setFocusPolicy(Qt::NoFocus);
    container_->hide();
}

GlRenderer::~GlRenderer() {
    mpv_render_context_set_update_callback(context_, nullptr, nullptr);
    // libmpv frees its GL objects: their context must be current.
    MakeCurrent();
    mpv_render_context_free(context_);
    gl_->doneCurrent();
    delete container_;  // and the window with it
}

bool GlRenderer::TakeUpdate() {
    return (mpv_render_context_update(context_) & MPV_RENDER_UPDATE_FRAME) != 0;
}

void GlRenderer::Render(QSize size, qreal devicePixelRatio, int, QSize movie) {
    // The window has the movie's size already (SetArea), in device pixels;
    // libmpv turns the picture itself.
    if (!size.isEmpty()) {
        SetWholePixels(WholePixelScale(size.width(), size.height(), movie.width(), movie.height(),
                                       devicePixelRatio) > 1);
    }
    Draw(size.isEmpty());
}

// libmpv's GL scaler interpolates whatever it enlarges. For a movie at its
// own size on a dense screen each pixel becomes a block of whole device
// pixels, and "nearest" keeps their edges sharp; libmpv draws the frame
// again once the option has changed.
void GlRenderer::SetWholePixels(bool whole) {
    if (whole == wholePixels_ || scale_.empty()) return;
    wholePixels_ = whole;
    const char* scale = whole ? "nearest" : scale_.c_str();
    mpv_set_property_async(mpv_, 0, "scale", MPV_FORMAT_STRING, &scale);
}

void GlRenderer::Redraw() { Draw(false); }

void GlRenderer::SetArea(const QRect& area) {
    if (container_ == nullptr) return;
    if (area.isEmpty()) {
        container_->hide();
        return;
    }
    if (container_->geometry() != area) container_->setGeometry(area);
    if (container_->isHidden()) container_->show();
}

bool GlRenderer::MakeCurrent() { return window_ != nullptr && gl_->makeCurrent(window_); }

void GlRenderer::Draw(bool skip) {
    // A frame that is not shown is still taken, so that libmpv never waits
    // for it; that too needs the context.
    if (!MakeCurrent()) return;
    const bool shown = !skip && window_->isExposed();
    const QSize pixels = window_->size() * window_->devicePixelRatio();
    mpv_opengl_fbo fbo{static_cast<int>(gl_->defaultFramebufferObject()), pixels.width(),
                       pixels.height(), 0};
    int flipY = 1;
    int block = 0;  // frames come when due (video-timing-offset=0): never wait
    int skipRendering = shown ? 0 : 1;
    mpv_render_param params[] = {
        {MPV_RENDER_PARAM_OPENGL_FBO, &fbo},
        {MPV_RENDER_PARAM_FLIP_Y, &flipY},
        {MPV_RENDER_PARAM_BLOCK_FOR_TARGET_TIME, &block},
        {MPV_RENDER_PARAM_SKIP_RENDERING, &skipRendering},
        {MPV_RENDER_PARAM_INVALID, nullptr},
    };
    if (mpv_render_context_render(context_, params) < 0 || !shown) return;
    gl_->swapBuffers(window_);
    hasPicture_ = true;
}

}  // namespace rw
