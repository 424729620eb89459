#pragma once

#include <cstdint>
#include <optional>

#include "platform/PixelRect.h"

namespace rw {

// Room kept below the movie for the player's controller, in twips.
inline constexpr std::int32_t kControllerTwips = 220;

struct LayoutInput {
    double clientWidth = 0, clientHeight = 0;  // twips
    double logoWidth = 0, logoHeight = 0;      // twips
    double movieAspect = 0;                    // height / width
    bool originalSize = false;
    bool showControls = true;
    double twipsPerPixelX = 15, twipsPerPixelY = 15;
};

struct LayoutResult {
    // Logo position in twips; absent when the centring step failed.
    std::optional<std::int32_t> logoLeft, logoTop;
    // Where the player draws the movie, in pixels; absent when none is sent.
    std::optional<PixelRect> movieRect;
    // New outer window height in twips when the window should shrink to the
    // movie.
    std::optional<std::int32_t> outerHeight;
};

// The window's layout arithmetic: centres the logo and fits the movie into
// the client area keeping its aspect ratio. Pure; never throws.
LayoutResult ComputeLayout(const LayoutInput& in);

// The movie's rectangle in full screen: as large as the client area allows
// with the aspect ratio kept, centred both ways (the play bar lies over the
// picture there, so no room is kept for it). Nothing for an unusable ratio
// or area, where the windowed layout's rectangle serves. Pure; never throws.
std::optional<PixelRect> FullScreenMovieRect(const LayoutInput& in);

}  // namespace rw
