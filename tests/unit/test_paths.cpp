#include <gtest/gtest.h>

#include <span>
#include <string>

#include "Fakes.h"
#include "sources/Paths.h"

namespace rw {
namespace {

struct Case {
    const char* in;
    const char* out;
};

// Each case of a table through a path helper in one style; a failure names
// the input.
void ExpectEach(std::string (*convert)(const std::string&, PathStyle), PathStyle style,
                std::span<const Case> cases) {
    for (const Case& c : cases) EXPECT_EQ(convert(c.in, style), c.out) << c.in;
}

TEST(UrlToPath, WindowsStyle) {
    const Case cases[] = {
        {"file:///C:/Movies/clip.mov", "C:\\Movies\\clip.mov"},
        {"FILE:///C:/Movies/Clip.MOV", "C:\\Movies\\Clip.MOV"},
        {"File:///C:/a.mov", "C:\\a.mov"},
        {"file:///", ""},
        {"file://server/share/clip.mov", "file:\\\\server\\share\\clip.mov"},
        {"C:/Movies/clip.mov", "C:\\Movies\\clip.mov"},
        {"C:\\Movies\\clip.mov", "C:\\Movies\\clip.mov"},
        {"file:///C:/My%20Movies/clip.mov", "C:\\My%20Movies\\clip.mov"},
        {"http://host/a.mov", "http:\\\\host\\a.mov"},
        {"", ""},
    };
    ExpectEach(UrlToPath, PathStyle::Windows, cases);
}

TEST(UrlToPath, PosixStyleKeepsTheRootSlashAndBackslashes) {
    const Case cases[] = {
        {"file:///home/u/a.mov", "/home/u/a.mov"},
        {"FILE:///home/u/A.MOV", "/home/u/A.MOV"},
        {"file:///", "/"},
        {"file://server/share/clip.mov", "file://server/share/clip.mov"},
        {"/home/u/back\\slash.mov", "/home/u/back\\slash.mov"},
        {"file:///home/u/My%20Movies/a.mov", "/home/u/My%20Movies/a.mov"},
        {"relative/a.mov", "relative/a.mov"},
        {"http://host/a.mov", "http://host/a.mov"},
    };
    ExpectEach(UrlToPath, PathStyle::Posix, cases);
}

TEST(FileNameOf, WindowsStyleTakesEitherSeparator) {
    const Case cases[] = {
        {"C:\\Movies\\clip.mov", "clip.mov"},
        {"C:/Movies/clip.mov", "clip.mov"},
        {"file:///C:/Movies/clip.mov", "clip.mov"},
        {"C:\\Movies\\", ""},
        {"C:/Movies/", ""},
        {"clip.mov", "clip.mov"},
        {"C:clip.mov", "C:clip.mov"},
        {"", ""},
        {"C:\\Movies/sub\\clip.mov", "clip.mov"},
    };
    ExpectEach(FileNameOf, PathStyle::Windows, cases);
}

TEST(FileNameOf, PosixStyleTakesOnlySlash) {
    const Case cases[] = {
        {"/home/u/clip.mov", "clip.mov"},
        {"file:///home/u/clip.mov", "clip.mov"},
        {"/home/u/", ""},
        {"clip.mov", "clip.mov"},
        {"", ""},
        {"/home/u/back\\slash.mov", "back\\slash.mov"},
        {"/", ""},
    };
    ExpectEach(FileNameOf, PathStyle::Posix, cases);
}

TEST(JoinFolderAndName, UsesExactlyOneSeparator) {
    EXPECT_EQ(JoinFolderAndName("/home/u/Movies", "clip.mov"), "/home/u/Movies/clip.mov");
    EXPECT_EQ(JoinFolderAndName("/", "clip.mov"), "/clip.mov");
    EXPECT_EQ(JoinFolderAndName("C:\\Movies", "clip.mov", PathStyle::Windows),
              "C:\\Movies\\clip.mov");
    EXPECT_EQ(JoinFolderAndName("C:\\", "clip.mov", PathStyle::Windows), "C:\\clip.mov");
}

TEST(SameReference, LetterCaseCountsOnlyInTheWindowsStyle) {
    const struct {
        const char* a;
        const char* b;
        bool posix, windows;
    } cases[] = {
        {"/films/Clip.mov", "/films/Clip.mov", true, true},
        {"/films/Clip.mov", "/films/clip.mov", false, true},
        {"/films/CLIP.MOV", "/films/clip.mov", false, true},
        {"C:\\Films\\A.mov", "c:\\films\\a.MOV", false, true},
        {"/films/a.mov", "/films/a.mov ", false, false},
        {"/films/a.mov", "/films/b.mov", false, false},
        {"", "", true, true},
        {"/caf\xc3\xa9.mov", "/CAF\xc3\xa9.mov", false, true},
        {"/caf\xc3\xa9.mov", "/caf\xc3\x89.mov", false, false},  // only ASCII letters fold
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SameReference(c.a, c.b, PathStyle::Posix), c.posix) << c.a << " | " << c.b;
        EXPECT_EQ(SameReference(c.a, c.b, PathStyle::Windows), c.windows) << c.a << " | " << c.b;
    }
}

TEST(AbsoluteMoviePath, OnlyRelativeNamesOfExistingFilesChange) {
    test::FakeFileSystem files;
    files.files = {{"/home/u/Movies/flower.mp4", 9},
                   {"/home/u/clip.mov", 9},
                   {"/home/u/Movies/sub dir/a.mov", 9},
                   {"/home/u/Movies/empty.mov", 0}};
    const struct {
        const char* in;
        const char* folder;
        const char* out;
    } cases[] = {
        {"flower.mp4", "/home/u/Movies", "/home/u/Movies/flower.mp4"},
        {"./flower.mp4", "/home/u/Movies", "/home/u/Movies/flower.mp4"},
        {"../clip.mov", "/home/u/Movies", "/home/u/clip.mov"},
        {"sub dir/a.mov", "/home/u/Movies/", "/home/u/Movies/sub dir/a.mov"},
        {"Movies//flower.mp4", "/home/u", "/home/u/Movies/flower.mp4"},
        {"missing.mp4", "/home/u/Movies", "missing.mp4"},
        {"empty.mov", "/home/u/Movies", "empty.mov"},
        {"sub dir", "/home/u/Movies", "sub dir"},
        {"/home/u/clip.mov", "/elsewhere", "/home/u/clip.mov"},
        {"http://host/flower.mp4", "/home/u/Movies", "http://host/flower.mp4"},
        {"file:///home/u/clip.mov", "/", "file:///home/u/clip.mov"},
        {"", "/home/u/Movies", ""},
        {"flower.mp4", "", "flower.mp4"},
        {"flower.mp4", "relative/folder", "flower.mp4"},
    };
    for (const auto& c : cases) EXPECT_EQ(AbsoluteMoviePath(files, c.in, c.folder), c.out) << c.in;
}

TEST(EscapeAmpersands, DoublesEachOne) {
    EXPECT_EQ(EscapeAmpersands("Tom & Jerry&.mov"), "Tom && Jerry&&.mov");
    EXPECT_EQ(EscapeAmpersands("plain.mov"), "plain.mov");
}

TEST(MovieFileExists, OnlyNonEmptyRegularFiles) {
    test::FakeFileSystem fs;
    fs.files = {{"/m/one.mov", 1}, {"/m/empty.mov", 0}, {"C:\\Movies\\a.mov", 5}};
    EXPECT_TRUE(MovieFileExists(fs, "/m/one.mov"));
    EXPECT_TRUE(MovieFileExists(fs, "file:///m/one.mov"));
    EXPECT_TRUE(MovieFileExists(fs, "FILE:///m/one.mov"));
    EXPECT_FALSE(MovieFileExists(fs, "/m/empty.mov"));
    EXPECT_FALSE(MovieFileExists(fs, "/m/missing.mov"));
    EXPECT_FALSE(MovieFileExists(fs, "/m"));
    EXPECT_FALSE(MovieFileExists(fs, ""));
    EXPECT_FALSE(MovieFileExists(fs, "http://example.com/one.mov"));
    EXPECT_TRUE(MovieFileExists(fs, "file:///C:/Movies/a.mov", PathStyle::Windows));
}

}  // namespace
}  // namespace rw
