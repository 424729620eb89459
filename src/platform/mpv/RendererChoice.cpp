#include "platform/mpv/RendererChoice.h"

#include <xcb/xcb.h>

#include <QGuiApplication>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLFunctions>
#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <cstring>

namespace rw {
namespace {

std::string Lower(std::string_view text) {
    std::string lower(text);
    std::transform(lower.begin(), lower.end(), lower.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return lower;
}

// Whether the X server offers GL through a graphics driver: direct rendering
// (DRI3, DRI2) or NVIDIA's own GLX. Without any, GL can only be drawn in
// software, and there is no need to load a GL driver to find that out: the
// software one alone adds some 50 MB to the process.
bool ServerOffersGpuGl() {
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* connection = x11 != nullptr ? x11->connection() : nullptr;
    if (connection == nullptr) return false;
    const char* const names[] = {"DRI3", "DRI2", "NV-GLX"};
    xcb_query_extension_cookie_t cookies[std::size(names)];
    for (std::size_t i = 0; i < std::size(names); ++i) {
        cookies[i] = xcb_query_extension(connection, std::strlen(names[i]), names[i]);
    }
    bool offered = false;
    for (const auto& cookie : cookies) {
        xcb_query_extension_reply_t* reply = xcb_query_extension_reply(connection, cookie, nullptr);
        offered = offered || (reply != nullptr && reply->present != 0);
        std::free(reply);
    }
    return offered;
}

// GL_RENDERER of a context made for a moment on the display; none without
// one. The driver's library stays loaded afterwards; the context does not.
std::optional<std::string> ProbeGlRenderer() {
    QOffscreenSurface surface;
    surface.create();
    QOpenGLContext context;
    if (!surface.isValid() || !context.create() || !context.makeCurrent(&surface)) {
        return std::nullopt;
    }
    const auto* text = reinterpret_cast<const char*>(context.functions()->glGetString(GL_RENDERER));
    std::optional<std::string> renderer;
    if (text != nullptr) renderer = text;
    context.doneCurrent();
    return renderer;
}

}  // namespace

bool IsSoftwareGl(std::string_view glRenderer) {
    const std::string lower = Lower(glRenderer);
    for (const char* name : {"llvmpipe", "softpipe", "swrast"}) {
        if (lower.find(name) != std::string::npos) return true;
    }
    return false;
}

RendererKind ChooseRenderer(std::string_view requested,
                            const std::optional<std::string>& glRenderer) {
    const std::string choice = Lower(requested);
    if (choice == "gl") return RendererKind::OpenGl;
    if (choice == "sw") return RendererKind::Software;
    return glRenderer && !glRenderer->empty() && !IsSoftwareGl(*glRenderer)
               ? RendererKind::OpenGl
               : RendererKind::Software;
}

RendererKind ChooseRendererHere() {
    const QByteArray requested = qgetenv("REELWICK_RENDERER");
    const std::string_view choice(requested.constData(), requested.size());
    // A decided choice spares making a GL context at all.
    const RendererKind decided = ChooseRenderer(choice, std::nullopt);
    if (decided == RendererKind::OpenGl || Lower(choice) == "sw") return decided;
    // Mesa's switch for drawing GL in software.
    if (!qEnvironmentVariableIsEmpty("LIBGL_ALWAYS_SOFTWARE")) return RendererKind::Software;
    if (QGuiApplication::platformName() != QLatin1String("xcb") || !ServerOffersGpuGl()) {
        return RendererKind::Software;
    }
    return ChooseRenderer(choice, ProbeGlRenderer());
}

}  // namespace rw
