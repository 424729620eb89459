#include "window/Placement.h"

#include <algorithm>

#include "window/Numbers.h"

namespace rw {

std::optional<std::int32_t> CentredOrigin(double screenExtent, double windowExtent) {
    const auto diff = Round(screenExtent - windowExtent);
    if (!diff) return std::nullopt;
    return Div(*diff, 2);
}

std::optional<RectTwips> ParsePlacement(const StoredPlacement& texts) {
    // "Left" is a single-precision value; the other three go to the move
    // operation as numbers.
    const auto left = ParseSingle(texts.left);
    const auto top = ParseNumber(texts.top);
    const auto width = ParseNumber(texts.width);
    const auto height = ParseNumber(texts.height);
    if (!left || !top || !width || !height) return std::nullopt;
    return RectTwips{*left, *top, *width, *height};
}

bool TitleBarOnAnyScreen(const RectTwips& placement, double titleBarHeight,
                         const std::vector<RectTwips>& screens) {
    const double left = placement.left, right = placement.left + placement.width;
    const double top = placement.top, bottom = placement.top + titleBarHeight;
    return std::any_of(screens.begin(), screens.end(), [&](const RectTwips& s) {
        const double sRight = s.left + s.width, sBottom = s.top + s.height;
        return left < sRight && right > s.left && top < sBottom && bottom > s.top;
    });
}

namespace {

double Overlap(double a, double aLength, double b, double bLength) {
    return std::max(0.0, std::min(a + aLength, b + bLength) - std::max(a, b));
}

// `start` moved as little as needed to lie within [low, high]; `low` wins
// where the range is empty.
double Within(double start, double low, double high) {
    return std::max(low, std::min(start, high));
}

}  // namespace

std::optional<RectTwips> ScreenOf(const RectTwips& placement, double titleBarHeight,
                                  const std::vector<RectTwips>& screens) {
    if (screens.empty()) return std::nullopt;
    const RectTwips* best = &screens.front();
    double bestArea = 0;
    for (const auto& s : screens) {
        const double area = Overlap(placement.left, placement.width, s.left, s.width) *
                            Overlap(placement.top, titleBarHeight, s.top, s.height);
        if (area > bestArea) {
            bestArea = area;
            best = &s;
        }
    }
    return *best;
}

RectTwips FitToScreen(RectTwips p, double titleBarHeight, const RectTwips& screen) {
    if (p.width > screen.width) {
        p.width = screen.width;
        p.left = screen.left;
    }
    if (p.height > screen.height) {
        p.height = screen.height;
        p.top = screen.top;
    }
    // The title bar wholly on the screen down, and some of it across.
    p.top = Within(p.top, screen.top, screen.top + screen.height - titleBarHeight);
    if (p.left + p.width <= screen.left || p.left >= screen.left + screen.width) {
        p.left = Within(p.left, screen.left, screen.left + screen.width - p.width);
    }
    return p;
}

}  // namespace rw
