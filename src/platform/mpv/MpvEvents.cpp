// How MpvPlayer learns what libmpv does: events, observed properties, replies
// to its requests, and new video frames.

#include <mpv/client.h>

#include <cstring>
#include <string_view>
#include <tuple>

#include "platform/mpv/FrameRenderer.h"
#include "platform/mpv/MpvPlayer.h"
#include "platform/mpv/pure/LoadTracker.h"
#include "platform/qt/Logging.h"
#include "platform/widgets/ControllerBar.h"

namespace rw {
namespace {

LoadTracker::EndReason ReasonOf(const mpv_event_end_file& end) {
    switch (end.reason) {
        case MPV_END_FILE_REASON_EOF:
            return LoadTracker::EndReason::Eof;
        case MPV_END_FILE_REASON_STOP:
            return LoadTracker::EndReason::Stop;
        case MPV_END_FILE_REASON_QUIT:
            return LoadTracker::EndReason::Quit;
        case MPV_END_FILE_REASON_REDIRECT:
            return LoadTracker::EndReason::Redirect;
        case MPV_END_FILE_REASON_ERROR:
            break;
    }
    return LoadTracker::EndReason::Error;
}

// The value of `key` in a node map, if it is there with that format.
const mpv_node* Find(const mpv_node& map, const char* key, mpv_format format) {
    if (map.format != MPV_FORMAT_NODE_MAP) return nullptr;
    const mpv_node_list* list = map.u.list;
    for (int i = 0; i < list->num; ++i) {
        if (std::strcmp(list->keys[i], key) == 0 && list->values[i].format == format) {
            return &list->values[i];
        }
    }
    return nullptr;
}

}  // namespace

// Both callbacks come on libmpv's threads and may not call libmpv: they only
// post one queued call to the GUI thread, and no second one while the first
// is pending. Qt drops the call if the widget is gone by then.
void MpvPlayer::OnWakeup(void* self) {
    auto* player = static_cast<MpvPlayer*>(self);
    if (player->wakeupQueued_.exchange(true)) return;
    QMetaObject::invokeMethod(
        player, [player] { player->DrainEvents(); }, Qt::QueuedConnection);
}

void MpvPlayer::OnRenderUpdate(void* self) {
    auto* player = static_cast<MpvPlayer*>(self);
    if (player->renderQueued_.exchange(true)) return;
    QMetaObject::invokeMethod(
        player,
        [player] {
            player->renderQueued_ = false;
            if (player->renderer_ && player->renderer_->TakeUpdate()) player->RenderFrame();
        },
        Qt::QueuedConnection);
}

void MpvPlayer::DrainEvents() {
    wakeupQueued_ = false;
    // The load's state as far as the layout cares: a stream may also change
    // its picture size while it plays.
    const auto snapshot = [this] {
        return std::tuple(load_.Serial(), load_.CurrentPhase(), load_.Width(), load_.Height());
    };
    const auto before = snapshot();
    Changes changes;
    while (mpv_ != nullptr) {
        const mpv_event* event = mpv_wait_event(mpv_, 0);
        if (event->event_id == MPV_EVENT_NONE) break;
        HandleEvent(*event, changes);
    }
    if (changes.playback || changes.position || changes.tracks) SyncController();
    const auto after = snapshot();
    if (after != before) {
        AfterLoadChange();
        ReportLateSettle();
        // The same movie, shown before, with a picture of a new size.
        const auto sized = LoadTracker::Phase::Sized;
        if (std::get<0>(after) == std::get<0>(before) && std::get<1>(before) == sized &&
            std::get<1>(after) == sized) {
            emit MovieReshaped();
        }
    }
    if (changes.position) emit PositionChanged(position_);
    if (changes.playback) emit PlaybackChanged();
    if (changes.speed) emit SpeedChanged(speed_);
    if (changes.tracks) emit TracksChanged();
    if (changes.seeked) emit Seeked(*changes.seeked);
}

void MpvPlayer::HandleEvent(const mpv_event& event, Changes& changes) {
    switch (event.event_id) {
        case MPV_EVENT_COMMAND_REPLY:
        case MPV_EVENT_GET_PROPERTY_REPLY:
            HandleReply(event, changes);
            break;
        case MPV_EVENT_PROPERTY_CHANGE:
            HandleProperty(event, changes);
            break;
        case MPV_EVENT_START_FILE:
            load_.FileStarted(static_cast<mpv_event_start_file*>(event.data)->playlist_entry_id);
            break;
        case MPV_EVENT_FILE_LOADED:
            // Whether the movie has a picture at all: libmpv answers with
            // the selected video track, or "unavailable" when there is none.
            if (load_.FileLoaded()) {
                mpv_get_property_async(mpv_, Tag(load_.Serial(), Reply::VideoTrack),
                                       "current-tracks/video", MPV_FORMAT_NODE);
            }
            break;
        case MPV_EVENT_END_FILE: {
            const auto& end = *static_cast<mpv_event_end_file*>(event.data);
            // libmpv expanded a playlist itself: its entries must not play.
            if (end.reason == MPV_END_FILE_REASON_REDIRECT &&
                load_.RefuseRedirect(end.playlist_entry_id)) {
                Command({"stop"});
                break;
            }
            load_.FileEnded(end.playlist_entry_id, ReasonOf(end), end.playlist_insert_id,
                            end.playlist_insert_num_entries);
            break;
        }
        case MPV_EVENT_HOOK:
            StartWithinTheMovie(*static_cast<mpv_event_hook*>(event.data));
            break;
        case MPV_EVENT_PLAYBACK_RESTART:
            // The jump is reported with the position libmpv answers after
            // it: the observed time-pos may change before this event, and a
            // paused movie sends none after it.
            mpv_get_property_async(mpv_, Tag(load_.Serial(), Reply::SeekPosition), "time-pos",
                                   MPV_FORMAT_DOUBLE);
            // The load has started where it was asked to: a loop or a later
            // load goes back to the beginning.
            if (startSet_) {
                startSet_ = false;
                SetText("start", "none");
            }
            break;
        case MPV_EVENT_VIDEO_RECONFIG:
            // The display size (with the pixel aspect applied) is read after
            // each reconfiguration: observed dwidth/dheight announce nothing
            // when the new movie has the same size as the last one, and may
            // still carry the last one's size when this event arrives.
            if (load_.OwnsPlayingFile()) {
                mpv_get_property_async(mpv_, Tag(load_.Serial(), Reply::DisplaySize),
                                       "video-out-params", MPV_FORMAT_NODE);
            }
            break;
        case MPV_EVENT_LOG_MESSAGE: {
            const auto& message = *static_cast<mpv_event_log_message*>(event.data);
            // libmpv ends each line with a newline of its own.
            qCWarning(lcMpv, "%s: %s: %s", message.level, message.prefix,
                      QByteArray(message.text).trimmed().constData());
            break;
        }
        default:
            break;
    }
}

void MpvPlayer::HandleReply(const mpv_event& event, Changes& changes) {
    const std::uint64_t serial = event.reply_userdata >> kReplyBits;
    const auto reply =
        static_cast<Reply>(event.reply_userdata & ((std::uint64_t{1} << kReplyBits) - 1));
    const bool ok = event.error >= 0;
    if (event.event_id == MPV_EVENT_COMMAND_REPLY) {
        if (reply == Reply::Frame) FrameArrived(event);
        if (reply != Reply::Load) return;
        const mpv_node& result = static_cast<mpv_event_command*>(event.data)->result;
        const mpv_node* id = ok ? Find(result, "playlist_entry_id", MPV_FORMAT_INT64) : nullptr;
        if (id != nullptr) {
            load_.Accepted(serial, id->u.int64);
        } else {
            load_.Rejected(serial);
        }
        return;
    }
    const auto& property = *static_cast<mpv_event_property*>(event.data);
    if (reply == Reply::SeekPosition) {
        if (ok && property.format == MPV_FORMAT_DOUBLE && serial == load_.Serial()) {
            changes.seeked = *static_cast<double*>(property.data);
        }
        return;
    }
    const bool hasNode = ok && property.format == MPV_FORMAT_NODE;
    if (reply == Reply::VideoTrack) {
        const mpv_node* rotation = hasNode ? Find(*static_cast<mpv_node*>(property.data),
                                                  "demux-rotation", MPV_FORMAT_INT64)
                                           : nullptr;
        load_.VideoTrackKnown(serial, hasNode,
                              rotation != nullptr ? static_cast<int>(rotation->u.int64) : 0);
    } else if (reply == Reply::DisplaySize && hasNode) {
        const auto& params = *static_cast<mpv_node*>(property.data);
        const mpv_node* width = Find(params, "dw", MPV_FORMAT_INT64);
        const mpv_node* height = Find(params, "dh", MPV_FORMAT_INT64);
        if (width != nullptr && height != nullptr) {
            load_.DisplaySizeKnown(serial, static_cast<int>(width->u.int64),
                                   static_cast<int>(height->u.int64));
        }
    }
}

void MpvPlayer::HandleProperty(const mpv_event& event, Changes& changes) {
    const auto& property = *static_cast<mpv_event_property*>(event.data);
    // An unavailable property (nothing loaded) arrives without a value.
    const auto number = [&property](double fallback) {
        return property.format == MPV_FORMAT_DOUBLE ? *static_cast<double*>(property.data)
                                                    : fallback;
    };
    const auto flag = [&property] {
        return property.format == MPV_FORMAT_FLAG && *static_cast<int*>(property.data) != 0;
    };
    const auto count = [&property] {
        return property.format == MPV_FORMAT_INT64
                   ? static_cast<long long>(*static_cast<std::int64_t*>(property.data))
                   : 0LL;
    };
    switch (static_cast<Observed>(event.reply_userdata)) {
        case Observed::TimePos:
            position_ = number(0);
            changes.position = true;
            break;
        case Observed::Duration:
            duration_ = number(0);
            changes.playback = true;
            break;
        case Observed::Pause:
            paused_ = flag();
            changes.playback = true;
            break;
        case Observed::EofReached:
            atEnd_ = flag();
            if (atEnd_) load_.ReachedEnd();
            changes.playback = true;
            break;
        case Observed::Volume:
            volume_ = number(volume_);
            changes.playback = true;
            break;
        case Observed::Mute:
            muted_ = flag();
            changes.playback = true;
            break;
        case Observed::FrameDrops:
            stats_.droppedFrames = count();
            break;
        case Observed::DecoderDrops:
            stats_.decoderDroppedFrames = count();
            break;
        case Observed::AudioTrack:
            sound_ = property.format == MPV_FORMAT_INT64;
            changes.playback = true;
            break;
        case Observed::Speed:
            speed_ = number(speed_);
            changes.speed = true;
            changes.playback = true;
            break;
        case Observed::SubDelay:
            subtitleDelay_ = number(0);
            changes.tracks = true;
            break;
        case Observed::TrackList:
            ReadTrackList(event);
            changes.tracks = true;
            break;
        case Observed::ChapterList:
            ReadChapterList(event);
            changes.tracks = true;
            break;
    }
}

void MpvPlayer::RenderFrame() {
    const auto area = MovieArea();
    const bool shown = area && load_.CurrentPhase() == LoadTracker::Phase::Sized && isVisible();
    // libmpv waits for each frame to be taken, so a frame that is not shown
    // is still taken, without the work of drawing it.
    renderer_->Render(shown ? QSize(area->Width(), area->Height()) : QSize(), devicePixelRatioF(),
                      load_.Rotation(), QSize(load_.Width(), load_.Height()));
    if (shown && renderer_->PaintedByWidget()) {
        update(QRect(area->left, area->top, area->Width(), area->Height()));
    }
}

// The movie is open and its length known, and it has not started yet: a
// start place that StartPlace refuses is dropped, so that the movie plays
// from the beginning rather than from its last frame. libmpv waits for the
// hook to be continued, so it is continued whatever happens here.
void MpvPlayer::StartWithinTheMovie(const mpv_event_hook& hook) {
    if (startSet_ && std::string_view(hook.name) == "on_preloaded") {
        double duration = 0;
        if (mpv_get_property(mpv_, "duration", MPV_FORMAT_DOUBLE, &duration) < 0) duration = 0;
        if (!StartPlace(startAt_, duration)) {
            startSet_ = false;
            mpv_set_property_string(mpv_, "start", "none");
        }
    }
    mpv_hook_continue(mpv_, hook.id);
}

}  // namespace rw
