#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace rw {

// Which of the two frame renderers the player uses.
enum class RendererKind { Software, OpenGl };

// Whether a GL_RENDERER string names a driver that draws in software
// (llvmpipe, softpipe, swrast), where libmpv's OpenGL renderer costs about
// three times the software one.
bool IsSoftwareGl(std::string_view glRenderer);

// The renderer for what is known of the machine. `requested` is the value of
// REELWICK_RENDERER: "gl" or "sw" decide; anything else leaves the choice to
// `glRenderer`, the GL_RENDERER string of a context made on the display, or
// none when no context could be made there: OpenGL on a hardware driver,
// software otherwise.
RendererKind ChooseRenderer(std::string_view requested,
                            const std::optional<std::string>& glRenderer);

// ChooseRenderer for this process: REELWICK_RENDERER, else a GL context made
// for a moment on the display. Only the X11 platform (xcb) is asked for one,
// and only when its server offers GL through a graphics driver; elsewhere
// (offscreen, minimal, Xvfb, LIBGL_ALWAYS_SOFTWARE) GL is missing or drawn in
// software. Call after QApplication is created, on its thread.
RendererKind ChooseRendererHere();

}  // namespace rw
