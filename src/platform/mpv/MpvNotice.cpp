// What the movie area says while a movie is still opening after Load has
// returned, and why a movie that failed cannot play: one line each, in place
// of the black area the player would otherwise show.

#include <filesystem>
#include <system_error>

#include "platform/Tr.h"
#include "platform/mpv/MpvPlayer.h"
#include "platform/mpv/pure/References.h"
#include "platform/qt/Logging.h"
#include "platform/qt/Text.h"

namespace rw {
namespace {

bool FileExists(const std::string& path) {
    std::error_code error;
    return std::filesystem::exists(path, error) && !error;
}

// The line's sentence has the name at %1; the view is given the words
// before and after it, so that it can put the name on a line of its own.
void SplitAtName(const std::string& sentence, QString& before, QString& after) {
    const std::size_t at = sentence.find("%1");
    if (at == std::string::npos) {
        after = QLatin1Char(' ') + ToReadableQString(sentence);
        return;
    }
    before = ToReadableQString(sentence.substr(0, at));
    after = ToReadableQString(sentence.substr(at + 2));
}

}  // namespace

void MpvPlayer::UpdateNotice() {
    const auto phase = load_.CurrentPhase();
    QString before;
    QString after;
    if (phase == LoadTracker::Phase::Failed && !named_.empty()) {
        FailedLoad facts = failure_;
        const std::optional<std::string> path = LocalPathOf(named_);
        facts.local = path.has_value();
        facts.exists = path && FileExists(*path);
        SplitAtName(FailureReason(facts), before, after);
    } else if (phase == LoadTracker::Phase::Waiting && lateSerial_ != 0 &&
               lateSerial_ == load_.Serial()) {
        SplitAtName(RW_TR("Movie line", "Opening… %1"), before, after);
    } else {
        if (!notice_.isEmpty()) SetNotice({}, {}, {});
        notice_.clear();
        return;
    }
    // Names that are not UTF-8 show their odd bytes as U+FFFD.
    const QString name = ToReadableQString(ShownName(named_));
    const QString line = before + name + after;
    if (line == notice_) return;
    notice_ = line;
    if (phase == LoadTracker::Phase::Failed) qCWarning(lcPlayer, "%s", qUtf8Printable(line));
    SetNotice(before, name, after);
}

}  // namespace rw
