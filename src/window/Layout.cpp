#include "window/Layout.h"

#include <cmath>

#include "window/Numbers.h"

namespace rw {

namespace {

// Div of two values that are rounded first.
std::optional<std::int32_t> DivRounded(std::optional<std::int32_t> a, double b) {
    const auto rb = Round(b);
    if (!a || !rb) return std::nullopt;
    return Div(*a, *rb);
}

}  // namespace

LayoutResult ComputeLayout(const LayoutInput& in) {
    LayoutResult out;
    const double cw = in.clientWidth, ch = in.clientHeight;

    // The logo moves only when both coordinates can be computed.
    const auto logoLeft = DivRounded(Round(cw - in.logoWidth), 2);
    const auto logoTop = DivRounded(Round(ch - in.logoHeight), 2);
    if (logoLeft && logoTop) {
        out.logoLeft = logoLeft;
        out.logoTop = logoTop;
    }

    if (in.originalSize) return out;

    // Each working value keeps 0 when its own step fails.
    const std::int32_t h = Round(in.showControls ? ch - kControllerTwips : ch).value_or(0);
    const std::int32_t fh = Round(cw * in.movieAspect).value_or(0);
    std::int32_t fw = 0;
    if (in.movieAspect != 0 && !std::isnan(in.movieAspect)) {
        fw = Round(static_cast<double>(h) / in.movieAspect).value_or(0);
    }

    if (cw >= static_cast<double>(fw)) {
        const std::int32_t l = DivRounded(Round(cw - fw), 2 * in.twipsPerPixelX).value_or(0);
        const auto right = DivRounded(fw, in.twipsPerPixelX);
        const auto bottom = DivRounded(h, in.twipsPerPixelY);
        if (right && bottom) {
            if (const auto r = Add(*right, l)) out.movieRect = PixelRect{l, 0, *r, *bottom};
        }
        return out;
    }
    if (ch >= static_cast<double>(fh)) {
        const auto right = DivRounded(Round(cw), in.twipsPerPixelX);
        const auto bottom = DivRounded(fh, in.twipsPerPixelY);
        if (right && bottom) out.movieRect = PixelRect{0, 0, *right, *bottom};
        out.outerHeight = Add(fh, kControllerTwips);
    }
    return out;
}

std::optional<PixelRect> FullScreenMovieRect(const LayoutInput& in) {
    const double aspect = in.movieAspect;
    if (!(aspect > 0) || !std::isfinite(aspect) || !(in.twipsPerPixelX > 0) ||
        !(in.twipsPerPixelY > 0)) {
        return std::nullopt;
    }
    const double width = in.clientWidth / in.twipsPerPixelX;
    const double height = in.clientHeight / in.twipsPerPixelY;
    if (!(width >= 1) || !(height >= 1) || width > 1e6 || height > 1e6) return std::nullopt;
    double w = width, h = width * aspect;
    if (h > height) {
        h = height;
        w = height / aspect;
    }
    const auto pw = static_cast<std::int32_t>(std::lround(w));
    const auto ph = static_cast<std::int32_t>(std::lround(h));
    const auto left = static_cast<std::int32_t>(std::lround((width - pw) / 2));
    const auto top = static_cast<std::int32_t>(std::lround((height - ph) / 2));
    return PixelRect{left, top, left + pw, top + ph};
}

}  // namespace rw
