// What the movie area says while a movie is still opening after Load has
// returned, and why a movie that failed cannot play: one line each, in place
// of the black area the player would otherwise show.

#include <filesystem>
#include <system_error>

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
        after = QLatin1Char(' ') + ToReadableQString(FailureReason(facts));
    } else if (phase == LoadTracker::Phase::Waiting && lateSerial_ != 0 &&
               lateSerial_ == load_.Serial()) {
        before = QStringLiteral("Opening\u2026 ");
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
