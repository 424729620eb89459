#include "platform/mpv/WebPageHook.h"

#include <mpv/client.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QGuiApplication>
#include <QScreen>
#include <cstdlib>
#include <string>
#include <string_view>

#include "platform/mpv/pure/WebPages.h"

namespace rw {
namespace {

std::string_view Env(const char* name) {
    const char* value = std::getenv(name);
    return value != nullptr ? value : "";
}

std::string FindYtDlp() {
    for (const std::string& candidate : YtDlpCandidates(Env("PATH"), Env("HOME"))) {
        struct stat info {};
        if (stat(candidate.c_str(), &info) == 0 && S_ISREG(info.st_mode) &&
            access(candidate.c_str(), X_OK) == 0) {
            return candidate;
        }
    }
    return {};
}

// The primary screen's height in device pixels; 0 without a screen.
int ScreenHeight() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen == nullptr) return 0;
    return static_cast<int>(screen->geometry().height() * screen->devicePixelRatio());
}

mpv_node Text(const char* value) {
    mpv_node node{};
    node.format = MPV_FORMAT_STRING;
    node.u.string = const_cast<char*>(value);
    return node;
}

}  // namespace

void SetWebPageOptions(mpv_handle* mpv) {
    mpv_set_option_string(mpv, "ytdl", "yes");
    const std::string format = PageFormat(ScreenHeight());
    mpv_set_option_string(mpv, "ytdl-format", format.c_str());
    // yt-dlp's options as a map: a value with a comma needs no quoting. The
    // user's yt-dlp configuration could ask for a playlist, a download
    // folder or other formats, so it is not read; the hook itself adds
    // --no-playlist, so a page is one movie, and the address after "--".
    const std::string subtitles = SubtitleLanguages(
        MessageLanguage(Env("LANGUAGE"), Env("LC_ALL"), Env("LC_MESSAGES"), Env("LANG")));
    char* keys[] = {const_cast<char*>("ignore-config"), const_cast<char*>("sub-langs")};
    mpv_node values[] = {Text(""), Text(subtitles.c_str())};
    mpv_node_list list{2, values, keys};
    mpv_node raw{};
    raw.format = MPV_FORMAT_NODE_MAP;
    raw.u.list = &list;
    mpv_set_option(mpv, "ytdl-raw-options", MPV_FORMAT_NODE, &raw);
    const std::string ytdlp = FindYtDlp();
    if (!ytdlp.empty()) {
        // A map, so that a comma in the path needs no quoting. The hook
        // splits the path at ':' into several to try: a home folder with
        // ':' in its name leaves it searching PATH.
        char* optKeys[] = {const_cast<char*>("ytdl_hook-ytdl_path")};
        mpv_node optValues[] = {Text(ytdlp.c_str())};
        mpv_node_list opts{1, optValues, optKeys};
        mpv_node scriptOpts{};
        scriptOpts.format = MPV_FORMAT_NODE_MAP;
        scriptOpts.u.list = &opts;
        mpv_set_option(mpv, "script-opts", MPV_FORMAT_NODE, &scriptOpts);
    }
}

}  // namespace rw
