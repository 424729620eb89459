#include "platform/mpv/pure/MovieGeometry.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace rw {
namespace {

// Coordinates beyond this are refused: they would overflow the arithmetic of
// widths, bar positions and Qt's own rectangles.
constexpr long long kMaxCoordinate = 1'000'000;

}  // namespace

std::string FormatMovieRect(int width, int height) {
    return "0,0," + std::to_string(width) + "," + std::to_string(height);
}

bool WithinCoordinateLimit(const PixelRect& rect) {
    for (const int v : {rect.left, rect.top, rect.right, rect.bottom}) {
        if (v > kMaxCoordinate || v < -kMaxCoordinate) return false;
    }
    return true;
}

void MoviePlacement::Send(const PixelRect& rect, const PixelRect& host, int movieWidth,
                          int movieHeight) {
    sent = rect;
    sentHost = host;
    sentForWidth = movieWidth;
    sentForHeight = movieHeight;
    previous.reset();
}

void MoviePlacement::NewMovie() {
    if (sent) {
        previous = sent;
        previousHost = sentHost;
    }
    sent.reset();
}

void MoviePlacement::HostMoved(const PixelRect& host) {
    if (sent && host != sentHost) sent.reset();
}

void MoviePlacement::Forget() {
    sent.reset();
    previous.reset();
}

std::optional<PixelRect> PictureArea(const MoviePlacement& placement, const PictureScene& scene) {
    const int w = scene.movieWidth, h = scene.movieHeight;
    switch (scene.showing) {
        case Showing::Picture:
            if (placement.sent) {
                // Sent for another size of the picture: shown whole in it
                // until the window has fitted the new one.
                const bool resized = placement.sentForWidth != w || placement.sentForHeight != h;
                if (resized && !SameShape(*placement.sent, w, h)) {
                    return FitInside(*placement.sent, w, h);
                }
                return placement.sent;
            }
            // A movie of the last one's shape keeps its rectangle until the
            // window sends one: nothing is stretched, and the GL window is not
            // moved to the movie's own size and back (a cost on every open).
            if (placement.previous && scene.host == placement.previousHost &&
                SameShape(*placement.previous, w, h)) {
                return placement.previous;
            }
            if (scene.fullScreen) {
                // At its own size in full screen: centred, as the window's
                // layout centres a fitted movie there.
                const int left = (scene.host.Width() - w) / 2;
                const int top = (scene.host.Height() - h) / 2;
                return PixelRect{left, top, left + w, top + h};
            }
            return PixelRect{0, 0, w, h};
        case Showing::Logo:
            return placement.sent ? *placement.sent : kNominalRect;
        case Showing::Nothing:
            break;
    }
    return std::nullopt;
}

std::optional<PixelRect> ControllerBarRect(const PixelRect& movie, int barHeight,
                                           const BarRoom& room) {
    if (movie.Width() <= 0 || movie.Height() < 0 || barHeight <= 0) return std::nullopt;
    int left = std::max(movie.left, 0);
    int right = std::min(movie.right, room.areaWidth);
    if (right <= left || right - left < room.neededWidth) {
        left = 0;
        right = std::max(room.areaWidth, 0);
    }
    if (right <= left) return std::nullopt;
    int top = movie.bottom;
    if (top + barHeight > room.areaHeight) top = std::max(room.areaHeight - barHeight, 0);
    return PixelRect{left, top, right, top + barHeight};
}

PixelRect FitInside(const PixelRect& box, int movieWidth, int movieHeight) {
    if (movieWidth <= 0 || movieHeight <= 0 || box.Width() <= 0 || box.Height() <= 0) return box;
    // In 64 bits: sides up to the coordinate limit multiply safely.
    const long long across = static_cast<long long>(box.Height()) * movieWidth / movieHeight;
    int width = box.Width(), height = box.Height();
    if (across <= box.Width()) {
        width = static_cast<int>(across);
    } else {
        height = static_cast<int>(static_cast<long long>(box.Width()) * movieHeight / movieWidth);
    }
    const int left = box.left + (box.Width() - width) / 2;
    const int top = box.top + (box.Height() - height) / 2;
    return PixelRect{left, top, left + width, top + height};
}

bool SameShape(const PixelRect& rect, int movieWidth, int movieHeight) {
    if (rect.Width() <= 0 || rect.Height() <= 0 || movieWidth <= 0 || movieHeight <= 0) {
        return false;
    }
    // Cross-multiplied in 64 bits: a pixel off in each side of the rectangle
    // moves the products apart by at most the sum of the movie's sides.
    const long long across = static_cast<long long>(rect.Width()) * movieHeight;
    const long long down = static_cast<long long>(rect.Height()) * movieWidth;
    return std::llabs(across - down) <= static_cast<long long>(movieWidth) + movieHeight;
}

int ControllerHeightForDpi(double dpi) {
    return static_cast<int>(std::lround(220.0 * dpi / 1440.0));
}

int WholePixelScale(int areaWidth, int areaHeight, int movieWidth, int movieHeight,
                    double devicePixelRatio) {
    if (movieWidth <= 0 || movieHeight <= 0) return 0;
    if (areaWidth != movieWidth || areaHeight != movieHeight) return 0;
    if (!std::isfinite(devicePixelRatio)) return 0;
    const double whole = std::round(devicePixelRatio);
    // Qt's ratios are exact for whole scale factors (2.0, not 1.9999).
    if (whole < 1 || whole > 16 || std::abs(devicePixelRatio - whole) > 1e-6) return 0;
    return static_cast<int>(whole);
}

}  // namespace rw
