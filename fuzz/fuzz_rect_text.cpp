// Rectangle texts "left,top,right,bottom", as the window reads the player's
// answer (ReadRectText, AspectFromRectText), and the player's geometry for
// every rectangle such a text can name.

#include <cmath>
#include <cstdlib>

#include "FuzzCheck.h"
#include "platform/mpv/pure/MovieGeometry.h"
#include "playback/MovieRatio.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text = rw::fuzz::TextOf(data, size);

    const auto fields = rw::ReadRectText(text);
    const double aspect = rw::AspectFromRectText(text);
    // The ratio is the fields' own, where their differences fit.
    const double height = static_cast<double>(fields[3]) - fields[1];
    const double width = static_cast<double>(fields[2]) - fields[0];
    if (std::abs(height) < 2e9 && std::abs(width) < 2e9) {
        const double expected = height / width;
        FUZZ_CHECK(aspect == expected || (std::isnan(aspect) && std::isnan(expected)));
    }

    const rw::PixelRect taken{fields[0], fields[1], fields[2], fields[3]};
    if (!rw::WithinCoordinateLimit(taken)) return 0;
    const rw::PixelRect* rect = &taken;

    // The form in which the player reports a size reads back as that size.
    if (rect->Width() >= 0 && rect->Height() >= 0) {
        const auto reported = rw::ReadRectText(rw::FormatMovieRect(rect->Width(), rect->Height()));
        FUZZ_CHECK(reported[0] == 0 && reported[1] == 0 && reported[2] == rect->Width() &&
                   reported[3] == rect->Height());
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
