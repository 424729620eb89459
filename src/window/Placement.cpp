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

}  // namespace rw
