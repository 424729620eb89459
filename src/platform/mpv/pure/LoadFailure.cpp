#include "platform/mpv/pure/LoadFailure.h"

#include <cctype>
#include <string_view>

#include "platform/Tr.h"
#include "platform/mpv/pure/References.h"

namespace rw {
namespace {

constexpr std::size_t kQuoteLength = 120;
constexpr std::string_view kGetYtDlp = "apt install yt-dlp, or pip install --user yt-dlp";

bool Contains(std::string_view text, std::string_view part) {
    return text.find(part) != std::string_view::npos;
}

// The text after "prefix: ", where the line comes from `prefix`.
std::string_view From(std::string_view line, std::string_view prefix) {
    if (line.size() <= prefix.size() + 2 || line.substr(0, prefix.size()) != prefix ||
        line.substr(prefix.size(), 2) != ": ") {
        return {};
    }
    return line.substr(prefix.size() + 2);
}

// Quoted text: control characters become spaces, and a long line is cut.
std::string Quote(std::string_view text) {
    std::string out;
    for (const char c : text.substr(0, kQuoteLength)) {
        out += std::iscntrl(static_cast<unsigned char>(c)) ? ' ' : c;
    }
    while (!out.empty() && out.back() == ' ') out.pop_back();
    if (text.size() > kQuoteLength) out += "...";
    return out;
}

// "404 Not Found" of FFmpeg's "http: HTTP error 404 Not Found".
std::string HttpStatus(const std::vector<std::string>& log) {
    constexpr std::string_view kMark = "HTTP error ";
    for (const std::string& line : log) {
        const std::size_t at = line.find(kMark);
        if (at != std::string::npos) return Quote(std::string_view(line).substr(at + kMark.size()));
    }
    return {};
}

bool Logged(const std::vector<std::string>& log, std::string_view part) {
    for (const std::string& line : log) {
        if (Contains(line, part)) return true;
    }
    return false;
}

// The first "ERROR: ..." line of yt-dlp, as libmpv's hook passes it on.
std::string_view YtDlpError(const std::vector<std::string>& log) {
    for (const std::string& line : log) {
        const std::string_view text = From(line, "ytdl_hook");
        if (text.substr(0, 7) == "ERROR: ") return text.substr(7);
    }
    return {};
}

}  // namespace

// Each reason is one sentence for the translator, %1 the movie's name; a
// second place is filled here, the name by the caller.
std::string FailureReason(const FailedLoad& load) {
    constexpr std::string_view kName = "%1";
    if (load.refused) return RW_TR("Movie line", "%1 is not an address this player opens");
    if (load.local && !load.exists) return RW_TR("Movie line", "%1 was not found");
    const auto& log = load.log;
    if (const std::string status = HttpStatus(log); !status.empty()) {
        return Fill(RW_TR("Movie line", "%1 could not be opened: the server answered %2"),
                    {kName, status});
    }
    if (Logged(log, "Connection refused")) {
        return RW_TR("Movie line", "%1 could not be opened: the server refused the connection");
    }
    if (Logged(log, "Failed to resolve hostname")) {
        return RW_TR("Movie line", "%1 could not be opened: no server of that name was found");
    }
    if (Logged(log, "timed out")) {
        return RW_TR("Movie line", "%1 could not be opened: the server did not answer");
    }
    if (Logged(log, "ytdl_hook: youtube-dl failed: not found")) {
        //: %2 is how to install yt-dlp: commands, kept as they are
        return Fill(RW_TR("Movie line",
                          "%1 is a web page, and playing one needs yt-dlp: install yt-dlp (%2)"),
                    {kName, kGetYtDlp});
    }
    if (const std::string_view error = YtDlpError(log); !error.empty()) {
        if (Contains(error, "Unsupported URL") || Contains(error, "No video formats found")) {
            return RW_TR("Movie line", "%1 is a page that holds no video");
        }
        //: %2 is yt-dlp's own message, in English
        return Fill(
            RW_TR("Movie line", "%1 could not be read by yt-dlp (%2); updating yt-dlp may help"),
            {kName, Quote(error)});
    }
    if (load.error == LoadError::UnknownFormat || Logged(log, "Failed to recognize file format")) {
        return RW_TR("Movie line", "%1 is not a movie, or is in a format this player cannot read");
    }
    if (Logged(log, "No such file or directory")) return RW_TR("Movie line", "%1 was not found");
    if (Logged(log, "Permission denied")) {
        return RW_TR("Movie line", "%1 could not be read: permission denied");
    }
    return RW_TR("Movie line", "%1 could not be played");
}

std::string ShownName(const std::string& reference) {
    const std::optional<std::string> path = LocalPathOf(reference);
    if (!path) return reference;
    const std::size_t slash = path->find_last_of('/');
    if (slash == std::string::npos || slash + 1 == path->size()) return *path;
    return path->substr(slash + 1);
}

}  // namespace rw
