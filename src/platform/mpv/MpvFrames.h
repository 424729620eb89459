#pragma once

#include <mpv/client.h>

#include <QPointer>
#include <QString>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>

namespace rw {

class MpvSession;

// Frames asked for and not yet come: libmpv answers each request later, and
// the frame then goes to a PNG file (written off the GUI thread) or to the
// clipboard.
class FrameRequests {
  public:
    // Told when a frame asked for with a path was written (ok) or could not
    // be; never after `owner` is gone.
    using Saved = std::function<void(const QString& path, bool ok)>;
    FrameRequests(QObject* owner, Saved saved) : owner_(owner), saved_(std::move(saved)) {}

    // The frame shown, with its subtitles, for `path` (none: the clipboard);
    // throws PlatformError when libmpv refuses to take it.
    void Request(MpvSession& mpv, std::optional<std::string> path);
    // libmpv's reply to a frame request.
    void Arrived(const mpv_event& event);

  private:
    QPointer<QObject> owner_;
    Saved saved_;
    // Where each frame goes, by the serial of its request.
    std::map<std::uint64_t, std::optional<std::string>> requests_;
    std::uint64_t serial_ = 0;
};

}  // namespace rw
