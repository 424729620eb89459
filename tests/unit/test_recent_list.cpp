#include <gtest/gtest.h>

#include "Fakes.h"
#include "sources/RecentList.h"

namespace rw {
namespace {

using test::Rig;

std::vector<std::string> Tags(Rig& r) {
    std::vector<std::string> out;
    for (int i = 0; i <= kRecentUpperBound; ++i) out.push_back(r.window.tags[RecentItem(i)]);
    return out;
}

TEST(AddRecentEntry, FillsTheSlotOnlyForAnExistingFile) {
    Rig r;
    r.files.files = {{"/m/a.mov", 3}, {"/m/empty.mov", 0}};
    std::int16_t slot = 0;
    AddRecentEntry(r.form, "/m/missing.mov", slot);
    AddRecentEntry(r.form, "/m/empty.mov", slot);
    AddRecentEntry(r.form, "", slot);
    EXPECT_EQ(slot, 0);
    EXPECT_FALSE(r.window.Visible(Menu::FileSep2));
    AddRecentEntry(r.form, "file:///m/a.mov", slot);
    EXPECT_EQ(slot, 1);
    EXPECT_EQ(r.window.tags[Menu::Recent0], "/m/a.mov");
    EXPECT_EQ(r.window.captions[Menu::Recent0], "&1:a.mov");
    EXPECT_TRUE(r.window.Visible(Menu::Recent0));
    EXPECT_TRUE(r.window.Visible(Menu::FileSep2));
}

TEST(AddRecentEntry, ASlotPastTheEndStillShowsTheSeparatorAndCounts) {
    Rig r;
    r.files.files = {{"/m/a.mov", 3}};
    std::int16_t slot = 8;
    AddRecentEntry(r.form, "/m/a.mov", slot);
    EXPECT_EQ(slot, 9);
    EXPECT_TRUE(r.window.Visible(Menu::FileSep2));
}

TEST(PushRecentEntry, PutsANewFileFirstAndShiftsTheRest) {
    Rig r;
    for (int i = 1; i <= 9; ++i) r.files.files["/m/" + std::to_string(i) + ".mov"] = 1;
    for (int i = 1; i <= 9; ++i) PushRecentEntry(r.form, "/m/" + std::to_string(i) + ".mov");
    const std::vector<std::string> expected = {"/m/9.mov", "/m/8.mov", "/m/7.mov", "/m/6.mov",
                                               "/m/5.mov", "/m/4.mov", "/m/3.mov", "/m/2.mov"};
    EXPECT_EQ(Tags(r), expected);
    for (int i = 0; i <= kRecentUpperBound; ++i) {
        EXPECT_EQ(r.window.captions[RecentItem(i)],
                  "&" + std::to_string(i + 1) + ":" + std::to_string(9 - i) + ".mov");
        EXPECT_TRUE(r.window.Visible(RecentItem(i)));
    }
    EXPECT_TRUE(r.window.Visible(Menu::FileSep2));
    PushRecentEntry(r.form, "/m/2.mov");  // listed in the last slot: the list keeps its order
    EXPECT_EQ(Tags(r), expected);
}

TEST(PushRecentEntry, ListedFilesWebAddressesAndMissingFilesChangeNothing) {
    Rig r;
    for (const char* f : {"/m/a.mov", "/m/b.mov", "/m/c.mov", "/m/d.mov", "/m/e.mov", "/m/F.mov"}) {
        r.files.files[f] = 1;
    }
    for (const char* f : {"/m/F.mov", "/m/e.mov", "/m/d.mov", "/m/c.mov", "/m/b.mov", "/m/a.mov"}) {
        PushRecentEntry(r.form, f);
    }
    const auto before = Tags(r);
    PushRecentEntry(r.form, "/m/e.mov");  // listed at position 4
    PushRecentEntry(r.form, "http://example.com/a.mov");
    PushRecentEntry(r.form, "/m/missing.mov");
    PushRecentEntry(r.form, "/m/f.MOV");  // no such file: only /m/F.mov exists
    EXPECT_EQ(Tags(r), before);
}

// On Linux names that differ only in letter case are different files: the
// second one opened goes to the top, and each entry opens its own file.
TEST(PushRecentEntry, NamesDifferingInLetterCaseAreTwoEntries) {
    Rig r;
    r.files.files = {{"/films/Clip.mov", 1}, {"/films/clip.mov", 1}};
    PushRecentEntry(r.form, "/films/Clip.mov");
    PushRecentEntry(r.form, "/films/clip.mov");
    EXPECT_EQ(r.window.tags[Menu::Recent0], "/films/clip.mov");
    EXPECT_EQ(r.window.tags[Menu::Recent1], "/films/Clip.mov");
    mnuRecent_Click(r.form, 1);
    EXPECT_EQ(r.Calls("Load"), std::vector<std::string>{"Load /films/Clip.mov"});
}

TEST(PushRecentEntry, FileUrlKeepsItsFormUntilItMovesDown) {
    Rig r;
    r.files.files = {{"/m/a.mov", 1}, {"/m/b.mov", 1}};
    PushRecentEntry(r.form, "file:///m/a.mov");
    EXPECT_EQ(r.window.tags[Menu::Recent0], "file:///m/a.mov");
    EXPECT_EQ(r.window.captions[Menu::Recent0], "&1:a.mov");
    PushRecentEntry(r.form, "/m/a.mov");  // not equal to the URL form: a second entry
    EXPECT_EQ(r.window.tags[Menu::Recent0], "/m/a.mov");
    EXPECT_EQ(r.window.tags[Menu::Recent1], "/m/a.mov") << "moved down in path form";
}

TEST(PushRecentEntry, DeletedFilesMoveDownHiddenAndHiddenTagsBlock) {
    Rig r;
    r.files.files = {{"/m/a.mov", 1}, {"/m/b.mov", 1}, {"/m/c.mov", 1}};
    PushRecentEntry(r.form, "/m/a.mov");
    r.files.files.erase("/m/a.mov");
    PushRecentEntry(r.form, "/m/b.mov");
    EXPECT_EQ(r.window.tags[Menu::Recent1], "/m/a.mov");
    EXPECT_FALSE(r.window.Visible(Menu::Recent1));
    EXPECT_FALSE(r.window.Visible(Menu::Recent2)) << "empty items move down hidden";
    EXPECT_EQ(r.window.captions[Menu::Recent2], "&3:");

    r.files.files["/m/a.mov"] = 1;  // the file is back: its hidden entry blocks the push
    const auto before = Tags(r);
    PushRecentEntry(r.form, "/m/a.mov");
    EXPECT_EQ(Tags(r), before);
    EXPECT_FALSE(r.window.Visible(Menu::Recent1));
}

TEST(PushRecentEntry, AmpersandShowsAsItselfAndTheTagKeepsIt) {
    Rig r;
    r.files.files = {{"/m/Tom & Jerry.mov", 1}};
    PushRecentEntry(r.form, "/m/Tom & Jerry.mov");
    EXPECT_EQ(r.window.captions[Menu::Recent0], "&1:Tom && Jerry.mov");
    EXPECT_EQ(r.window.tags[Menu::Recent0], "/m/Tom & Jerry.mov");
}

TEST(RecentClick, OpensTheItemAndKeepsTheOrder) {
    Rig r;
    r.files.files = {{"/m/a.mov", 1}, {"/m/b.mov", 1}, {"/m/c.mov", 1}};
    for (const char* f : {"/m/a.mov", "/m/b.mov", "/m/c.mov"}) PushRecentEntry(r.form, f);
    const auto before = Tags(r);
    mnuRecent_Click(r.form, 2);
    EXPECT_EQ(r.Calls("Load"), std::vector<std::string>{"Load /m/a.mov"});
    EXPECT_EQ(Tags(r), before);
    mnuRecent_Click(r.form, 8);  // no such item: nothing happens
    EXPECT_EQ(r.Calls("Load").size(), 1u);
}

TEST(RecentKeysToWrite, NoMovieIsStoredTwice) {
    using Keys = std::vector<std::optional<std::string>>;
    const auto none = std::nullopt;
    const struct {
        const char* name;
        Keys visible, stored, writes;
    } cases[] = {
        {"visible written, hidden kept",
         {"/m/a", none, "/m/b"},
         {"/m/x", "/m/y", "/m/z"},
         {"/m/a", none, "/m/b"}},
        {"a path and its file:// address", {"file:///m/a", "/m/a"}, {}, {"file:///m/a", ""}},
        {"a kept key repeating a visible item",
         {"/m/a", none, none},
         {none, "/m/b", "/m/a"},
         {"/m/a", none, ""}},
        {"two kept keys repeating each other",
         {none, none, none},
         {"/m/a", "file:///m/a", "/m/b"},
         {none, "", none}},
        {"empty and absent keys are no movie",
         {"/m/a", none, none},
         {none, "", none},
         {"/m/a", none, none}},
        {"letter case names another file", {"/m/A", none}, {none, "/m/a"}, {"/m/A", none}},
    };
    for (const auto& c : cases) {
        Keys stored = c.stored;
        stored.resize(c.visible.size());
        EXPECT_EQ(RecentKeysToWrite(c.visible, stored), c.writes) << c.name;
    }
}

}  // namespace
}  // namespace rw
