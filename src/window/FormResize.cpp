#include "platform/Step.h"
#include "window/Handlers.h"
#include "window/Layout.h"

namespace rw {

namespace {

// A window manager may refuse or clamp the height we ask for, which would
// make every pass ask again; nested passes are also bounded.
constexpr int kMaxResizeDepth = 4;

bool SameRequest(const Form& form, double cw, double ch, std::int32_t height) {
    const auto& last = form.lastHeightRequest;
    return last && last->clientWidth == cw && last->clientHeight == ch &&
           last->outerHeight == height;
}

}  // namespace

void Form_Resize(Form& form) {
    if (form.resizeDepth >= kMaxResizeDepth) return;
    ++form.resizeDepth;
    IWindow& w = form.window;

    LayoutInput in;
    Step([&] { in.clientWidth = w.ClientWidth(); });
    Step([&] { in.clientHeight = w.ClientHeight(); });
    Step([&] { in.logoWidth = w.LogoWidth(); });
    Step([&] { in.logoHeight = w.LogoHeight(); });
    Step([&] { in.twipsPerPixelX = w.TwipsPerPixelX(); });
    Step([&] { in.twipsPerPixelY = w.TwipsPerPixelY(); });
    in.movieAspect = form.movieAspect;
    Step([&] { in.originalSize = w.Checked(Menu::MovieSize); });
    Step([&] { in.showControls = w.Checked(Menu::MovieControls); });
    const LayoutResult out = ComputeLayout(in);

    const double cw = in.clientWidth, ch = in.clientHeight;
    // The memo only stops a chain of passes from asking again for a height
    // the window manager refused: it holds while the client area stays as it
    // was when we asked. Once the area has changed (the window was shortened,
    // clamped, dragged or restored) the same request is a new one.
    if (form.lastHeightRequest &&
        (form.lastHeightRequest->clientWidth != cw || form.lastHeightRequest->clientHeight != ch)) {
        form.lastHeightRequest.reset();
    }
    Step([&] {
        if (out.logoLeft && out.logoTop) w.MoveLogo(*out.logoLeft, *out.logoTop);
    });
    Step([&] { w.MoveFiles(0, 0, cw, ch); });
    Step([&] { w.MovePlayer(0, 0, cw, ch); });
    // A full-screen window keeps the screen's size: the movie is fitted into
    // it, centred, and the window is never shortened to the movie.
    bool fullScreen = false;
    Step([&] { fullScreen = w.FullScreen(); });
    Step([&] {
        const auto centred =
            fullScreen && !in.originalSize ? FullScreenMovieRect(in) : std::nullopt;
        if (centred) {
            form.player.SetMovieRect(*centred);
        } else if (out.movieRect) {
            form.player.SetMovieRect(*out.movieRect);
        }
    });
    if (!fullScreen && out.outerHeight && !SameRequest(form, cw, ch, *out.outerHeight)) {
        form.lastHeightRequest = Form::HeightRequest{cw, ch, *out.outerHeight};
        // A height refused outright (a maximized window, one still coming
        // back from full screen) set nothing going: the next pass asks again.
        if (!Step([&] { w.SetOuterHeight(*out.outerHeight); })) form.lastHeightRequest.reset();
    }
    --form.resizeDepth;
}

}  // namespace rw
