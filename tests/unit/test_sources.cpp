#include <gtest/gtest.h>

#include "Fakes.h"
#include "sources/FolderList.h"
#include "sources/OpenDialog.h"
#include "sources/UrlAndDrops.h"

namespace rw {
namespace {

using test::Rig;

TEST(OpenFilter, ConvertsThePairs) {
    const auto filters = ParseFilter(kOpenFilter);
    ASSERT_EQ(filters.size(), 2u);
    EXPECT_EQ(filters[0].display, "QuickTime Files");
    ASSERT_EQ(filters[0].patterns.size(), 60u);
    EXPECT_EQ(filters[0].patterns.front(), "*.mov");
    EXPECT_EQ(filters[0].patterns[40], "*.aiff");
    EXPECT_EQ(filters[0].patterns.back(), "*.jpeg");
    EXPECT_EQ(filters[1].display, "All files (*.*)");
    EXPECT_EQ(filters[1].patterns, std::vector<std::string>{"*.*"});
    EXPECT_EQ(std::string(kOpenFilter).size(), 404u);
    EXPECT_EQ(std::string(kFolderListPattern).size(), 250u);
    EXPECT_EQ(std::string(kOpenFilter).find(kFolderListPattern), 16u) << "the first 41 patterns";
}

TEST(OpenFilter, OddShapes) {
    EXPECT_TRUE(ParseFilter("").empty());
    const auto trailing = ParseFilter("Movies|*.mov|");
    ASSERT_EQ(trailing.size(), 1u);
    EXPECT_EQ(trailing[0].patterns, std::vector<std::string>{"*.mov"});
    const auto lone = ParseFilter("Movies");
    ASSERT_EQ(lone.size(), 1u);
    EXPECT_TRUE(lone[0].patterns.empty());
    EXPECT_EQ(ParseFilter("A|*.a;;*.b|B|").at(0).patterns,
              (std::vector<std::string>{"*.a", "*.b"}));
}

TEST(OpenCommand, CancelChangesNothingAndAChoiceIsOpenedWhole) {
    Rig r;
    mnuFileOpen_Click(r.form);
    EXPECT_EQ(r.journal, std::vector<std::string>{"OpenFile"});
    EXPECT_EQ(r.dialogs.lastTitle, "Open File");
    EXPECT_EQ(r.dialogs.lastFilter, kOpenFilter);

    r.dialogs.openFileResult = "/m/a long name  .mov";
    mnuFileOpen_Click(r.form);
    EXPECT_EQ(r.Calls("Load"), std::vector<std::string>{"Load /m/a long name  .mov"});
}

TEST(OpenUrl, PrefillsTheLoadedReferenceAndPassesTextAsTyped) {
    Rig r;
    mnuFileOpenURL_Click(r.form);
    EXPECT_EQ(r.dialogs.lastInitial, "");
    EXPECT_EQ(r.dialogs.lastPrompt, "Enter URL for QuickTime Movie");
    EXPECT_EQ(r.dialogs.lastTitle, "Reelwick");
    EXPECT_TRUE(r.Calls("Load").empty()) << "cancel or an emptied box";

    r.player.reference = "http://example.com/a.mov";
    r.dialogs.inputResult = "  http://example.com/b.mov ";
    mnuFileOpenURL_Click(r.form);
    EXPECT_EQ(r.dialogs.lastInitial, "http://example.com/a.mov");
    EXPECT_EQ(r.Calls("Load"), std::vector<std::string>{"Load   http://example.com/b.mov "});

    // A path typed relative to the current folder is remembered whole.
    r.files.files["/home/u/Movies/sub/c.mov"] = 5;
    r.dialogs.inputResult = "sub/c.mov";
    mnuFileOpenURL_Click(r.form);
    EXPECT_EQ(r.Calls("Load").back(), "Load /home/u/Movies/sub/c.mov");
    EXPECT_EQ(r.window.tags[Menu::Recent0], "/home/u/Movies/sub/c.mov");

    Rig failing;
    failing.player.failing.insert("Reference");
    mnuFileOpenURL_Click(failing.form);
    EXPECT_EQ(failing.dialogs.lastInitial, "");
}

TEST(Drops, OpenTheFirstFileFromEveryTarget) {
    const std::vector<std::string> three = {"/m/1.mov", "/m/2.mov", "/m/3.mov"};
    for (auto* handler : {&Form_OLEDragDrop, &files_OLEDragDrop, &Image1_OLEDragDrop}) {
        Rig r;
        handler(r.form, three);
        EXPECT_EQ(r.Calls("Load"), std::vector<std::string>{"Load /m/1.mov"});
        Rig empty;
        handler(empty.form, {});
        EXPECT_TRUE(empty.journal.empty());
    }
}

TEST(FolderList, TogglesAfterResettingTheFolder) {
    Rig r;
    r.files.current = "/home/u/Clips";
    mnuFileList_Click(r.form);
    EXPECT_TRUE(r.window.filesVisible);
    EXPECT_EQ(r.window.filesPath, "/home/u/Clips");
    EXPECT_EQ(r.Calls("FocusFiles").size(), 1u);
    r.files.current = "/home/u/Other";
    mnuFileList_Click(r.form);
    EXPECT_FALSE(r.window.filesVisible);
    EXPECT_EQ(r.window.filesPath, "/home/u/Other") << "reset on hiding too";

    Rig unreadable;
    unreadable.window.failing = {"SetFilesPath", "FocusFiles"};
    mnuFileList_Click(unreadable.form);
    EXPECT_TRUE(unreadable.window.filesVisible) << "still toggled";
}

TEST(FolderList, OpensTheSelectionWithOneSeparator) {
    struct Case {
        const char* folder;
        int index;
        const char* opened;
    };
    const Case cases[] = {
        {"/home/u/Movies", 0, "/home/u/Movies/clip.mov"},
        {"/", 3, "/clip.mov"},
        {"/home/u/Movies/", 1, "/home/u/Movies/clip.mov"},
        {"/home/u/Movies", -1, nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.folder) + ", item " + std::to_string(c.index));
        Rig r;
        r.window.filesPath = c.folder;
        r.window.listIndex = c.index;
        r.window.fileName = "clip.mov";
        files_DblClick(r.form);
        if (c.opened) {
            EXPECT_EQ(r.Calls("Load"), std::vector<std::string>{std::string("Load ") + c.opened});
        } else {
            EXPECT_TRUE(r.Calls("Load").empty());
        }
    }
}

TEST(FolderList, EnterWithAnyModifiersOpensLikeADoubleClick) {
    for (std::int16_t shift : {0, 1, 2, 4, 7}) {
        Rig r;
        r.window.filesPath = "/m";
        r.window.listIndex = 0;
        r.window.fileName = "a.mov";
        std::int16_t code = 13;
        files_KeyDown(r.form, code, shift);
        EXPECT_EQ(code, 13) << "left unchanged";
        EXPECT_EQ(r.Calls("Load"), std::vector<std::string>{"Load /m/a.mov"});
        std::int16_t other = 40;
        files_KeyDown(r.form, other, shift);
        EXPECT_EQ(r.Calls("Load").size(), 1u);
    }
}

}  // namespace
}  // namespace rw
