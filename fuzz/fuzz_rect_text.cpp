// Rectangle texts "left,top,right,bottom": the window's reading of the
// player's answer (AspectFromRectText) and the player's reading of the
// window's request (ParseMovieRect), which come from different sides of the
// same exchange and must agree wherever both accept the text.

#include <cmath>
#include <cstdlib>

#include "FuzzCheck.h"
#include "platform/mpv/pure/MovieGeometry.h"
#include "playback/AspectRatio.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text = rw::fuzz::TextOf(data, size);

    const double aspect = rw::AspectFromRectText(text);
    const auto rect = rw::ParseMovieRect(text);
    if (!rect) return 0;

    // The player keeps its coordinates small enough for its own arithmetic.
    for (int v : {rect->left, rect->top, rect->right, rect->bottom}) {
        FUZZ_CHECK(v >= -1'000'000 && v <= 1'000'000);
    }
    // Four plain integers: the window's reading gives the same ratio.
    const double expected = static_cast<double>(rect->Height()) / rect->Width();
    FUZZ_CHECK(aspect == expected || (std::isnan(aspect) && std::isnan(expected)));

    // The form in which the player reports a size reads back as that size,
    // for every size within the coordinate limit.
    const auto reported = rw::ParseMovieRect(rw::FormatMovieRect(rect->Width(), rect->Height()));
    if (std::abs(rect->Width()) <= 1'000'000 && std::abs(rect->Height()) <= 1'000'000) {
        FUZZ_CHECK(reported && reported->Width() == rect->Width() &&
                   reported->Height() == rect->Height());
    } else {
        FUZZ_CHECK(!reported);
    }

    // The controller bar for this rectangle, for every bar and area height a
    // screen can have: inside the area across, as wide as the movie's part
    // in it or the whole area.
    for (int bar : {1, 15, 60}) {
        for (int area : {0, rect->bottom, 1'000'000}) {
            for (int needed : {0, 300}) {
                const int areaWidth = 1280;
                const auto barRect =
                    rw::ControllerBarRect(*rect, bar, rw::BarRoom{areaWidth, area, needed});
                if (!barRect) {
                    FUZZ_CHECK(rect->Width() <= 0 || rect->Height() < 0);
                    continue;
                }
                FUZZ_CHECK(barRect->Height() == bar && barRect->left >= 0 &&
                           barRect->right <= areaWidth && barRect->Width() > 0);
                FUZZ_CHECK(barRect->Width() >= needed || barRect->Width() == areaWidth);
                // Directly below the movie when there is room; else inside
                // the area, as far as the area is as high as the bar.
                if (rect->bottom + bar <= area) {
                    FUZZ_CHECK(barRect->top == rect->bottom);
                } else {
                    FUZZ_CHECK(barRect->top >= 0 && (area < bar || barRect->bottom <= area));
                }
            }
        }
    }
    // A movie's shape fitted into the rectangle stays inside it.
    const auto fitted = rw::FitInside(*rect, 16, 9);
    FUZZ_CHECK(fitted.left >= rect->left && fitted.right <= rect->right &&
               fitted.top >= rect->top && fitted.bottom <= rect->bottom);
    return 0;
}
