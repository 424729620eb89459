#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "FilmFakes.h"
#include "film/CommandTable.h"
#include "film/PictureCommands.h"
#include "film/VideoMenu.h"
#include "platform/mpv/pure/PictureOptions.h"

namespace rw {
namespace {

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

TEST(Picture, TheAspectKeyCyclesTheShapes) {
    const struct {
        const char* name;
        double from, to;
    } cases[] = {
        {"own to 4:3", 0, 4.0 / 3},
        {"4:3 to 16:9", 4.0 / 3, 16.0 / 9},
        {"16:9 as a ratio of whole numbers", 1.7778, 1.6},
        {"16:10 to 1.85", 1.6, 1.85},
        {"1.85 to 2.35", 1.85, 2.35},
        {"the last back to the own", 2.35, 0},
        {"a shape not listed", 1.5, 0},
        {"not a number", kNaN, 0},
    };
    for (const auto& c : cases) EXPECT_DOUBLE_EQ(NextAspect(c.from), c.to) << c.name;
}

TEST(Picture, ZoomAndMoveStepsStayWithinTheirLimits) {
    const struct {
        const char* name;
        double zoom, steps, want;
    } zooms[] = {
        {"in", 0, 1, 0.1},       {"ten steps make one", 0.9, 1, 1}, {"out", 0, -1, -0.1},
        {"at the top", 3, 1, 3}, {"at the bottom", -2, -1, -2},     {"not a number", kNaN, 1, 0},
    };
    for (const auto& c : zooms) EXPECT_DOUBLE_EQ(ZoomAfter(c.zoom, c.steps), c.want) << c.name;

    const struct {
        const char* name;
        double pan, steps, zoom, want;
    } pans[] = {
        {"unzoomed: no move", 0, 1, 0, 0},
        {"twice as large: a step", 0, 1, 1, 0.05},
        {"twice as large: a quarter at most", 0.25, 1, 1, 0.25},
        {"the other way", -0.2, -2, 1, -0.25},
        {"half as large: room of half its size", 0, 20, -1, 0.5},
        {"zoomed less, moved less", 0.25, 0, 0.5, PanLimit(0.5)},
    };
    for (const auto& c : pans) EXPECT_DOUBLE_EQ(PanAfter(c.pan, c.steps, c.zoom), c.want) << c.name;
}

TEST(Picture, CommandsChangeTheState) {
    PictureState zoomed;
    zoomed.zoom = 1;
    zoomed.panX = 0.25;
    zoomed.fill = true;
    PictureState bright;
    bright.values = {100, -5, 0, 0};
    const struct {
        const char* name;
        PictureState from;
        Action action;
        PictureState (*want)();
    } cases[] = {
        {"zoom out takes the move in",
         zoomed,
         {Command::ZoomBy, -5},
         [] {
             PictureState s;
             s.zoom = 0.5;
             s.panX = PanLimit(0.5);
             s.fill = true;
             return s;
         }},
        {"reset zoom", zoomed, {Command::ResetZoom}, [] { return PictureState(); }},
        {"a turn",
         {},
         {Command::SetRotation, 270},
         [] {
             PictureState s;
             s.rotation = 270;
             return s;
         }},
        {"not a quarter turn", {}, {Command::SetRotation, 45}, [] { return PictureState(); }},
        {"D from automatic",
         {},
         {Command::ToggleDeinterlace},
         [] {
             PictureState s;
             s.deinterlace = Deinterlace::On;
             return s;
         }},
        {"brightness at its top",
         bright,
         {Command::BrightnessBy, 1},
         [] {
             PictureState s;
             s.values = {100, -5, 0, 0};
             return s;
         }},
        {"contrast up",
         bright,
         {Command::ContrastBy, 1},
         [] {
             PictureState s;
             s.values = {100, 0, 0, 0};
             return s;
         }},
        {"reset values", bright, {Command::ResetPictureValues}, [] { return PictureState(); }},
        {"a shape",
         {},
         {Command::SetAspect, 2.35},
         [] {
             PictureState s;
             s.aspect = 2.35;
             return s;
         }},
        {"a shape of no width", {}, {Command::SetAspect, -1}, [] { return PictureState(); }},
    };
    for (const auto& c : cases) EXPECT_EQ(PictureAfter(c.from, c.action), c.want()) << c.name;
    EXPECT_EQ(PictureAfter({}, {Command::Mute}), std::nullopt);
}

TEST(Picture, KeysReachThePictureOnlyWithOne) {
    const struct {
        const char* name;
        bool picture;
        std::int16_t key, modifiers;
        test::Journal want;
    } cases[] = {
        {"A", true, keys::kA, 0, {"SetPicture"}},
        {"Alt+= zooms in", true, keys::kEqual, keys::kAlt, {"SetPicture"}},
        {"no picture, no change", false, keys::kA, 0, {}},
    };
    for (const auto& c : cases) {
        test::Journal journal;
        test::FakeControls controls(journal);
        controls.picture = c.picture;
        const auto action = KeyCommand(c.key, c.modifiers, KeyTime::Press);
        ASSERT_TRUE(action) << c.name;
        EXPECT_TRUE(RunPictureCommand(controls, *action)) << c.name;
        EXPECT_EQ(journal, c.want) << c.name;
    }
    test::Journal journal;
    test::FakeControls controls(journal);
    RunPictureCommand(controls, {Command::ZoomBy, 1});
    EXPECT_DOUBLE_EQ(controls.view.state.zoom, kZoomStep);
}

TEST(Picture, WhatLibmpvIsTold) {
    EXPECT_EQ(AspectOverrideText(0), "-1");
    EXPECT_EQ(AspectOverrideText(kNaN), "-1");
    EXPECT_EQ(AspectOverrideText(2.35), "2.3500");
    const struct {
        const char* name;
        std::array<int, kPictureValueCount> values;
        const char* want;
    } filters[] = {
        {"defaults: no filter", {0, 0, 0, 0}, ""},
        {"each",
         {10, -20, 50, 100},
         "lavfi=[eq=brightness=0.1000:contrast=0.8000:saturation=1.5000:gamma=8.0000]"},
    };
    for (const auto& c : filters) EXPECT_EQ(EqualizerFilter(c.values), c.want) << c.name;
    const struct {
        int turn, width, height;
    } turns[] = {{0, 640, 360}, {90, 360, 640}, {180, 640, 360}, {270, 360, 640}};
    for (const auto& c : turns) {
        const TurnedSize size = Turned(640, 360, c.turn);
        EXPECT_EQ(size.width, c.width) << c.turn;
        EXPECT_EQ(size.height, c.height) << c.turn;
    }
}

TEST(Picture, TheVideoMenuChecksTheState) {
    PictureState state;
    state.aspect = 16.0 / 9;
    state.rotation = 90;
    const MenuEntry video = BuildVideoMenu(state, true);
    ASSERT_EQ(video.children.size(), 5u);
    const auto checked = [](const MenuEntry& menu) {
        std::string captions;
        for (const MenuEntry& item : menu.children)
            if (item.checked) captions += item.caption;
        return captions;
    };
    EXPECT_EQ(checked(video.children[0]), "16:9");
    EXPECT_EQ(checked(video.children[2]), "90°");
    EXPECT_EQ(checked(video.children[3]), "Automatic");
    EXPECT_FALSE(BuildVideoMenu(state, false).children[0].children[0].enabled);
}

}  // namespace
}  // namespace rw
