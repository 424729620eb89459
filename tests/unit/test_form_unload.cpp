#include <gtest/gtest.h>

#include "Fakes.h"
#include "window/Handlers.h"

namespace rw {
namespace {

using test::Rig;

std::vector<std::string> SettingsWrites(const Rig& r) {
    std::vector<std::string> out;
    for (const auto& w : r.settings.writes) {
        if (w.rfind("Settings/", 0) == 0) out.push_back(w.substr(9));
    }
    return out;
}

TEST(FormUnload, NormalWindowWritesEveryKeyInOrder) {
    Rig r;
    r.window.placement = {1200, -45, 8000, 6000};
    r.player.reference = "/m/a b&c.mov";
    r.window.checked[Menu::MovieLoop] = true;
    Form_Unload(r.form);
    const std::vector<std::string> expected = {
        "Left",    "Top",          "Width",         "Height",    "WindowState",  "LastPlayed",
        "TopMost", "OriginalSize", "PlayLastMovie", "MovieLoop", "MovieControls"};
    EXPECT_EQ(SettingsWrites(r), expected);
    EXPECT_EQ(r.settings.Get("Settings", "Left"), "1200");
    EXPECT_EQ(r.settings.Get("Settings", "Top"), "-45");
    EXPECT_EQ(r.settings.Get("Settings", "Width"), "8000");
    EXPECT_EQ(r.settings.Get("Settings", "Height"), "6000");
    EXPECT_EQ(r.settings.Get("Settings", "WindowState"), "0");
    EXPECT_EQ(r.settings.Get("Settings", "LastPlayed"), "/m/a b&c.mov");
    EXPECT_EQ(r.settings.Get("Settings", "MovieLoop"), "True");
    EXPECT_EQ(r.settings.Get("Settings", "MovieControls"), "True");
    EXPECT_EQ(r.settings.Get("Settings", "TopMost"), "False");
}

TEST(FormUnload, PlacementAndStateDependOnTheWindowState) {
    struct Case {
        WindowState state;
        bool placement;
        const char* stateText;
    };
    const Case cases[] = {
        {WindowState::Normal, true, "0"},
        {WindowState::Maximized, false, "2"},
        {WindowState::Minimized, false, nullptr},
    };
    for (const auto& c : cases) {
        Rig r;
        r.settings.values[{"Settings", "Left"}] = "777";
        r.settings.values[{"Settings", "WindowState"}] = "2";
        r.window.state = c.state;
        r.window.placement = {100, 100, 8000, 6000};
        Form_Unload(r.form);
        EXPECT_EQ(r.settings.Get("Settings", "Left"), c.placement ? "100" : "777");
        EXPECT_EQ(r.settings.Get("Settings", "WindowState"), c.stateText ? c.stateText : "2");
        EXPECT_TRUE(r.settings.Get("Settings", "MovieControls").has_value()) << "options always";
    }
}

TEST(FormUnload, OnlyVisibleRecentItemsAreWritten) {
    Rig r;
    for (int i = 0; i < 8; ++i)
        r.settings.values[{"MRU", std::to_string(i)}] = "old" + std::to_string(i);
    for (int i = 0; i < 3; ++i) {
        r.window.visible[RecentItem(i)] = true;
        r.window.tags[RecentItem(i)] = "/m/" + std::to_string(i) + ".mov";
    }
    r.window.tags[Menu::Recent4] = "/m/hidden.mov";  // hidden: never written
    Form_Unload(r.form);
    EXPECT_EQ(r.settings.Get("MRU", "0"), "/m/0.mov");
    EXPECT_EQ(r.settings.Get("MRU", "2"), "/m/2.mov");
    for (int i = 3; i < 8; ++i)
        EXPECT_EQ(r.settings.Get("MRU", std::to_string(i)), "old" + std::to_string(i));
}

// Another window exited meanwhile with a longer list: its keys below this
// window's list are kept, but none may name a movie listed above it.
TEST(FormUnload, AKeptRecentKeyNeverRepeatsAListedMovie) {
    Rig r;
    for (int i = 0; i < 2; ++i) {
        r.window.visible[RecentItem(i)] = true;
        r.window.tags[RecentItem(i)] = "/m/" + std::to_string(i) + ".mov";
    }
    r.settings.onReload = [&] {
        r.settings.values[{"MRU", "2"}] = "/m/other.mov";
        r.settings.values[{"MRU", "3"}] = "file:///m/0.mov";
        r.settings.values[{"MRU", "4"}] = "/m/other.mov";
    };
    Form_Unload(r.form);
    EXPECT_EQ(r.settings.Get("MRU", "0"), "/m/0.mov");
    EXPECT_EQ(r.settings.Get("MRU", "1"), "/m/1.mov");
    EXPECT_EQ(r.settings.Get("MRU", "2"), "/m/other.mov");
    EXPECT_EQ(r.settings.Get("MRU", "3"), "");
    EXPECT_EQ(r.settings.Get("MRU", "4"), "");
}

TEST(FormUnload, NoRecentItemWritesNoMruKey) {
    Rig r;
    Form_Unload(r.form);
    for (const auto& w : r.settings.writes) EXPECT_NE(w.rfind("MRU/", 0), 0u) << w;
    EXPECT_EQ(r.settings.Get("Settings", "LastPlayed"), "") << "nothing loaded writes empty";
}

TEST(FormUnload, AFailingValueLosesOnlyItsOwnKey) {
    Rig r;
    r.settings.values[{"Settings", "LastPlayed"}] = "/m/earlier.mov";
    r.player.failing.insert("Reference");
    r.window.failing.insert("Placement");
    Form_Unload(r.form);
    EXPECT_EQ(r.settings.Get("Settings", "LastPlayed"), "/m/earlier.mov");
    EXPECT_FALSE(r.settings.Get("Settings", "Left").has_value());
    EXPECT_EQ(r.settings.Get("Settings", "WindowState"), "0");
    EXPECT_EQ(r.settings.Get("Settings", "MovieControls"), "True");
}

TEST(FormUnload, RefusingStoreDoesNotStopTheUnload) {
    Rig r;
    r.settings.failAll = true;
    EXPECT_NO_THROW(Form_Unload(r.form));
}

TEST(FormUnload, ExitAsksTheWindowToClose) {
    Rig r;
    mnuFileExit_Click(r.form);
    EXPECT_EQ(r.Calls("Close"), std::vector<std::string>{"Close"});
    r.window.failing.insert("Close");
    EXPECT_NO_THROW(mnuFileExit_Click(r.form));
}

}  // namespace
}  // namespace rw
