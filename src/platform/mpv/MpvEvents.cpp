// How MpvPlayer learns what libmpv does: observed properties, events, and
// replies to its requests.

#include <cmath>
#include <string_view>
#include <tuple>

#include "platform/mpv/MpvPlayer.h"
#include "platform/qt/Logging.h"

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

LoadError ErrorOf(const mpv_event_end_file& end) {
    if (end.reason != MPV_END_FILE_REASON_ERROR) return LoadError::None;
    switch (end.error) {
        case MPV_ERROR_LOADING_FAILED:
            return LoadError::LoadingFailed;
        case MPV_ERROR_UNKNOWN_FORMAT:
            return LoadError::UnknownFormat;
        case MPV_ERROR_NOTHING_TO_PLAY:
            return LoadError::NothingToPlay;
        default:
            break;
    }
    return LoadError::Other;
}

// The subtitle and sound tracks of an observed track list.
void ReadTrackList(const mpv_event_property& property, ObservedPlayback& state) {
    state.subtitleTracks.clear();
    state.audioTracks.clear();
    const mpv_node_list* list = Entries(property);
    for (int i = 0; list != nullptr && i < list->num; ++i) {
        const mpv_node& entry = list->values[i];
        const mpv_node* id = Field(entry, "id", MPV_FORMAT_INT64);
        if (id == nullptr || id->u.int64 <= 0) continue;
        const mpv_node* selected = Field(entry, "selected", MPV_FORMAT_FLAG);
        Track track{id->u.int64, TextField(entry, "lang"), TextField(entry, "title"),
                    selected != nullptr && selected->u.flag != 0};
        const std::string type = TextField(entry, "type");
        if (type == "sub") {
            state.subtitleTracks.push_back(std::move(track));
        } else if (type == "audio") {
            state.audioTracks.push_back(std::move(track));
        }
    }
}

// The chapters of an observed chapter list, where their times are numbers.
void ReadChapterList(const mpv_event_property& property, ObservedPlayback& state) {
    state.chapters.clear();
    const mpv_node_list* list = Entries(property);
    for (int i = 0; list != nullptr && i < list->num; ++i) {
        const mpv_node& entry = list->values[i];
        const mpv_node* time = Field(entry, "time", MPV_FORMAT_DOUBLE);
        if (time == nullptr || !std::isfinite(time->u.double_)) continue;
        state.chapters.push_back({time->u.double_, TextField(entry, "title")});
    }
}

}  // namespace

// What the GUI thread knows of playback; it never asks libmpv directly.
std::vector<ObservedProperty> MpvPlayer::ObservedProperties() {
    using P = const mpv_event_property&;
    ObservedPlayback& s = state_;
    PlaybackChanges& c = changes_;
    std::vector<ObservedProperty> rows{
        {property::kTimePos, MPV_FORMAT_DOUBLE,
         [&s, &c](P p) {
             s.position = NumberOf(p, 0);
             c.position = true;
         }},
        {property::kDuration, MPV_FORMAT_DOUBLE,
         [&s, &c](P p) {
             s.duration = NumberOf(p, 0);
             c.playback = true;
         }},
        {property::kPause, MPV_FORMAT_FLAG,
         [&s, &c](P p) {
             s.paused = FlagOf(p);
             c.playback = true;
         }},
        {"eof-reached", MPV_FORMAT_FLAG,
         [this](P p) {
             state_.atEnd = FlagOf(p);
             if (state_.atEnd) load_.ReachedEnd();
             changes_.playback = true;
         }},
        {property::kVolume, MPV_FORMAT_DOUBLE,
         [&s, &c](P p) {
             s.volume = NumberOf(p, s.volume);
             c.playback = true;
         }},
        {property::kMute, MPV_FORMAT_FLAG,
         [&s, &c](P p) {
             s.muted = FlagOf(p);
             c.playback = true;
         }},
        {"frame-drop-count", MPV_FORMAT_INT64, [&s](P p) { s.drops.droppedFrames = CountOf(p); }},
        {"decoder-frame-drop-count", MPV_FORMAT_INT64,
         [&s](P p) { s.drops.decoderDroppedFrames = CountOf(p); }},
        // Unavailable while no audio track is selected.
        {"current-tracks/audio/id", MPV_FORMAT_INT64,
         [&s, &c](P p) {
             s.sound = p.format == MPV_FORMAT_INT64;
             c.playback = true;
         }},
        {property::kSpeed, MPV_FORMAT_DOUBLE,
         [&s, &c](P p) {
             s.speed = NumberOf(p, s.speed);
             c.speed = c.playback = true;
         }},
        {property::kSubDelay, MPV_FORMAT_DOUBLE,
         [&s, &c](P p) {
             s.subtitleDelay = NumberOf(p, 0);
             c.tracks = true;
         }},
        {"track-list", MPV_FORMAT_NODE,
         [&s, &c](P p) {
             ReadTrackList(p, s);
             c.tracks = true;
         }},
        {"media-title", MPV_FORMAT_STRING,
         [&s, &c](P p) {
             const char* title =
                 p.format == MPV_FORMAT_STRING ? *static_cast<char**>(p.data) : nullptr;
             s.mediaTitle = title != nullptr ? title : "";
             c.playback = true;
         }},
        {"video-frame-info/interlaced", MPV_FORMAT_FLAG,
         [this](P p) { picture_.FramesInterlaced(FlagOf(p)); }},
        {"chapter-list", MPV_FORMAT_NODE,
         [&s, &c](P p) {
             ReadChapterList(p, s);
             c.tracks = true;
         }},
    };
    for (ObservedProperty& row : SoundProperties()) rows.push_back(std::move(row));
    return rows;
}

void MpvPlayer::DrainEvents() {
    // The load's state as far as the layout cares: a stream may also change
    // its picture size while it plays.
    const auto snapshot = [this] {
        return std::tuple(load_.Serial(), load_.CurrentPhase(), load_.Width(), load_.Height());
    };
    const auto before = snapshot();
    const std::size_t noted = failure_.log.size();
    changes_ = PlaybackChanges();
    mpv_.Drain([this](const mpv_event& event) { HandleEvent(event); });
    const PlaybackChanges changes = std::exchange(changes_, PlaybackChanges());
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
    } else if (failure_.log.size() != noted) {
        UpdateNotice();  // a failure explained by lines read after it
    }
    if (changes.position) emit PositionChanged(state_.position);
    if (changes.playback) emit PlaybackChanged();
    if (changes.speed) emit SpeedChanged(state_.speed);
    if (changes.tracks) emit TracksChanged();
    if (changes.seeked) emit Seeked(*changes.seeked);
}

void MpvPlayer::HandleEvent(const mpv_event& event) {
    switch (event.event_id) {
        case MPV_EVENT_COMMAND_REPLY:
        case MPV_EVENT_GET_PROPERTY_REPLY:
            HandleReply(event);
            break;
        case MPV_EVENT_START_FILE:
            load_.FileStarted(static_cast<mpv_event_start_file*>(event.data)->playlist_entry_id);
            break;
        case MPV_EVENT_FILE_LOADED:
            // Whether the movie has a picture at all: libmpv answers with
            // the selected video track, or "unavailable" when there is none.
            if (load_.FileLoaded()) {
                mpv_.Get(Tag(load_.Serial(), Reply::VideoTrack), "current-tracks/video",
                         MPV_FORMAT_NODE);
            }
            break;
        case MPV_EVENT_END_FILE: {
            const auto& end = *static_cast<mpv_event_end_file*>(event.data);
            const bool wasFailed = load_.CurrentPhase() == LoadTracker::Phase::Failed;
            // libmpv expanded a playlist itself: its entries must not play.
            if (end.reason == MPV_END_FILE_REASON_REDIRECT &&
                load_.RefuseRedirect(end.playlist_entry_id)) {
                mpv_.Command({"stop"});
                break;
            }
            load_.FileEnded(end.playlist_entry_id, ReasonOf(end), end.playlist_insert_id,
                            end.playlist_insert_num_entries);
            // The error that failed the current load, for the line that
            // says why.
            if (!wasFailed && load_.CurrentPhase() == LoadTracker::Phase::Failed) {
                failure_.error = ErrorOf(end);
            }
            break;
        }
        case MPV_EVENT_HOOK:
            StartWithinTheMovie(*static_cast<mpv_event_hook*>(event.data));
            break;
        case MPV_EVENT_PLAYBACK_RESTART:
            // The jump is reported with the position libmpv answers after
            // it: the observed time-pos may change before this event, and a
            // paused movie sends none after it.
            mpv_.Get(Tag(load_.Serial(), Reply::SeekPosition), property::kTimePos,
                     MPV_FORMAT_DOUBLE);
            // The load has started where it was asked to: a loop or a later
            // load goes back to the beginning.
            if (start_.Set()) {
                start_.Drop();
                mpv_.SetText(property::kStart, "none");
            }
            break;
        case MPV_EVENT_VIDEO_RECONFIG:
            // The display size (with the pixel aspect applied) is read after
            // each reconfiguration: observed dwidth/dheight announce nothing
            // when the new movie has the same size as the last one, and may
            // still carry the last one's size when this event arrives.
            if (load_.OwnsPlayingFile()) {
                mpv_.Get(Tag(load_.Serial(), Reply::DisplaySize), "video-out-params",
                         MPV_FORMAT_NODE);
            }
            break;
        case MPV_EVENT_LOG_MESSAGE: {
            const auto& message = *static_cast<mpv_event_log_message*>(event.data);
            // libmpv ends each line with a newline of its own.
            const QByteArray text = QByteArray(message.text).trimmed();
            qCWarning(lcMpv, "%s: %s: %s", message.level, message.prefix, text.constData());
            // What libmpv says while a movie loads may tell why it fails.
            // Its log lines come apart from its events, and may be read
            // after the end of the file they explain.
            const auto phase = load_.CurrentPhase();
            if (phase == LoadTracker::Phase::Waiting || phase == LoadTracker::Phase::Failed) {
                failure_.Note(std::string(message.prefix) + ": " + text.toStdString());
            }
            break;
        }
        default:
            break;
    }
}

void MpvPlayer::HandleReply(const mpv_event& event) {
    const auto [serial, reply] = Untag(event.reply_userdata);
    const bool ok = event.error >= 0;
    if (event.event_id == MPV_EVENT_COMMAND_REPLY) {
        if (reply == Reply::Frame) frames_.Arrived(event);
        if (reply != Reply::Load) return;
        const mpv_node& result = static_cast<mpv_event_command*>(event.data)->result;
        const mpv_node* id = ok ? Field(result, "playlist_entry_id", MPV_FORMAT_INT64) : nullptr;
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
            changes_.seeked = *static_cast<double*>(property.data);
        }
        return;
    }
    const bool hasNode = ok && property.format == MPV_FORMAT_NODE;
    const mpv_node* node = hasNode ? static_cast<mpv_node*>(property.data) : nullptr;
    if (reply == Reply::VideoTrack) {
        const mpv_node* rotation =
            node != nullptr ? Field(*node, "demux-rotation", MPV_FORMAT_INT64) : nullptr;
        load_.VideoTrackKnown(serial, hasNode,
                              rotation != nullptr ? static_cast<int>(rotation->u.int64) : 0);
    } else if (reply == Reply::DisplaySize && node != nullptr) {
        const mpv_node* width = Field(*node, "dw", MPV_FORMAT_INT64);
        const mpv_node* height = Field(*node, "dh", MPV_FORMAT_INT64);
        if (width != nullptr && height != nullptr) {
            load_.DisplaySizeKnown(serial, static_cast<int>(width->u.int64),
                                   static_cast<int>(height->u.int64));
        }
    }
}

// The movie is open and its length known, and it has not started yet: a
// start place that StartPlace refuses is dropped, so that the movie plays
// from the beginning rather than from its last frame. libmpv waits for the
// hook to be continued, so it is continued whatever happens here.
void MpvPlayer::StartWithinTheMovie(const mpv_event_hook& hook) {
    mpv_handle* mpv = mpv_.Handle();
    if (start_.Set() && std::string_view(hook.name) == "on_preloaded") {
        double duration = 0;
        if (mpv_get_property(mpv, property::kDuration, MPV_FORMAT_DOUBLE, &duration) < 0) {
            duration = 0;
        }
        if (!StartPlace(start_.Place(), duration)) {
            start_.Drop();
            mpv_set_property_string(mpv, property::kStart, "none");
        }
    }
    mpv_hook_continue(mpv, hook.id);
}

}  // namespace rw
