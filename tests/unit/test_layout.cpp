#include <gtest/gtest.h>

#include <limits>

#include "window/Layout.h"

namespace rw {
namespace {

const double kNaN = std::numeric_limits<double>::quiet_NaN();
const double kInf = std::numeric_limits<double>::infinity();

struct Case {
    const char* name;
    double cw, ch, aspect;
    bool controls, originalSize;
    std::optional<PixelRect> rect;
    std::optional<std::int32_t> height;
    double tpp = 15;
};

TEST(Layout, FitsTheMovie) {
    const std::optional<PixelRect> none;
    const Case cases[] = {
        {"full height, no margin", 4800, 3820, 0.75, true, false, PixelRect{0, 0, 320, 240}, {}},
        {"centred across", 6000, 3820, 0.75, true, false, PixelRect{40, 0, 360, 240}, {}},
        {"too tall: full width, window shortened", 4800, 5000, 0.75, true, false,
         PixelRect{0, 0, 320, 240}, 3820},
        {"controls off gives the full height", 4800, 3820, 0.75, false, false,
         PixelRect{0, 0, 320, 240}, 3820},
        {"client lower than the controller",
         4800,
         100,
         0.75,
         true,
         false,
         PixelRect{165, 0, 155, -8},
         {}},
        {"original size sends nothing", 4800, 3820, 0.75, true, true, none, {}},
        {"no movie yet: zero width at the centre",
         4800,
         3820,
         0.0,
         true,
         false,
         PixelRect{160, 0, 160, 240},
         {}},
        {"not-a-number aspect", 4800, 3820, kNaN, true, false, PixelRect{160, 0, 160, 240}, {}},
        {"infinite aspect", 4800, 3820, kInf, true, false, PixelRect{160, 0, 160, 240}, {}},
        {"fitted height rounds half to even", 4806, 5000, 0.75, true, false,
         PixelRect{0, 0, 320, 240}, 3824},
        {"wide movie in a tall window", 4800, 9000, 0.5625, true, false, PixelRect{0, 0, 320, 180},
         2920},
        {"zero twips per pixel sends nothing", 4800, 3820, 0.75, true, false, none, {}, 0},
        {"20 twips per pixel (72 dpi)",
         4800,
         3820,
         0.75,
         true,
         false,
         PixelRect{0, 0, 240, 180},
         {},
         20},
        {"empty client area", 0, 0, 0.75, true, false, PixelRect{9, 0, -10, -14}, {}},
        {"huge aspect overflows fitted height",
         4800,
         3820,
         1e300,
         true,
         false,
         PixelRect{160, 0, 160, 240},
         {}},
    };
    for (const auto& c : cases) {
        LayoutInput in;
        in.clientWidth = c.cw;
        in.clientHeight = c.ch;
        in.logoWidth = 1605;
        in.logoHeight = 1560;
        in.movieAspect = c.aspect;
        in.showControls = c.controls;
        in.originalSize = c.originalSize;
        in.twipsPerPixelX = in.twipsPerPixelY = c.tpp;
        const auto out = ComputeLayout(in);
        EXPECT_EQ(out.movieRect, c.rect) << c.name;
        EXPECT_EQ(out.outerHeight, c.height) << c.name;
    }
}

TEST(Layout, CentresTheLogoTruncatingTowardZero) {
    struct LogoCase {
        double cw, ch;
        std::int32_t left, top;
    };
    const LogoCase cases[] = {
        {5205, 4260, 1800, 1350},  // initial window
        {1606, 1561, 0, 0},        // odd difference: the extra twip goes right and down
        {1600, 1555, -2, -2},      // logo larger than the client area
        {1605, 1560, 0, 0},
    };
    for (const auto& c : cases) {
        LayoutInput in;
        in.clientWidth = c.cw;
        in.clientHeight = c.ch;
        in.logoWidth = 1605;
        in.logoHeight = 1560;
        in.originalSize = true;  // the logo is centred in every mode
        const auto out = ComputeLayout(in);
        EXPECT_EQ(out.logoLeft, c.left) << c.cw;
        EXPECT_EQ(out.logoTop, c.top) << c.ch;
    }
}

TEST(Layout, SurvivesNonFiniteClientSizes) {
    for (double bad : {kNaN, kInf, -kInf, 1e300}) {
        LayoutInput in;
        in.clientWidth = bad;
        in.clientHeight = 3820;
        in.movieAspect = 0.75;
        const auto out = ComputeLayout(in);
        EXPECT_FALSE(out.logoLeft.has_value()) << bad;
        EXPECT_FALSE(out.outerHeight.has_value() && *out.outerHeight < 0) << bad;
    }
}

}  // namespace
}  // namespace rw
