#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "window/Numbers.h"
#include "window/Placement.h"

namespace rw {
namespace {

const double kNaN = std::numeric_limits<double>::quiet_NaN();
const double kInf = std::numeric_limits<double>::infinity();

TEST(Numbers, RoundsHalfToEvenAndRejectsWhatDoesNotFit) {
    struct Case {
        double in;
        std::optional<std::int32_t> out;
    };
    const Case cases[] = {
        {2.5, 2},
        {3.5, 4},
        {-2.5, -2},
        {-3.5, -4},
        {0.49999, 0},
        {1.5000001, 2},
        {2147483647.0, 2147483647},
        {2147483647.4, 2147483647},
        {2147483647.5, std::nullopt},
        {-2147483648.0, -2147483648},
        {-2147483648.6, std::nullopt},
        {1e12, std::nullopt},
        {kNaN, std::nullopt},
        {kInf, std::nullopt},
        {-kInf, std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(Round(c.in), c.out) << c.in;
}

TEST(Numbers, DividesTowardZero) {
    EXPECT_EQ(Div(-293, 15), -19);
    EXPECT_EQ(Div(293, 15), 19);
    EXPECT_EQ(Div(995, 2), 497);
    EXPECT_EQ(Div(-5, 2), -2);
    EXPECT_EQ(Div(1, 0), std::nullopt);
    EXPECT_EQ(Div(std::numeric_limits<std::int32_t>::min(), -1), std::nullopt);
    EXPECT_EQ(Add(std::numeric_limits<std::int32_t>::max(), 1), std::nullopt);
    EXPECT_EQ(Add(3600, 220), 3820);
}

TEST(Numbers, ParsesOnlyPlainDecimalText) {
    struct Case {
        const char* in;
        std::optional<double> out;
    };
    const Case cases[] = {
        {"0", 0},
        {"-320", -320},
        {"+15", 15},
        {" 42 ", 42},
        {"1.5", 1.5},
        {"1e3", 1000},
        {".5", 0.5},
        {"5.", 5},
        {"", std::nullopt},
        {" ", std::nullopt},
        {"abc", std::nullopt},
        {"12abc", std::nullopt},
        {"0x10", std::nullopt},
        {"inf", std::nullopt},
        {"nan", std::nullopt},
        {"1e999", std::nullopt},
        {"--1", std::nullopt},
        {"1,5", std::nullopt},
        {"e5", std::nullopt},
        {"1e", std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(ParseNumber(c.in), c.out) << '"' << c.in << '"';
    EXPECT_EQ(ParseNumber(std::string(1 << 20, '7')), std::nullopt) << "1 MB line";
    EXPECT_EQ(ParseNumber(std::string("1\0"
                                      "2",
                                      3)),
              std::nullopt)
        << "embedded NUL";
}

TEST(Numbers, ConvertsIntegersWithRangeChecks) {
    EXPECT_EQ(ParseInt16("2"), 2);
    EXPECT_EQ(ParseInt16("2.5"), 2);
    EXPECT_EQ(ParseInt16("32767"), 32767);
    EXPECT_EQ(ParseInt16("32768"), std::nullopt);
    EXPECT_EQ(ParseInt16("word"), std::nullopt);
    EXPECT_EQ(ParseInt32("1000000000000"), std::nullopt);
    EXPECT_EQ(ParseSingle("1e39"), std::nullopt);
    EXPECT_EQ(ParseSingle("-320"), -320.0f);
}

TEST(Numbers, ReadsBackEverySingleItWrites) {
    constexpr float kMax = std::numeric_limits<float>::max();
    for (float f : {kMax, -kMax, std::numeric_limits<float>::min(),
                    std::numeric_limits<float>::denorm_min(), 0.1f, -0.0f, 7290.5f}) {
        const std::string text = FormatSingle(f);
        EXPECT_EQ(ParseSingle(text), f) << text;
    }
    EXPECT_EQ(FormatSingle(kMax), "3.4028235e+38");
    // Up to half a unit above the largest float rounds to it; from there on
    // the value would be an infinity.
    EXPECT_EQ(ParseSingle("3.40282356e38"), kMax);
    EXPECT_EQ(ParseSingle("-3.40282356e38"), -kMax);
    // 2^128 - 2^103, the half unit itself, rounds to even: an infinity.
    EXPECT_EQ(ParseSingle("340282356779733661637539395458142568448"), std::nullopt);
    EXPECT_EQ(ParseSingle("3.4028236e38"), std::nullopt);
}

TEST(Numbers, ReadsBooleansInAnyCaseAndAsNumbers) {
    struct Case {
        const char* in;
        std::optional<bool> out;
    };
    const Case cases[] = {
        {"True", true},        {"TRUE", true},     {"true", true},          {"tRuE", true},
        {"False", false},      {"FALSE", false},   {"false", false},        {"0", false},
        {"-1", true},          {"1", true},        {"2.5", true},           {"0.0", false},
        {"yes", std::nullopt}, {"", std::nullopt}, {"Truth", std::nullopt}, {"on", std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(ParseBoolean(c.in), c.out) << '"' << c.in << '"';
}

TEST(Numbers, WritesShortestText) {
    EXPECT_EQ(FormatSingle(4800.0f), "4800");
    EXPECT_EQ(FormatSingle(-320.0f), "-320");
    EXPECT_EQ(FormatSingle(1.5f), "1.5");
    EXPECT_EQ(FormatBoolean(true), "True");
    EXPECT_EQ(FormatBoolean(false), "False");
}

TEST(Placement, CentresWithTheOddHalfDropped) {
    EXPECT_EQ(CentredOrigin(5995, 5000), 497);
    EXPECT_EQ(CentredOrigin(5450, 5000), 225);
    EXPECT_EQ(CentredOrigin(5000, 5640), -320);
    EXPECT_EQ(CentredOrigin(5000.5, 5000), 0) << "0.5 rounds to even 0";
    EXPECT_EQ(CentredOrigin(5001.5, 5000), 1) << "1.5 rounds to 2, halved";
    EXPECT_EQ(CentredOrigin(kNaN, 5000), std::nullopt);
}

TEST(Placement, NeedsAllFourNumbers) {
    EXPECT_TRUE(ParsePlacement({"100", "200", "5000", "4000"}).has_value());
    EXPECT_FALSE(ParsePlacement({"left", "200", "5000", "4000"}).has_value());
    EXPECT_FALSE(ParsePlacement({"100", "200", "", "4000"}).has_value());
    EXPECT_FALSE(ParsePlacement({"1e39", "200", "5000", "4000"}).has_value()) << "Left is single";
}

TEST(Placement, TitleBarMustTouchAScreen) {
    const std::vector<RectTwips> one{{0, 0, 19200, 16200}};
    const std::vector<RectTwips> two{{0, 0, 19200, 16200}, {19200, 0, 19200, 16200}};
    EXPECT_TRUE(TitleBarOnAnyScreen({100, 100, 5000, 4000}, 450, one));
    EXPECT_TRUE(TitleBarOnAnyScreen({-4000, 100, 5000, 4000}, 450, one)) << "partly off, left";
    EXPECT_TRUE(TitleBarOnAnyScreen({100, -300, 5000, 4000}, 450, one)) << "bar partly visible";
    EXPECT_FALSE(TitleBarOnAnyScreen({100, -450, 5000, 4000}, 450, one)) << "bar above screen";
    EXPECT_FALSE(TitleBarOnAnyScreen({25000, 100, 5000, 4000}, 450, one)) << "monitor removed";
    EXPECT_TRUE(TitleBarOnAnyScreen({25000, 100, 5000, 4000}, 450, two));
    EXPECT_FALSE(TitleBarOnAnyScreen({100, 100, 5000, 4000}, 450, {}));
}

TEST(Placement, LandsOnTheScreenHoldingMostOfItsTitleBar) {
    const RectTwips left{0, 0, 19200, 16200}, right{19200, 0, 28800, 16200};
    const std::vector<RectTwips> two{left, right};
    EXPECT_EQ(ScreenOf({100, 100, 5000, 4000}, 450, two)->left, 0);
    EXPECT_EQ(ScreenOf({17000, 100, 5000, 4000}, 450, two)->left, 19200) << "more on the right";
    EXPECT_EQ(ScreenOf({90000, 100, 5000, 4000}, 450, two)->left, 0) << "on none: the first";
    EXPECT_FALSE(ScreenOf({100, 100, 5000, 4000}, 450, {}).has_value());
    // Fitted to the right-hand screen, which starts at 19200.
    const auto fitted = FitToScreen({17000, -900, 40000, 8000}, 450, right);
    EXPECT_EQ(fitted.left, 19200);
    EXPECT_EQ(fitted.top, 0);
    EXPECT_EQ(fitted.width, 28800);
    EXPECT_EQ(fitted.height, 8000);
}

}  // namespace
}  // namespace rw
