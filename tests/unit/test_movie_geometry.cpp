#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <string>

#include "platform/PlayText.h"
#include "platform/mpv/pure/MovieGeometry.h"

namespace rw {
namespace {

TEST(WithinCoordinateLimit, RefusesWhatWouldOverflowTheDrawing) {
    const struct {
        const char* name;
        PixelRect rect;
        bool taken;
    } cases[] = {
        {"an ordinary rectangle", {10, 20, 170, 140}, true},
        {"an inverted one (draws nothing)", {100, 100, 50, 50}, true},
        {"negative coordinates", {-5, -6, -1, -2}, true},
        {"a million pixels", {1000000, 0, 0, -1000000}, true},
        {"one past a million", {1000001, 0, 0, 0}, false},
        {"one below minus a million", {0, 0, 0, -1000001}, false},
    };
    for (const auto& c : cases) EXPECT_EQ(WithinCoordinateLimit(c.rect), c.taken) << c.name;
}

constexpr PixelRect kHost{0, 0, 640, 480};
constexpr PixelRect kMovedHost{10, 0, 650, 480};

TEST(PictureArea, DrawsTheRectangleSentOrWhatComesBeforeIt) {
    using R = PixelRect;
    const std::optional<R> none;
    const auto pic = Showing::Picture, logo = Showing::Logo;
    const struct {
        const char* name;
        std::optional<R> sent;
        int sentW, sentH;  // the movie's size when it was sent
        std::optional<R> previous;
        Showing showing;
        int w, h;
        R host;
        bool fullScreen;
        std::optional<R> area;
    } cases[] = {
        {"nothing to show", R{0, 0, 320, 240}, 320, 240, none, Showing::Nothing, 320, 240, kHost,
         false, none},
        {"the rectangle sent", R{10, 20, 330, 260}, 320, 240, none, pic, 320, 240, kHost, false,
         R{10, 20, 330, 260}},
        {"a new size of the same shape fills it", R{0, 0, 640, 480}, 320, 240, none, pic, 160, 120,
         kHost, false, R{0, 0, 640, 480}},
        {"a reshaped picture is fitted inside it", R{0, 0, 640, 480}, 320, 240, none, pic, 640, 360,
         kHost, false, R{0, 60, 640, 420}},
        {"natural size before a rectangle", none, 0, 0, none, pic, 320, 240, kHost, false,
         R{0, 0, 320, 240}},
        {"the last movie's rectangle lent", none, 0, 0, R{0, 0, 640, 480}, pic, 320, 240, kHost,
         false, R{0, 0, 640, 480}},
        {"not lent to another shape", none, 0, 0, R{0, 0, 640, 480}, pic, 640, 360, kHost, false,
         R{0, 0, 640, 360}},
        {"not lent after the player moved", none, 0, 0, R{0, 0, 640, 480}, pic, 320, 240,
         kMovedHost, false, R{0, 0, 320, 240}},
        {"natural size centred in full screen", none, 0, 0, none, pic, 320, 240, kHost, true,
         R{160, 120, 480, 360}},
        {"a logo at the nominal size", none, 0, 0, none, logo, 0, 0, kHost, false,
         R{0, 0, 320, 240}},
        {"a logo in the rectangle sent", R{5, 5, 105, 85}, 0, 0, none, logo, 0, 0, kHost, false,
         R{5, 5, 105, 85}},
    };
    for (const auto& c : cases) {
        MoviePlacement placement;
        placement.sent = c.sent;
        placement.sentHost = kHost;
        placement.sentForWidth = c.sentW;
        placement.sentForHeight = c.sentH;
        placement.previous = c.previous;
        placement.previousHost = kHost;
        const PictureScene scene{c.showing, c.w, c.h, c.host, c.fullScreen};
        EXPECT_EQ(PictureArea(placement, scene), c.area) << c.name;
    }
}

TEST(MoviePlacement, KeepsTheRectangleOnlyWhereItWasSent) {
    const PixelRect sent{0, 0, 640, 480};
    const struct {
        const char* name;
        void (*step)(MoviePlacement&);
        std::optional<PixelRect> sentAfter, previousAfter;
    } cases[] = {
        {"a new movie borrows it", [](MoviePlacement& p) { p.NewMovie(); }, std::nullopt, sent},
        {"an event of the same place keeps it", [](MoviePlacement& p) { p.HostMoved(kHost); }, sent,
         std::nullopt},
        {"a move elsewhere drops it", [](MoviePlacement& p) { p.HostMoved(kMovedHost); },
         std::nullopt, std::nullopt},
        {"placed anew: none at all",
         [](MoviePlacement& p) {
             p.NewMovie();
             p.Forget();
         },
         std::nullopt, std::nullopt},
    };
    for (const auto& c : cases) {
        MoviePlacement placement;
        placement.Send(sent, kHost, 320, 240);
        c.step(placement);
        EXPECT_EQ(placement.sent, c.sentAfter) << c.name;
        EXPECT_EQ(placement.previous, c.previousAfter) << c.name;
    }
}

TEST(FormatMovieRect, WritesOriginAndSize) {
    EXPECT_EQ(FormatMovieRect(320, 240), "0,0,320,240");
    EXPECT_EQ(FormatMovieRect(1024, 576), "0,0,1024,576");
}

struct BarCase {
    const char* name;
    PixelRect movie;
    int barHeight;
    BarRoom room;  // area width and height, what the controls need
    std::optional<PixelRect> bar;
};

class ControllerBarRectTest : public testing::TestWithParam<BarCase> {};

TEST_P(ControllerBarRectTest, SitsBelowTheMovieInsideTheArea) {
    const BarCase& c = GetParam();
    EXPECT_EQ(ControllerBarRect(c.movie, c.barHeight, c.room), c.bar) << c.name;
}

// Below the movie when there is room; else pulled up over its bottom; as
// wide as the movie's part inside the area, or the whole area where that is
// too narrow for the controls; none for a movie drawn without width (or
// upside down), or a bar without height.
const BarCase kBars[] = {
    {"below the movie", {0, 0, 320, 240}, 15, {640, 400, 270}, PixelRect{0, 240, 320, 255}},
    {"below a movie placed inside the area",
     {10, 20, 170, 140},
     15,
     {640, 155, 100},
     PixelRect{10, 140, 170, 155}},
    {"pulled up: no room below",
     {0, 0, 320, 240},
     15,
     {640, 245, 270},
     PixelRect{0, 230, 320, 245}},
    {"pulled up over a movie taller than the area",
     {0, 0, 320, 600},
     15,
     {640, 400, 270},
     PixelRect{0, 385, 320, 400}},
    {"an area lower than the bar: at its top",
     {0, 0, 320, 240},
     15,
     {640, 10, 270},
     PixelRect{0, 0, 320, 15}},
    {"a movie without height", {0, 50, 320, 50}, 15, {640, 400, 270}, PixelRect{0, 50, 320, 65}},
    {"exactly as wide as the controls need",
     {0, 0, 270, 200},
     15,
     {640, 400, 270},
     PixelRect{0, 200, 270, 215}},
    // A portrait movie in a wide window: the bar spans the window.
    {"a portrait movie: the window's width",
     {246, 0, 393, 262},
     15,
     {640, 277, 270},
     PixelRect{0, 262, 640, 277}},
    // At its own size, larger than the area: cut to the area's width.
    {"a movie wider than the area: cut to it",
     {0, 0, 1920, 1080},
     15,
     {1280, 985, 270},
     PixelRect{0, 970, 1280, 985}},
    {"a movie beyond both sides: cut to the area",
     {-100, 0, 700, 300},
     15,
     {640, 400, 270},
     PixelRect{0, 300, 640, 315}},
    // An area narrower than the controls need gets a bar as wide as itself.
    {"an area narrower than the controls",
     {0, 0, 200, 150},
     15,
     {200, 165, 270},
     PixelRect{0, 150, 200, 165}},
    {"a movie without width", {0, 0, 0, 240}, 15, {640, 400, 270}, std::nullopt},
    {"a movie right to left", {50, 0, 10, 240}, 15, {640, 400, 270}, std::nullopt},
    {"a movie upside down", {0, 50, 320, 10}, 15, {640, 400, 270}, std::nullopt},
    {"a bar without height", {0, 0, 320, 240}, 0, {640, 400, 270}, std::nullopt},
    {"an area of no width", {0, 0, 320, 240}, 15, {0, 400, 270}, std::nullopt},
};
INSTANTIATE_TEST_SUITE_P(All, ControllerBarRectTest, testing::ValuesIn(kBars));

struct DpiCase {
    double dpi;
    int height;
};

class ControllerHeightTest : public testing::TestWithParam<DpiCase> {};

TEST_P(ControllerHeightTest, IsAbout220Twips) {
    EXPECT_EQ(ControllerHeightForDpi(GetParam().dpi), GetParam().height) << GetParam().dpi;
}

const DpiCase kDpis[] = {
    {96, 15}, {72, 11}, {120, 18}, {144, 22}, {192, 29},
};
INSTANTIATE_TEST_SUITE_P(All, ControllerHeightTest, testing::ValuesIn(kDpis));

TEST(FitInside, CentresTheMovieWholeInTheBox) {
    const struct {
        PixelRect box;
        int width, height;
        PixelRect fitted;
    } cases[] = {
        {{0, 0, 320, 240}, 1280, 540, {0, 52, 320, 187}},    // wider: bands above and below
        {{0, 0, 320, 135}, 640, 480, {70, 0, 250, 135}},     // narrower: bands at the sides
        {{10, 20, 330, 260}, 320, 240, {10, 20, 330, 260}},  // the same shape fills it
        {{0, 0, 320, 240}, 0, 240, {0, 0, 320, 240}},        // unknown size: the box
        {{0, 0, 0, 240}, 320, 240, {0, 0, 0, 240}},          // an empty box stays empty
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FitInside(c.box, c.width, c.height), c.fitted) << c.width << "x" << c.height;
    }
}

TEST(SameShape, AllowsOnlyThePixelsLostInRounding) {
    const struct {
        PixelRect rect;
        int width, height;
        bool same;
    } cases[] = {
        {{0, 0, 640, 360}, 1280, 720, true},    // halved
        {{10, 20, 650, 380}, 1280, 720, true},  // anywhere
        {{0, 0, 853, 480}, 1920, 1080, true},   // rounded down
        {{0, 0, 854, 481}, 1920, 1080, true},   // rounded up in both
        {{0, 0, 860, 480}, 1920, 1080, false},  // seven pixels too wide
        {{0, 0, 320, 240}, 640, 360, false},    // 4:3 against 16:9
        {{0, 0, 640, 240}, 320, 240, false},    // stretched
        {{0, 0, 0, 240}, 320, 240, false},      // no width
        {{0, 0, 320, -240}, 320, 240, false},   // upside down
        {{0, 0, 320, 240}, 0, 0, false},        // no size known
        {{0, 0, 849, 476}, 1280, 720, true},    // off by the sum of the sides: the most allowed
        {{0, 0, 30000, 30000}, 30000, 30000, true},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SameShape(c.rect, c.width, c.height), c.same)
            << c.rect.Width() << "x" << c.rect.Height() << " for " << c.width << "x" << c.height;
    }
}

TEST(WholePixelScale, OnlyAMovieAtItsOwnSizeOnAWholeRatioHasWholeBlocks) {
    struct Case {
        int areaWidth, areaHeight, movieWidth, movieHeight;
        double ratio;
        int scale;
    };
    const double nan = std::nan("");
    const Case cases[] = {
        {64, 64, 64, 64, 1.0, 1},
        {64, 64, 64, 64, 2.0, 2},
        {64, 48, 64, 48, 3.0, 3},
        {320, 240, 320, 240, 2.0000000001, 2},  // a ratio that lost a last bit
        {64, 64, 64, 64, 1.5, 0},               // fractional: scaled smoothly
        {64, 64, 64, 64, 1.25, 0},
        {64, 64, 64, 64, 0.5, 0},
        {64, 64, 64, 64, 0.0, 0},
        {64, 64, 64, 64, -2.0, 0},
        {64, 64, 64, 64, nan, 0},
        {64, 64, 64, 64, 1e300, 0},
        {128, 128, 64, 64, 1.0, 0},  // fitted to a larger area: scaled
        {32, 32, 64, 64, 2.0, 0},    // smaller than the movie
        {64, 65, 64, 64, 2.0, 0},
        {65, 64, 64, 64, 2.0, 0},
        {48, 64, 64, 48, 2.0, 0},  // the sides swapped
        {0, 0, 0, 0, 2.0, 0},      // no picture
        {-4, -4, -4, -4, 2.0, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(WholePixelScale(c.areaWidth, c.areaHeight, c.movieWidth, c.movieHeight, c.ratio),
                  c.scale)
            << c.areaWidth << 'x' << c.areaHeight << " of " << c.movieWidth << 'x' << c.movieHeight
            << " at " << c.ratio;
    }
}

struct TimeCase {
    double seconds;
    std::string text;
};

class FormatPlayTimeTest : public testing::TestWithParam<TimeCase> {};

TEST_P(FormatPlayTimeTest, Writes) {
    EXPECT_EQ(FormatPlayTime(GetParam().seconds), GetParam().text) << GetParam().seconds;
}

const TimeCase kTimes[] = {
    {0, "0:00"},
    {3.9, "0:03"},
    {59.999, "0:59"},
    {60, "1:00"},
    {754, "12:34"},
    {3599.5, "59:59"},
    {3600, "1:00:00"},
    {36061, "10:01:01"},
    {-2, "0:00"},
    {std::nan(""), "0:00"},
    {std::numeric_limits<double>::infinity(), "0:00"},
};
INSTANTIATE_TEST_SUITE_P(All, FormatPlayTimeTest, testing::ValuesIn(kTimes));

}  // namespace
}  // namespace rw
