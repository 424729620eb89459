#include "platform/mpv/MpvFrames.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QImage>
#include <QSaveFile>
#include <QThreadPool>

#include "platform/Step.h"
#include "platform/mpv/MpvSession.h"

namespace rw {
namespace {

// A frame that could not be had goes where every quiet failure of the player
// goes (reelwick.player).
void ReportFailure(const QString& what) {
    if (const FailureSink sink = CurrentFailureSink().load()) {
        sink(Service::Player, what.toUtf8().constData());
    }
}

// The frame of a screenshot-raw reply; a null image when it is not one.
QImage FrameOf(const mpv_event& event) {
    if (event.error < 0) return {};
    const mpv_node& result = static_cast<const mpv_event_command*>(event.data)->result;
    const mpv_node* w = Field(result, "w", MPV_FORMAT_INT64);
    const mpv_node* h = Field(result, "h", MPV_FORMAT_INT64);
    const mpv_node* stride = Field(result, "stride", MPV_FORMAT_INT64);
    const mpv_node* data = Field(result, "data", MPV_FORMAT_BYTE_ARRAY);
    // "bgr0" is QImage's RGB32 on a little-endian machine.
    if (w == nullptr || h == nullptr || stride == nullptr || data == nullptr ||
        TextField(result, "format") != "bgr0" || w->u.int64 <= 0 || h->u.int64 <= 0 ||
        stride->u.int64 < w->u.int64 * 4 ||
        static_cast<std::int64_t>(data->u.ba->size) < stride->u.int64 * h->u.int64) {
        return {};
    }
    return QImage(static_cast<const uchar*>(data->u.ba->data), static_cast<int>(w->u.int64),
                  static_cast<int>(h->u.int64), static_cast<qsizetype>(stride->u.int64),
                  QImage::Format_RGB32)
        .copy();
}

}  // namespace

void FrameRequests::Request(MpvSession& mpv, std::optional<std::string> path) {
    const std::uint64_t serial = ++serial_;
    const char* args[] = {"screenshot-raw", "subtitles", nullptr};
    if (!mpv.Command(Tag(serial, Reply::Frame), args)) {
        throw PlatformError(Service::Player, "libmpv refused to take a frame");
    }
    requests_.emplace(serial, std::move(path));
}

void FrameRequests::Arrived(const mpv_event& event) {
    const auto request = requests_.find(Untag(event.reply_userdata).serial);
    if (request == requests_.end()) return;
    const std::optional<std::string> path = std::move(request->second);
    requests_.erase(request);
    QImage image = FrameOf(event);
    if (!path) {
        if (image.isNull()) {
            ReportFailure(QStringLiteral("no frame to copy"));
        } else if (QClipboard* clipboard = QGuiApplication::clipboard()) {
            clipboard->setImage(image);
        }
        return;
    }
    const QString target = QString::fromStdString(*path);
    if (image.isNull()) {
        ReportFailure(QStringLiteral("no frame to save to ") + target);
        if (owner_) saved_(target, false);
        return;
    }
    // Compressing a large frame takes a while: it is written off the GUI
    // thread, to a temporary file renamed into place only when complete.
    QThreadPool::globalInstance()->start(
        [image = std::move(image), target, alive = owner_, saved = saved_] {
            bool ok = false;
            try {
                QSaveFile file(target);
                ok = file.open(QIODevice::WriteOnly) && image.save(&file, "PNG") && file.commit();
            } catch (...) {
                ok = false;
            }
            QMetaObject::invokeMethod(
                QCoreApplication::instance(),
                [alive, saved, target, ok] {
                    if (!ok) {
                        ReportFailure(QStringLiteral("the frame could not be saved to ") + target);
                    }
                    if (alive) saved(target, ok);
                },
                Qt::QueuedConnection);
        });
}

}  // namespace rw
