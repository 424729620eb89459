#include <gtest/gtest.h>

#include <algorithm>

#include "Fakes.h"
#include "window/Handlers.h"

namespace rw {
namespace {

using test::Rig;

bool Contains(const std::vector<std::string>& v, const std::string& s) {
    return std::find(v.begin(), v.end(), s) != v.end();
}

void Store(Rig& r, const char* key, const char* value, const char* section = "Settings") {
    r.settings.values[{section, key}] = value;
}

TEST(FormLoad, EmptyStoreCentresTheInitialWindowAndOpensNothing) {
    Rig r;
    Form_Load(r.form);
    // Screen 19200x16200, window 5385x5115: (13815 div 2, 11085 div 2).
    EXPECT_EQ(r.window.placement.left, 6907);
    EXPECT_EQ(r.window.placement.top, 5542);
    EXPECT_EQ(r.window.placement.width, 5385);
    EXPECT_EQ(r.window.placement.height, 5115);
    EXPECT_EQ(r.window.state, WindowState::Normal);
    EXPECT_TRUE(r.window.checked[Menu::MovieControls]);
    EXPECT_FALSE(r.window.checked[Menu::MovieSize]);
    EXPECT_FALSE(r.window.checked[Menu::MovieLoop]);
    EXPECT_FALSE(r.window.checked[Menu::PlayLastMovie]);
    EXPECT_FALSE(r.window.checked[Menu::MovieOnTop]);
    EXPECT_FALSE(r.window.topMost);
    for (int i = 0; i <= kRecentUpperBound; ++i) EXPECT_FALSE(r.window.Visible(RecentItem(i)));
    EXPECT_FALSE(r.window.Visible(Menu::FileSep2));
    EXPECT_TRUE(r.Calls("Load").empty());
    EXPECT_FALSE(Contains(r.settings.reads, "Settings/LastPlayed"));
}

TEST(FormLoad, RestoresAStoredPlacementOrLeavesTheWindowAlone) {
    struct Case {
        const char* name;
        const char *left, *top, *width, *height;
        bool moved;
        RectTwips expected;
    };
    const RectTwips initial{0, 0, 5385, 5115};
    const Case cases[] = {
        {"stored", "1200", "900", "8000", "6000", true, {1200, 900, 8000, 6000}},
        {"negative left stays", "-300", "900", "8000", "6000", true, {-300, 900, 8000, 6000}},
        {"left not a number", "wide", "900", "8000", "6000", false, initial},
        {"height empty", "1200", "900", "8000", "", false, initial},
        {"absurd width: the screen's",
         "1200",
         "900",
         "1000000000000",
         "6000",
         true,
         {0, 900, 19200, 6000}},
        {"binary junk", "\x01\xff", "900", "8000", "6000", false, initial},
        {"title bar on no screen: centred",
         "60000",
         "900",
         "8000",
         "6000",
         true,
         {6907, 5542, 5385, 5115}},
        // Stored on a larger screen than this 19200x16200 one.
        {"larger than the screen", "0", "0", "30000", "19500", true, {0, 0, 19200, 16200}},
        {"far larger, bar on it", "-1500", "300", "300000", "300000", true, {0, 0, 19200, 16200}},
        {"far larger, bar above: centred",
         "-5000",
         "-3000",
         "300000",
         "300000",
         true,
         {6907, 5542, 5385, 5115}},
        {"bar partly above", "1200", "-300", "8000", "6000", true, {1200, 0, 8000, 6000}},
        {"bar at the very bottom",
         "1200",
         "16000",
         "8000",
         "6000",
         true,
         {1200, 15750, 8000, 6000}},
    };
    for (const auto& c : cases) {
        Rig r;
        Store(r, "Left", c.left);
        Store(r, "Top", c.top);
        Store(r, "Width", c.width);
        Store(r, "Height", c.height);
        Form_Load(r.form);
        EXPECT_EQ(!r.Calls("MoveWindow").empty(), c.moved) << c.name;
        EXPECT_EQ(r.window.placement.left, c.expected.left) << c.name;
        EXPECT_EQ(r.window.placement.top, c.expected.top) << c.name;
        EXPECT_EQ(r.window.placement.width, c.expected.width) << c.name;
        EXPECT_EQ(r.window.placement.height, c.expected.height) << c.name;
    }
}

TEST(FormLoad, WindowStateZeroOneTwoOnly) {
    const std::pair<const char*, WindowState> cases[] = {
        {"0", WindowState::Normal},         {"1", WindowState::Minimized},
        {"2", WindowState::Maximized},      {"2.0", WindowState::Maximized},
        {"3", WindowState::Normal},         {"-1", WindowState::Normal},
        {"maximized", WindowState::Normal}, {"99999", WindowState::Normal},
    };
    for (const auto& [text, state] : cases) {
        Rig r;
        Store(r, "WindowState", text);
        Form_Load(r.form);
        EXPECT_EQ(r.window.state, state) << text;
    }
}

TEST(FormLoad, OptionsAcceptBooleansInAnyCaseAndNumbers) {
    struct Case {
        const char* text;
        bool size, loop, controls;
    };
    const Case cases[] = {
        {"True", true, true, true},
        {"FALSE", false, false, false},
        {"true", true, true, true},
        {"-1", true, true, true},
        {"0", false, false, false},
        {"yes", false, false, true},  // not a boolean: each keeps its initial mark
    };
    for (const auto& c : cases) {
        Rig r;
        Store(r, "OriginalSize", c.text);
        Store(r, "MovieLoop", c.text);
        Store(r, "MovieControls", c.text);
        Form_Load(r.form);
        EXPECT_EQ(r.window.checked[Menu::MovieSize], c.size) << c.text;
        EXPECT_EQ(r.window.checked[Menu::MovieLoop], c.loop) << c.text;
        EXPECT_EQ(r.window.checked[Menu::MovieControls], c.controls) << c.text;
    }
}

TEST(FormLoad, RecentEntriesFillSlotsWithoutGaps) {
    Rig r;
    r.files.files = {{"/m/a.mov", 10}, {"/m/b.mov", 10}};
    Store(r, "0", "/m/deleted.mov", "MRU");
    Store(r, "1", "/m/a.mov", "MRU");
    Store(r, "2", "", "MRU");
    Store(r, "3", "file:///m/b.mov", "MRU");
    Form_Load(r.form);
    EXPECT_EQ(r.window.tags[Menu::Recent0], "/m/a.mov");
    EXPECT_EQ(r.window.captions[Menu::Recent0], "&1:a.mov");
    EXPECT_EQ(r.window.tags[Menu::Recent1], "/m/b.mov");
    EXPECT_EQ(r.window.captions[Menu::Recent1], "&2:b.mov");
    EXPECT_TRUE(r.window.Visible(Menu::Recent0));
    EXPECT_TRUE(r.window.Visible(Menu::Recent1));
    for (int i = 2; i <= kRecentUpperBound; ++i) EXPECT_FALSE(r.window.Visible(RecentItem(i)));
    EXPECT_TRUE(r.window.Visible(Menu::FileSep2));
    EXPECT_TRUE(r.settings.Get("MRU", "0").has_value()) << "nothing is removed from the store";
}

TEST(FormLoad, DuplicateStoredEntriesAreBothShown) {
    Rig r;
    r.files.files = {{"/m/a.mov", 10}};
    Store(r, "0", "/m/a.mov", "MRU");
    Store(r, "4", "/m/a.mov", "MRU");
    Form_Load(r.form);
    EXPECT_TRUE(r.window.Visible(Menu::Recent0));
    EXPECT_TRUE(r.window.Visible(Menu::Recent1));
}

TEST(FormLoad, CommandLineBeatsLastPlayed) {
    struct Case {
        const char* name;
        const char* commandLine;
        const char* playLast;  // nullptr: absent
        const char* lastPlayed;
        const char* opened;  // nullptr: nothing opened
        bool lastPlayedRead;
    };
    const Case cases[] = {
        {"command line wins", "/m/cmd.mov", "True", "/m/last.mov", "/m/cmd.mov", false},
        {"last movie reopened", "", "True", "/m/last.mov", "/m/last.mov", true},
        {"option off", "", "False", "/m/last.mov", nullptr, false},
        {"option absent", "", nullptr, "/m/last.mov", nullptr, false},
        {"last played empty", "", "True", "", nullptr, true},
        {"last played absent", "", "True", nullptr, nullptr, true},
        {"quoted command line", "\"/m/with space.mov\"", nullptr, nullptr, "/m/with space.mov",
         false},
        {"relative to the terminal's folder", "here.mov", nullptr, nullptr,
         "/home/u/Movies/here.mov", false},
        {"relative and quoted", "\"here.mov\"", nullptr, nullptr, "/home/u/Movies/here.mov", false},
        {"relative, no such file", "gone.mov", nullptr, nullptr, "gone.mov", false},
    };
    for (const auto& c : cases) {
        Rig r;
        r.form.commandLine = c.commandLine;
        r.files.files["/home/u/Movies/here.mov"] = 5;
        if (c.playLast) Store(r, "PlayLastMovie", c.playLast);
        if (c.lastPlayed) Store(r, "LastPlayed", c.lastPlayed);
        Form_Load(r.form);
        const auto loads = r.Calls("Load ");
        if (c.opened) {
            ASSERT_EQ(loads.size(), 1u) << c.name;
            EXPECT_EQ(loads[0], std::string("Load ") + c.opened) << c.name;
            EXPECT_TRUE(r.window.shown) << c.name;
        } else {
            EXPECT_TRUE(loads.empty()) << c.name;
        }
        EXPECT_EQ(Contains(r.settings.reads, "Settings/LastPlayed"), c.lastPlayedRead) << c.name;
    }
}

TEST(FormLoad, TopMostOnlyForATrueText) {
    const std::pair<const char*, bool> cases[] = {
        {"True", true}, {"-1", true}, {"False", false}, {"0", false}, {"yes", false}, {"", false},
    };
    for (const auto& [text, on] : cases) {
        Rig r;
        Store(r, "TopMost", text);
        Form_Load(r.form);
        EXPECT_EQ(r.window.checked[Menu::MovieOnTop], on) << text;
        EXPECT_EQ(r.window.topMost, on) << text;
    }
}

TEST(FormLoad, UnreadableStoreGivesDefaults) {
    Rig r;
    r.settings.failAll = true;
    r.form.commandLine = "/m/cmd.mov";
    Form_Load(r.form);
    EXPECT_EQ(r.window.placement.left, 6907);
    EXPECT_TRUE(r.window.checked[Menu::MovieControls]);
    EXPECT_EQ(r.Calls("Load "), std::vector<std::string>{"Load /m/cmd.mov"});
}

}  // namespace
}  // namespace rw
