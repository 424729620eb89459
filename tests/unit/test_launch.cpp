#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "AppInfo.h"
#include "window/Launch.h"

namespace rw {
namespace {

TEST(Launch, OnlyAWholeOptionWithNoFileOfItsNameAsksForUsageOrVersion) {
    using R = LaunchRequest;
    struct Case {
        const char* line;
        bool nameExists;
        R request;
    };
    const Case cases[] = {
        {"--help", false, R::Help},
        {"-h", false, R::Help},
        {"--version", false, R::Version},
        {"-v", false, R::Version},
        // A file (or folder) of that name in the current folder is a movie.
        {"--help", true, R::Play},
        {"-h", true, R::Play},
        {"--version", true, R::Play},
        {"-v", true, R::Play},
        // Anything but the exact whole line is one movie reference.
        {"", false, R::Play},
        {"--HELP", false, R::Play},
        {"-H", false, R::Play},
        {"-V", false, R::Play},
        {"-help", false, R::Play},
        {"--h", false, R::Play},
        {"--v", false, R::Play},
        {"--help ", false, R::Play},
        {" --help", false, R::Play},
        {"--help --version", false, R::Play},
        {"-h -v", false, R::Play},
        {"--version=1", false, R::Play},
        {"\"--help\"", false, R::Play},
        {"-", false, R::Play},
        {"--", false, R::Play},
        {"movie.mp4", false, R::Play},
        {"movie.mp4", true, R::Play},
        {"https://example.org/--help", false, R::Play},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ReadLaunchRequest(c.line, c.nameExists), c.request)
            << '"' << c.line << "\" exists " << c.nameExists;
    }
    // A line with a NUL byte after the option is not the option.
    EXPECT_EQ(ReadLaunchRequest(std::string_view("--help\0", 7), false), R::Play);
}

TEST(Launch, TheArgumentsNameOneMovieOrAFileManagersFirstAddress) {
    using V = std::vector<std::string>;
    const struct {
        const char* name;
        V arguments;
        std::string movie;
    } cases[] = {
        {"none", {}, ""},
        {"one path", {"/m/a.mov"}, "/m/a.mov"},
        {"a path with spaces, unquoted", {"/m/Harbour", "lights.mov"}, "/m/Harbour lights.mov"},
        {"an empty argument keeps its space", {"a", "", "b"}, "a  b"},
        {"one address", {"file:///m/a%20b.mov"}, "file:///m/a%20b.mov"},
        {"addresses from a file manager",
         {"file:///m/a.mov", "smb://nas/b.mkv"},
         "file:///m/a.mov"},
        {"an address and a word",
         {"file:///m/Harbour", "lights.mov"},
         "file:///m/Harbour lights.mov"},
        {"a word and an address", {"Clip", "http://x/y"}, "Clip http://x/y"},
        {"no scheme before ://", {"://a", "://b"}, "://a ://b"},
        {"a scheme that is no scheme", {"a b://x", "c://y"}, "a b://x c://y"},
    };
    for (const auto& row : cases) EXPECT_EQ(MovieOfArguments(row.arguments), row.movie) << row.name;
}

TEST(Launch, VersionIsTheNameAndTheFullVersion) {
    // Appended in place: GCC 12 warns of a false overrun in operator+ here.
    std::string expected(kAppTitle);
    expected.append(" ").append(kVersionText).append("\n");
    EXPECT_EQ(VersionText(), expected);
    EXPECT_EQ(VersionText(), "Ostrun's Reelwick 1.1.0.1\n");
}

TEST(Launch, UsageStartsWithTheSynopsisAndNamesBothOptions) {
    const std::string usage = UsageText();
    EXPECT_EQ(usage.rfind("Usage: reelwick [movie]\n"
                          "       reelwick -h | --help\n"
                          "       reelwick -v | --version\n",
                          0),
              0u);
    EXPECT_EQ(usage.back(), '\n');
    // Short enough for any terminal.
    std::size_t start = 0;
    for (std::size_t end; (end = usage.find('\n', start)) != std::string::npos; start = end + 1)
        EXPECT_LE(end - start, 79u) << usage.substr(start, end - start);
}

TEST(Launch, XcbOnlyOnAWaylandDesktopWithAnXServerAndNoChoiceOfTheUser) {
    struct Case {
        const char* wayland;
        const char* display;
        const char* qpa;
        bool xcb;
    };
    const Case cases[] = {
        {"wayland-0", ":0", nullptr, true},
        {"wayland-0", ":0", "", true},  // empty: Qt reads it as not set
        {"/run/user/1000/wayland-1", ":1", nullptr, true},
        {"wayland-0", ":0", "wayland", false},  // the user's choice stands
        {"wayland-0", ":0", "xcb", false},
        {"wayland-0", ":0", "offscreen", false},
        {"wayland-0", nullptr, nullptr, false},  // no X server to go to
        {"wayland-0", "", nullptr, false},
        {nullptr, ":0", nullptr, false},  // an X desktop: Qt's own choice
        {"", ":0", nullptr, false},
        {nullptr, nullptr, nullptr, false},
        {nullptr, nullptr, "xcb", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(PreferXcbPlatform(c.wayland, c.display, c.qpa), c.xcb)
            << (c.wayland ? c.wayland : "(unset)") << ' ' << (c.display ? c.display : "(unset)")
            << ' ' << (c.qpa ? c.qpa : "(unset)");
    }
}

}  // namespace
}  // namespace rw
