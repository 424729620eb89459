#pragma once

#include <string>
#include <string_view>
#include <vector>

// What the program decides before the window toolkit starts: whether the
// command line asks for the usage or the version instead of a movie, and
// whether to run through XWayland. Pure functions of their inputs, so that
// start-up (Startup.cpp) only gathers the facts.
namespace rw {

enum class LaunchRequest {
    Play,     // the command line is one movie reference (or empty): open the window
    Help,     // print the usage and end
    Version,  // print the name and version and end
};

// `commandLine` is the arguments joined with single spaces. Only a whole
// command line of exactly "-h", "--help", "-v" or "--version" asks for the
// usage or the version, and only while no file or folder of that name is in
// the current folder (`nameExists`): a movie may have any name, and one
// named "--help" still plays.
LaunchRequest ReadLaunchRequest(std::string_view commandLine, bool nameExists);

// The one movie the program's arguments name: all of them joined with
// single spaces, so that a path with spaces works quoted or not; but where
// there are several and each is an address ("scheme://..."), as a file
// manager passes the files chosen in it, the first.
std::string MovieOfArguments(const std::vector<std::string>& arguments);

// The usage, in the words of the manual page's synopsis (data/reelwick.1),
// ending in a newline.
std::string UsageText();

// "Ostrun's Reelwick 1.1.0.1" and a newline.
std::string VersionText();

// Whether to ask Qt for its X11 platform: on a Wayland desktop that also
// offers an X server (XWayland), where the window can place itself and stay
// on top, neither of which a Wayland client may do. A choice the user made
// in QT_QPA_PLATFORM stands. Each argument is the value of that environment
// variable, null when it is not set; an empty value counts as not set, as Qt
// itself reads it.
bool PreferXcbPlatform(const char* waylandDisplay, const char* display, const char* qpaPlatform);

}  // namespace rw
