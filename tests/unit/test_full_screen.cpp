// Full screen over fakes: the layout over the whole screen, the keys that
// enter and leave it, and what a window closed in full screen stores.

#include <gtest/gtest.h>

#include "Fakes.h"
#include "playback/Transport.h"
#include "window/FullScreen.h"
#include "window/Handlers.h"
#include "window/Keyboard.h"

namespace rw {
namespace {

using test::Rig;

// A rig whose window lays itself out on every change of its client area, as
// the real one does on its resize events.
struct LaidOut : Rig {
    LaidOut(double screenWidth, double screenHeight, double aspect) {
        window.screenWidth = screenWidth;
        window.screenHeight = screenHeight;
        form.movieAspect = aspect;
        window.onResize = [this] { Form_Resize(form); };
    }
    std::string LastRect() const {
        const auto rects = Calls("SetMovieRect ");
        return rects.empty() ? "" : rects.back().substr(13);
    }
};

struct Fit {
    const char* name;
    double screenWidth, screenHeight;  // twips, 15 a pixel
    double aspect;
    bool controls, originalSize;
    const char* rect;  // the last rectangle sent; "" for none
};

// Over the whole screen the movie keeps its shape and is centred both ways;
// the bar lies over the picture there, so no room is kept for it. A window
// would have put a wide movie at the top and been shortened to it.
TEST(FullScreen, FitsTheMovieToTheWholeScreenKeepingItsShape) {
    const Fit cases[] = {
        {"4:3 on 1920x1080, centred across", 28800, 16200, 0.75, true, false, "240,0,1680,1080"},
        {"16:9 on 1920x1080, no controls: every pixel", 28800, 16200, 0.5625, false, false,
         "0,0,1920,1080"},
        {"16:9 on 1920x1080 with controls", 28800, 16200, 0.5625, true, false, "0,0,1920,1080"},
        {"4:3 on 1280x1024: centred down", 19200, 15360, 0.75, true, false, "0,32,1280,992"},
        {"16:9 on 1280x1024", 19200, 15360, 0.5625, false, false, "0,152,1280,872"},
        {"2.39:1 on 1920x1080", 28800, 16200, 1 / 2.39, true, false, "0,139,1920,942"},
        {"portrait 9:16 on 1920x1080", 28800, 16200, 16.0 / 9, true, false, "656,0,1264,1080"},
        {"no shape yet: the window's rectangle", 28800, 16200, 0, true, false, "960,0,960,1065"},
        {"original size: nothing is sent", 28800, 16200, 0.75, true, true, ""},
    };
    for (const auto& c : cases) {
        LaidOut r(c.screenWidth, c.screenHeight, c.aspect);
        r.window.checked[Menu::MovieControls] = c.controls;
        r.window.checked[Menu::MovieSize] = c.originalSize;
        ToggleFullScreen(r.form);
        ASSERT_TRUE(r.window.fullScreen) << c.name;
        EXPECT_EQ(r.LastRect(), c.rect) << c.name;
        EXPECT_TRUE(r.Calls("SetOuterHeight").empty()) << c.name;
        // The controls cover the whole screen, and the window kept its size.
        ASSERT_TRUE(r.window.playerRect && r.window.filesRect) << c.name;
        EXPECT_EQ(r.window.playerRect->width, c.screenWidth) << c.name;
        EXPECT_EQ(r.window.playerRect->height, c.screenHeight) << c.name;
        EXPECT_EQ(r.window.filesRect->height, c.screenHeight) << c.name;
        EXPECT_EQ(r.window.clientHeight, c.screenHeight) << c.name;
    }
}

// The same client area out of full screen shortens the window: only full
// screen keeps it from doing so.
TEST(FullScreen, TheSameAreaInAWindowWouldHaveShortenedIt) {
    LaidOut r(19200, 15360, 0.75);
    r.window.clientWidth = 19200;
    r.window.clientHeight = 15360;
    Form_Resize(r.form);
    EXPECT_EQ(r.Calls("SetOuterHeight"), std::vector<std::string>{"SetOuterHeight 14620"});
}

TEST(FullScreen, LeavingLaysOutTheWindowAsBeforeAndShortensItAgain) {
    LaidOut r(28800, 16200, 0.75);
    r.window.clientWidth = 4800;
    r.window.clientHeight = 5000;
    ToggleFullScreen(r.form);
    ASSERT_EQ(r.LastRect(), "240,0,1680,1080");
    ToggleFullScreen(r.form);
    EXPECT_FALSE(r.window.fullScreen);
    EXPECT_EQ(r.window.clientWidth, 4800);
    // Back in the window the too tall area is shortened to the movie, and
    // the nested pass centres it in the shorter area.
    EXPECT_EQ(r.Calls("SetOuterHeight"), std::vector<std::string>{"SetOuterHeight 3820"});
    EXPECT_EQ(r.LastRect(), "38,0,282,183");
}

// A height the window manager refused before full screen is asked for once
// more after it: the client area changed in between.
TEST(FullScreen, AHeightRefusedBeforeIsAskedForOnceMoreAfter) {
    LaidOut r(28800, 16200, 0.75);
    r.window.clientWidth = 4800;
    r.window.clientHeight = 5000;
    r.window.frameHeight = 3820 - 5000;  // the manager refuses: the client stays 5000 tall
    Form_Resize(r.form);
    ToggleFullScreen(r.form);
    ToggleFullScreen(r.form);
    EXPECT_EQ(r.Calls("SetOuterHeight"),
              (std::vector<std::string>{"SetOuterHeight 3820", "SetOuterHeight 3820"}));
}

// Back from full screen the window refuses heights until the window manager
// has put it back; the pass that follows then asks for the height of the
// movie loaded meanwhile, though the client area has not changed since.
TEST(FullScreen, AHeightRefusedOutrightIsAskedForByTheNextPass) {
    LaidOut r(28800, 16200, 0.5);
    r.window.clientWidth = 4800;
    r.window.clientHeight = 5000;
    r.window.failing.insert("SetOuterHeight");
    Form_Resize(r.form);
    r.window.failing.erase("SetOuterHeight");
    Form_Resize(r.form);
    EXPECT_EQ(r.Calls("SetOuterHeight"), std::vector<std::string>{"SetOuterHeight 2620"});
}

struct Key {
    const char* name;
    std::int16_t code, shift;
    bool fullBefore;
    bool fullAfter;
    std::int16_t codeAfter;
    bool paused;
};

TEST(FullScreen, KeysEnterAndLeaveIt) {
    const Key cases[] = {
        {"F11 enters", 122, 0, false, true, 0, false},
        {"F11 leaves", 122, 0, true, false, 0, false},
        {"Shift+F11 enters as well", 122, 1, false, true, 0, false},
        {"Ctrl+Alt+F11 leaves as well", 122, 6, true, false, 0, false},
        {"Escape leaves and pauses", 27, 0, true, false, 27, true},
        {"Shift+Escape leaves and pauses", 27, 1, true, false, 27, true},
        {"Escape in a window only pauses", 27, 0, false, false, 27, true},
        {"Enter stays", 13, 0, true, true, 13, false},
        {"Ctrl+H stays", 72, 2, true, true, 0, false},
        {"Z stays", 90, 0, true, true, 90, false},
    };
    for (const auto& c : cases) {
        Rig r;
        r.player.reference = "/m/a.mov";
        r.window.fullScreen = c.fullBefore;
        std::int16_t code = c.code;
        Form_KeyUp(r.form, code, c.shift);
        EXPECT_EQ(r.window.fullScreen, c.fullAfter) << c.name;
        EXPECT_EQ(code, c.codeAfter) << c.name;
        EXPECT_EQ(!r.Calls("Pause").empty(), c.paused) << c.name;
    }
}

// Escape still does all it did, in its order, and leaves full screen last.
TEST(FullScreen, EscapeHidesTheListPausesAndLeaves) {
    Rig r;
    r.window.fullScreen = true;
    r.window.filesVisible = true;
    std::int16_t code = 27;
    Form_KeyUp(r.form, code, 0);
    EXPECT_EQ(r.journal, (std::vector<std::string>{"Files hidden", "Pause", "FullScreen off"}));

    Rig failing;  // the first two steps fail: full screen is still left
    failing.window.fullScreen = true;
    failing.window.failing.insert("SetFilesVisible");
    failing.player.failing.insert("Pause");
    Form_KeyUp(failing.form, code, 0);
    EXPECT_FALSE(failing.window.fullScreen);
}

TEST(FullScreen, AWindowThatCannotSayWhereItIsIsLeftAlone) {
    Rig r;
    r.window.failing.insert("FullScreen");
    ToggleFullScreen(r.form);
    LeaveFullScreen(r.form);
    EXPECT_TRUE(r.Calls("FullScreen").empty());

    // Refused: the window stays as it was and the key is still consumed.
    Rig refused;
    refused.window.failing.insert("SetFullScreen");
    std::int16_t code = 122;
    Form_KeyUp(refused.form, code, 0);
    EXPECT_FALSE(refused.window.fullScreen);
    EXPECT_EQ(code, 0);

    // Not knowing, the layout shortens the window as it always did.
    LaidOut unknown(28800, 16200, 0.75);
    unknown.window.clientWidth = 4800;
    unknown.window.clientHeight = 5000;
    unknown.window.failing.insert("FullScreen");
    Form_Resize(unknown.form);
    EXPECT_EQ(unknown.Calls("SetOuterHeight").size(), 1u);
}

TEST(FullScreen, LeaveDoesNothingOutsideIt) {
    Rig r;
    LeaveFullScreen(r.form);
    EXPECT_TRUE(r.journal.empty());
}

struct Closing {
    const char* name;
    WindowState before;
    const char* windowState;
    bool placementWritten;
};

// Full screen is not stored: the window reports the state and placement it
// had before, and those are what the next start brings back.
TEST(FullScreen, ClosingInItStoresTheWindowAsItWasBefore) {
    const Closing cases[] = {
        {"normal", WindowState::Normal, "0", true},
        {"maximized", WindowState::Maximized, "2", false},
    };
    for (const auto& c : cases) {
        LaidOut r(28800, 16200, 0.75);
        r.window.state = c.before;
        r.window.placement = {1200, 900, 6000, 5000};
        ToggleFullScreen(r.form);
        ASSERT_TRUE(r.window.fullScreen) << c.name;
        r.journal.clear();
        Form_Unload(r.form);
        EXPECT_EQ(r.settings.Get("Settings", "WindowState"), c.windowState) << c.name;
        if (c.placementWritten) {
            EXPECT_EQ(r.settings.Get("Settings", "Left"), "1200") << c.name;
            EXPECT_EQ(r.settings.Get("Settings", "Top"), "900") << c.name;
            EXPECT_EQ(r.settings.Get("Settings", "Width"), "6000") << c.name;
            EXPECT_EQ(r.settings.Get("Settings", "Height"), "5000") << c.name;
        } else {
            EXPECT_FALSE(r.settings.Get("Settings", "Left").has_value()) << c.name;
        }
        // Closing neither leaves full screen nor moves the window first.
        EXPECT_TRUE(r.window.fullScreen) << c.name;
        EXPECT_TRUE(r.Calls("MoveWindow").empty()) << c.name;
        EXPECT_TRUE(r.Calls("FullScreen").empty()) << c.name;
    }
}

// Stay On Top and Original Size work in full screen and stay after it.
TEST(FullScreen, StayOnTopAndOriginalSizeWorkInAndAfterIt) {
    LaidOut r(28800, 16200, 0.75);
    ToggleFullScreen(r.form);
    mnuMovieOnTop_Click(r.form);
    EXPECT_TRUE(r.window.topMost);
    r.journal.clear();
    mnuMovieSize_Click(r.form);  // the movie at its own size: no rectangle
    EXPECT_TRUE(r.Calls("SetMovieRect").empty());
    EXPECT_EQ(r.Calls("MovePlayer").size(), 1u);
    mnuMovieSize_Click(r.form);  // and fitted to the screen again
    EXPECT_EQ(r.LastRect(), "240,0,1680,1080");
    ToggleFullScreen(r.form);
    EXPECT_TRUE(r.window.topMost);
    EXPECT_TRUE(r.window.checked[Menu::MovieOnTop]);
    r.journal.clear();
    mnuMovieSize_Click(r.form);
    EXPECT_TRUE(r.window.checked[Menu::MovieSize]);
    EXPECT_TRUE(r.Calls("SetMovieRect").empty());
    EXPECT_TRUE(r.Calls("TopMost off").empty());
}

}  // namespace
}  // namespace rw
