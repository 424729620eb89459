#include <gtest/gtest.h>

#include "Fakes.h"
#include "playback/Transport.h"
#include "window/Handlers.h"

namespace rw {
namespace {

using test::Rig;

TEST(PlayMovie, StartsThenSendsLoopAndControllerStates) {
    const std::tuple<bool, bool, const char*, const char*> cases[] = {
        {false, true, "SetLoop 0", "SetController 1"},
        {true, false, "SetLoop 1", "SetController 0"},
    };
    for (const auto& [loop, controls, loopCall, controllerCall] : cases) {
        Rig r;
        r.window.checked[Menu::MovieLoop] = loop;
        r.window.checked[Menu::MovieControls] = controls;
        PlayMovie(r.form);
        EXPECT_EQ(r.journal, (std::vector<std::string>{"Play", loopCall, controllerCall}));
    }
}

TEST(Play, OpensTheDialogWhenNothingIsLoaded) {
    Rig r;
    r.dialogs.openFileResult = "";  // cancelled
    mnuMoviePlay_Click(r.form);
    EXPECT_EQ(r.journal, std::vector<std::string>{"OpenFile"});

    Rig failing;
    failing.player.failing.insert("Reference");
    mnuMoviePlay_Click(failing.form);
    EXPECT_EQ(failing.journal, std::vector<std::string>{"OpenFile"});

    Rig loaded;
    loaded.player.reference = "/m/a.mov";
    mnuMoviePlay_Click(loaded.form);
    EXPECT_EQ(loaded.journal, (std::vector<std::string>{"Play", "SetLoop 0", "SetController 1"}));
}

TEST(Transport, PauseAndRewindOnlyTalkToThePlayer) {
    Rig r;
    mnuMoviePause_Click(r.form);
    mnuMovieRewind_Click(r.form);
    EXPECT_EQ(r.journal, (std::vector<std::string>{"Pause", "Rewind"}));
}

TEST(Options, ShowControlsSendsTheNewStateThenRelays) {
    Rig r;
    r.form.movieAspect = 0.75;
    r.window.clientWidth = 4800;
    r.window.clientHeight = 3820;
    mnuMovieControls_Click(r.form);
    EXPECT_FALSE(r.window.checked[Menu::MovieControls]);
    ASSERT_GE(r.journal.size(), 2u);
    EXPECT_EQ(r.journal[0], "SetController 0");
    EXPECT_EQ(r.journal[1], "MovePlayer");
    // No room is kept for the controller any more: 3820 twips tall fits wider.
    EXPECT_EQ(r.Calls("SetMovieRect").front(), "SetMovieRect 0,0,320,240");
    EXPECT_EQ(r.Calls("SetOuterHeight"), std::vector<std::string>{"SetOuterHeight 3820"});
}

TEST(Options, LoopPlayLastAndOriginalSize) {
    Rig r;
    mnuMovieLoop_Click(r.form);
    EXPECT_TRUE(r.window.checked[Menu::MovieLoop]);
    mnuMovieLoop_Click(r.form);
    EXPECT_EQ(r.Calls("SetLoop"), (std::vector<std::string>{"SetLoop 1", "SetLoop 0"}));

    mnuPlayLastMovie_Click(r.form);
    EXPECT_TRUE(r.window.checked[Menu::PlayLastMovie]);

    r.journal.clear();
    mnuMovieSize_Click(r.form);
    EXPECT_TRUE(r.window.checked[Menu::MovieSize]);
    EXPECT_EQ(r.Calls("MovePlayer").size(), 1u);
    EXPECT_TRUE(r.Calls("SetMovieRect").empty()) << "original size sends no rectangle";
    mnuMovieSize_Click(r.form);
    EXPECT_EQ(r.Calls("SetMovieRect").size(), 1u);
}

TEST(Options, StayOnTopAlternates) {
    Rig r;
    mnuMovieOnTop_Click(r.form);
    mnuMovieOnTop_Click(r.form);
    mnuMovieOnTop_Click(r.form);
    EXPECT_EQ(r.Calls("TopMost"),
              (std::vector<std::string>{"TopMost on", "TopMost off", "TopMost on"}));
    EXPECT_TRUE(r.window.checked[Menu::MovieOnTop]);
}

TEST(Options, AFailingPlayerCallLeavesTheMarkToggled) {
    Rig r;
    r.player.failing = {"SetController", "SetLoop"};
    mnuMovieControls_Click(r.form);
    mnuMovieLoop_Click(r.form);
    EXPECT_FALSE(r.window.checked[Menu::MovieControls]);
    EXPECT_TRUE(r.window.checked[Menu::MovieLoop]);
}

// A 4:3 movie in a client area far taller than the movie needs: the layout
// asks for an outer height of 3820.
void MakeTall(Rig& r) {
    r.form.movieAspect = 0.75;
    r.window.clientWidth = 4800;
    r.window.clientHeight = 5000;
}

TEST(FormResize, ShortensATallWindowAndSettlesInTheNestedPass) {
    Rig r;
    MakeTall(r);
    r.window.onResize = [&] { Form_Resize(r.form); };
    Form_Resize(r.form);
    // Outer 3820 leaves a client area of 2965: the nested pass centres across.
    EXPECT_EQ(r.Calls("SetMovieRect"),
              (std::vector<std::string>{"SetMovieRect 0,0,320,240", "SetMovieRect 38,0,282,183"}));
    EXPECT_EQ(r.Calls("SetOuterHeight"), std::vector<std::string>{"SetOuterHeight 3820"});
    EXPECT_EQ(r.window.logoPos->left, 1597);
}

TEST(FormResize, AWindowManagerThatIgnoresTheHeightCausesNoChain) {
    Rig r;
    MakeTall(r);
    r.window.frameHeight = 3820 - 5000;  // the height is refused: the client stays 5000 tall
    r.window.onResize = [&] { Form_Resize(r.form); };
    Form_Resize(r.form);
    EXPECT_EQ(r.Calls("SetOuterHeight").size(), 1u);

    Rig maximized;
    MakeTall(maximized);
    maximized.window.failing.insert("SetOuterHeight");
    Form_Resize(maximized.form);
    EXPECT_EQ(maximized.Calls("SetMovieRect"),
              std::vector<std::string>{"SetMovieRect 0,0,320,240"});
}

// The window was shortened, then dragged back to its old height: the same
// request as before is made again, and so for the same movie opened again.
TEST(FormResize, ShortensAgainAfterTheWindowWasDraggedTaller) {
    Rig r;
    MakeTall(r);
    r.window.onResize = [&] { Form_Resize(r.form); };
    Form_Resize(r.form);
    ASSERT_EQ(r.window.clientHeight, 3820 - r.window.frameHeight);
    for (int drag = 0; drag < 2; ++drag) {
        r.window.clientHeight = 5000;  // dragged taller by the user
        Form_Resize(r.form);
    }
    EXPECT_EQ(r.Calls("SetOuterHeight"),
              (std::vector<std::string>{"SetOuterHeight 3820", "SetOuterHeight 3820",
                                        "SetOuterHeight 3820"}));
    EXPECT_EQ(r.window.clientHeight, 3820 - r.window.frameHeight);
}

// A refused height answered later (not nested) with the same client size is
// not asked for again; one that the manager clamps is asked for once more.
TEST(FormResize, ALateRefusalOrClampEndsTheChain) {
    Rig r;
    MakeTall(r);
    r.window.frameHeight = 3820 - 5000;  // refused: the client stays 5000 tall
    for (int echo = 0; echo < 3; ++echo) Form_Resize(r.form);
    EXPECT_EQ(r.Calls("SetOuterHeight").size(), 1u);

    Rig clamped;
    MakeTall(clamped);
    clamped.window.frameHeight = 3820 - 4500;  // clamped: the client ends 4500 tall
    for (int echo = 0; echo < 4; ++echo) Form_Resize(clamped.form);
    EXPECT_EQ(clamped.Calls("SetOuterHeight").size(), 2u);
}

TEST(FormResize, StretchesTheListAndPlayerOverTheClientArea) {
    Rig r;
    r.window.clientWidth = 6000;
    r.window.clientHeight = 3820;
    Form_Resize(r.form);
    EXPECT_EQ(r.window.filesRect->width, 6000);
    EXPECT_EQ(r.window.playerRect->height, 3820);
    EXPECT_EQ(r.window.filesRect->left, 0);
}

}  // namespace
}  // namespace rw
