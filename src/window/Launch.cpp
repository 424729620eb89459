#include "window/Launch.h"

#include "AppInfo.h"

namespace rw {
namespace {

bool IsSet(const char* value) { return value != nullptr && *value != '\0'; }

bool IsAddress(std::string_view text) {
    const std::size_t colon = text.find("://");
    if (colon == 0 || colon == std::string_view::npos) return false;
    const auto letter = [](char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); };
    if (!letter(text[0])) return false;
    for (char c : text.substr(0, colon)) {
        if (!letter(c) && !(c >= '0' && c <= '9') && c != '+' && c != '-' && c != '.') return false;
    }
    return true;
}

}  // namespace

LaunchRequest ReadLaunchRequest(std::string_view commandLine, bool nameExists) {
    if (nameExists) return LaunchRequest::Play;
    if (commandLine == "-h" || commandLine == "--help") return LaunchRequest::Help;
    if (commandLine == "-v" || commandLine == "--version") return LaunchRequest::Version;
    return LaunchRequest::Play;
}

std::string MovieOfArguments(const std::vector<std::string>& arguments) {
    bool addresses = arguments.size() > 1;
    for (const std::string& argument : arguments) addresses = addresses && IsAddress(argument);
    if (addresses) return arguments.front();
    std::string line;
    for (std::size_t i = 0; i < arguments.size(); ++i) line += (i > 0 ? " " : "") + arguments[i];
    return line;
}

std::string UsageText() {
    // The first three lines, less "Usage:" and the indent, are the manual's
    // synopsis; a test holds the two together.
    return "Usage: reelwick [movie]\n"
           "       reelwick -h | --help\n"
           "       reelwick -v | --version\n"
           "\n"
           "Plays the movie in a window. The movie is a local path or an address\n"
           "(file://, http://, https://, rtsp://, rtmp://, ...); all arguments\n"
           "together name the one movie, so a path with spaces works quoted or not.\n"
           "Without a movie the window shows its logo.\n"
           "\n"
           "  -h, --help     print this usage and exit\n"
           "  -v, --version  print the name and version and exit\n"
           "\n"
           "A file of the option's name in the current folder is played instead.\n";
}

std::string VersionText() { return std::string(kAppTitle) + " " + kVersionText + "\n"; }

bool PreferXcbPlatform(const char* waylandDisplay, const char* display, const char* qpaPlatform) {
    return IsSet(waylandDisplay) && IsSet(display) && !IsSet(qpaPlatform);
}

}  // namespace rw
