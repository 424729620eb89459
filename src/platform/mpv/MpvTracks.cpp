// MpvPlayer's film controls: tracks, speed, subtitles, chapters, stepping and
// frames. Like the rest of the component they learn from observed properties
// and send only _async requests.

#include <mpv/client.h>

#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QImage>
#include <QPointer>
#include <QSaveFile>
#include <QThreadPool>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <string_view>
#include <system_error>

#include "platform/Step.h"
#include "platform/mpv/MpvPlayer.h"

namespace rw {
namespace {

const mpv_node* Field(const mpv_node& map, const char* key, mpv_format format) {
    if (map.format != MPV_FORMAT_NODE_MAP || map.u.list == nullptr) return nullptr;
    const mpv_node_list& list = *map.u.list;
    for (int i = 0; i < list.num; ++i) {
        if (std::strcmp(list.keys[i], key) == 0 && list.values[i].format == format) {
            return &list.values[i];
        }
    }
    return nullptr;
}

std::string TextField(const mpv_node& map, const char* key) {
    const mpv_node* value = Field(map, key, MPV_FORMAT_STRING);
    return value != nullptr && value->u.string != nullptr ? value->u.string : std::string();
}

// The entries of an observed list; none when it is unavailable.
const mpv_node_list* Entries(const mpv_event& event) {
    const auto& property = *static_cast<const mpv_event_property*>(event.data);
    if (property.format != MPV_FORMAT_NODE) return nullptr;
    const auto& node = *static_cast<const mpv_node*>(property.data);
    return node.format == MPV_FORMAT_NODE_ARRAY ? node.u.list : nullptr;
}

// A frame that could not be had goes where every quiet failure of the player
// goes (reelwick.player).
void ReportFailure(const QString& what) {
    if (const FailureSink sink = CurrentFailureSink().load()) {
        sink(Service::Player, what.toUtf8().constData());
    }
}

// A number in the form libmpv's commands take, also for tiny values.
std::string Number(double value) {
    char text[64];
    std::snprintf(text, sizeof text, "%.6f", value);
    return text;
}

}  // namespace

void MpvPlayer::ReadTrackList(const mpv_event& event) {
    subtitleTracks_.clear();
    audioTracks_.clear();
    const mpv_node_list* list = Entries(event);
    for (int i = 0; list != nullptr && i < list->num; ++i) {
        const mpv_node& entry = list->values[i];
        const mpv_node* id = Field(entry, "id", MPV_FORMAT_INT64);
        if (id == nullptr || id->u.int64 <= 0) continue;
        const mpv_node* selected = Field(entry, "selected", MPV_FORMAT_FLAG);
        Track track{id->u.int64, TextField(entry, "lang"), TextField(entry, "title"),
                    selected != nullptr && selected->u.flag != 0};
        const std::string type = TextField(entry, "type");
        if (type == "sub") {
            subtitleTracks_.push_back(std::move(track));
        } else if (type == "audio") {
            audioTracks_.push_back(std::move(track));
        }
    }
}

void MpvPlayer::ReadChapterList(const mpv_event& event) {
    chapters_.clear();
    const mpv_node_list* list = Entries(event);
    for (int i = 0; list != nullptr && i < list->num; ++i) {
        const mpv_node& entry = list->values[i];
        const mpv_node* time = Field(entry, "time", MPV_FORMAT_DOUBLE);
        if (time == nullptr || !std::isfinite(time->u.double_)) continue;
        chapters_.push_back({time->u.double_, TextField(entry, "title")});
    }
}

// Speed and subtitle delay belong to one movie; libmpv keeps them across
// loads, so each load sets them back.
void MpvPlayer::ResetPerMovie() {
    SetNumber("speed", 1.0);
    SetNumber("sub-delay", 0.0);
    const std::string start = nextStart_ ? "+" + Number(*nextStart_) : "none";
    startSet_ = nextStart_.has_value();
    startAt_ = nextStart_.value_or(0);
    nextStart_.reset();
    SetText("start", start.c_str());
}

void MpvPlayer::SetSpeed(double speed) {
    RequireMpv();
    if (!std::isfinite(speed) || speed <= 0) {
        throw PlatformError(Service::Player, "not a speed: " + std::to_string(speed));
    }
    SetNumber("speed", speed);
}

void MpvPlayer::SelectSubtitle(std::int64_t id) {
    RequireMpv();
    if (id <= 0) {
        SetText("sid", "no");
    } else {
        SetText("sid", std::to_string(id).c_str());
    }
}

void MpvPlayer::SelectAudio(std::int64_t id) {
    RequireMpv();
    if (id <= 0) throw PlatformError(Service::Player, "no such sound track");
    SetText("aid", std::to_string(id).c_str());
}

void MpvPlayer::AddSubtitleFile(const std::string& path) {
    RequireMpv();
    // Only a local file: libmpv would read a reference of its own schemes
    // (av://, memory://, ...) here as well.
    if (path.empty() || path.front() != '/') {
        throw PlatformError(Service::Player, "not a local subtitle file: " + path);
    }
    // A named pipe or a device would hold libmpv's core until it delivers,
    // and the program's exit with it.
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error)) {
        throw PlatformError(Service::Player, "not a subtitle file: " + path);
    }
    if (!HasMovie()) throw PlatformError(Service::Player, "no movie to add subtitles to");
    // Sizes no screen can show are brought down first, as for the files
    // found beside the movie.
    const auto target = files_.SubtitleTarget(path);
    if (!target) throw PlatformError(Service::Player, "subtitle file not shown: " + path);
    Command({"sub-add", target->c_str(), "select"});
}

void MpvPlayer::SetSubtitleDelay(double seconds) {
    RequireMpv();
    if (!std::isfinite(seconds)) throw PlatformError(Service::Player, "not a delay");
    SetNumber("sub-delay", seconds);
}

void MpvPlayer::SeekBy(double seconds) {
    RequireMpv();
    if (!HasMovie() || !std::isfinite(seconds)) return;
    const std::string by = Number(seconds);
    Command({"seek", by.c_str(), "relative"});
}

void MpvPlayer::StepFrame(bool forward) {
    RequireMpv();
    if (!HasPicture()) return;
    Command({forward ? "frame-step" : "frame-back-step"});
}

void MpvPlayer::SetMuted(bool on) {
    RequireMpv();
    SetFlag("mute", on);
}

void MpvPlayer::StartNextLoadAt(double seconds) {
    if (std::isfinite(seconds) && seconds > 0) {
        nextStart_ = seconds;
    } else {
        nextStart_.reset();
    }
}

void MpvPlayer::SaveFrame(const std::string& path) {
    RequireMpv();
    if (path.empty()) throw PlatformError(Service::Player, "no file to save the frame to");
    RequestFrame(path);
}

void MpvPlayer::CopyFrame() {
    RequireMpv();
    RequestFrame(std::nullopt);
}

void MpvPlayer::RequestFrame(std::optional<std::string> path) {
    if (!HasPicture()) throw PlatformError(Service::Player, "no picture to take a frame of");
    const std::uint64_t serial = ++frameSerial_;
    const char* args[] = {"screenshot-raw", "subtitles", nullptr};
    if (mpv_command_async(mpv_, Tag(serial, Reply::Frame), args) < 0) {
        throw PlatformError(Service::Player, "libmpv refused to take a frame");
    }
    frameRequests_.emplace(serial, std::move(path));
}

void MpvPlayer::FrameArrived(const mpv_event& event) {
    const auto request = frameRequests_.find(event.reply_userdata >> kReplyBits);
    if (request == frameRequests_.end()) return;
    const std::optional<std::string> path = std::move(request->second);
    frameRequests_.erase(request);
    QImage image;
    if (event.error >= 0) {
        const mpv_node& result = static_cast<const mpv_event_command*>(event.data)->result;
        const mpv_node* w = Field(result, "w", MPV_FORMAT_INT64);
        const mpv_node* h = Field(result, "h", MPV_FORMAT_INT64);
        const mpv_node* stride = Field(result, "stride", MPV_FORMAT_INT64);
        const mpv_node* data = Field(result, "data", MPV_FORMAT_BYTE_ARRAY);
        // "bgr0" is QImage's RGB32 on a little-endian machine.
        if (w != nullptr && h != nullptr && stride != nullptr && data != nullptr &&
            TextField(result, "format") == "bgr0" && w->u.int64 > 0 && h->u.int64 > 0 &&
            stride->u.int64 >= w->u.int64 * 4 &&
            static_cast<std::int64_t>(data->u.ba->size) >= stride->u.int64 * h->u.int64) {
            image = QImage(static_cast<const uchar*>(data->u.ba->data),
                           static_cast<int>(w->u.int64), static_cast<int>(h->u.int64),
                           static_cast<qsizetype>(stride->u.int64), QImage::Format_RGB32)
                        .copy();
        }
    }
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
        emit FrameSaved(target, false);
        return;
    }
    // Compressing a large frame takes a while: it is written off the GUI
    // thread, to a temporary file renamed into place only when complete.
    QPointer<MpvPlayer> alive(this);
    QThreadPool::globalInstance()->start([image = std::move(image), target, alive] {
        bool ok = false;
        try {
            QSaveFile file(target);
            ok = file.open(QIODevice::WriteOnly) && image.save(&file, "PNG") && file.commit();
        } catch (...) {
            ok = false;
        }
        QMetaObject::invokeMethod(
            QCoreApplication::instance(),
            [alive, target, ok] {
                if (!ok) ReportFailure(QStringLiteral("the frame could not be saved to ") + target);
                if (alive) emit alive->FrameSaved(target, ok);
            },
            Qt::QueuedConnection);
    });
}

}  // namespace rw
