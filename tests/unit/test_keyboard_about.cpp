#include <gtest/gtest.h>

#include "Fakes.h"
#include "window/About.h"
#include "window/Keyboard.h"

namespace rw {
namespace {

using test::Rig;

TEST(KeyUp, FollowsTheTable) {
    struct Case {
        std::int16_t code, shift;
        std::int16_t codeAfter;
        bool filesToggled, controlsToggled, paused;
    };
    const Case cases[] = {
        {87, 0, 0, false, false, false},  {87, 2, 0, false, false, false},
        {87, 7, 0, false, false, false},  {72, 2, 0, true, false, false},
        {72, 3, 72, false, false, false}, {72, 0, 72, false, false, false},
        {72, 6, 72, false, false, false}, {67, 2, 0, false, true, false},
        {67, 6, 67, false, false, false}, {67, 0, 67, false, false, false},
        {67, 3, 67, false, false, false}, {27, 0, 27, false, false, true},
        {27, 1, 27, false, false, true},  {65, 2, 65, false, false, false},
    };
    for (const auto& c : cases) {
        Rig r;
        r.player.reference = "/m/a.mov";
        std::int16_t code = c.code;
        Form_KeyUp(r.form, code, c.shift);
        EXPECT_EQ(code, c.codeAfter) << c.code << "/" << c.shift;
        EXPECT_EQ(r.window.filesVisible, c.filesToggled) << c.code << "/" << c.shift;
        EXPECT_EQ(!r.window.checked[Menu::MovieControls], c.controlsToggled)
            << c.code << "/" << c.shift;
        EXPECT_EQ(!r.Calls("Pause").empty(), c.paused) << c.code << "/" << c.shift;
    }
}

TEST(KeyUp, EscapeHidesTheListAndPauses) {
    Rig r;
    r.window.filesVisible = true;
    std::int16_t code = 27;
    Form_KeyUp(r.form, code, 0);
    EXPECT_EQ(r.journal, (std::vector<std::string>{"Files hidden", "Pause"}));
}

TEST(KeyUp, EnterOpensTheDialogOnlyWithNothingLoaded) {
    Rig empty;
    std::int16_t code = 13;
    Form_KeyUp(empty.form, code, 0);
    EXPECT_EQ(empty.Calls("OpenFile").size(), 1u);
    EXPECT_EQ(code, 13);

    Rig loaded;
    loaded.player.reference = "/m/a.mov";
    Form_KeyUp(loaded.form, code, 0);
    EXPECT_TRUE(loaded.Calls("OpenFile").empty());

    Rig failing;  // the reference cannot be read: the case ends there
    failing.player.failing.insert("Reference");
    Form_KeyUp(failing.form, code, 0);
    EXPECT_TRUE(failing.Calls("OpenFile").empty());
}

TEST(About, MessageIsExact) {
    EXPECT_EQ(AboutMessage({1, 1, 1}),
              "Ostrun's Reelwick 1.1.1\r\nCopyright (C) 2026 Ostrun. Free software under the MIT "
              "licence.\r\n"
              "https://www.ostrun.net/\r\nhttps://reelwick.ostrun.org/");
    EXPECT_EQ(AboutMessage({10, 0, 7}).substr(0, 24), "Ostrun's Reelwick 10.0.7");
    const Version v = ProgramVersion();
    EXPECT_EQ(v.major, 1);
    EXPECT_EQ(v.minor, 1);
    EXPECT_EQ(v.revision, 1);
}

TEST(About, OkOpensTheSecondAddressCancelNothing) {
    Rig ok;
    ok.window.caption = "Loading...";
    mnuHelpAbout_Click(ok.form);
    EXPECT_EQ(ok.dialogs.lastTitle, "Loading...");
    EXPECT_EQ(ok.dialogs.opened, std::vector<std::string>{"https://reelwick.ostrun.org/"});

    Rig cancel;
    cancel.dialogs.answer = MessageAnswer::Cancel;
    mnuHelpAbout_Click(cancel.form);
    EXPECT_TRUE(cancel.dialogs.opened.empty());

    Rig broken;
    broken.dialogs.messageFails = true;
    mnuHelpAbout_Click(broken.form);
    EXPECT_TRUE(broken.dialogs.opened.empty()) << "no consent, no browser";
}

}  // namespace
}  // namespace rw
