#pragma once

#include <QColor>
#include <QImage>
#include <QRect>
#include <QWidget>
#include <atomic>
#include <cstdint>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "platform/Player.h"
#include "platform/PlayerControls.h"
#include "platform/mpv/MovieFiles.h"
#include "platform/mpv/pure/LoadTracker.h"
#include "platform/mpv/pure/MovieGeometry.h"

class QTimer;
struct mpv_handle;
struct mpv_event;
struct mpv_event_hook;

namespace rw {

class ControllerBar;
class FrameRenderer;

// The player component: a plain widget that shows a movie played by libmpv,
// with its own controller bar below the movie.
//
// The GUI thread is libmpv's render thread. It never makes a blocking libmpv
// call after start-up (each one would stall playback): it learns the state of
// playback from observed properties and sends commands with the _async calls.
// libmpv's callbacks only post a queued call to this widget, and a frame is
// rendered only when libmpv has a new one, so a paused movie costs no CPU.
class MpvPlayer final : public QWidget, public IPlayer, public IPlayerControls {
    Q_OBJECT

  public:
    // libmpv's dropped-frame counters, for tests and benchmarks.
    struct Stats {
        long long droppedFrames = 0;         // frames the output dropped
        long long decoderDroppedFrames = 0;  // frames the decoder dropped
    };

    // `logo` is shown in place of the picture of a movie that has none.
    explicit MpvPlayer(QImage logo, QWidget* parent = nullptr);
    ~MpvPlayer() override;
    MpvPlayer(const MpvPlayer&) = delete;
    MpvPlayer& operator=(const MpvPlayer&) = delete;

    void Play() override;
    void Pause() override;
    void Rewind() override;
    void SetBackground(const std::string& colour) override;
    void SetLoop(std::int32_t on) override;
    void SetController(std::int32_t shown) override;
    void Load(const std::string& reference) override;
    std::string Reference() override;
    void SetMovieRect(const std::string& rect) override;
    std::string MovieRect() override;

    // The host has placed the component: the movie returns to its natural
    // size at the top-left until a rectangle is sent again.
    void HostPlaced();
    // How long Load waits for a movie before letting its load go on in the
    // background (3000 ms unless set).
    void SetLoadTimeout(int ms);
    // Height of the controller bar in pixels. Unless set, about 220 twips at
    // the widget's logical resolution (15 px at 96 dpi).
    void SetControllerHeight(int px);
    // Full screen, as the window tells it: the controller bar runs along the
    // bottom of the screen and shows only while the pointer has moved in the
    // last two seconds (or rests on the bar), and the pointer hides over a
    // movie it has left still that long. Outside full screen none of it.
    void SetFullScreenMode(bool on);
    bool FullScreenMode() const { return fullScreen_; }

    // Playback as libmpv last reported it.
    Stats FrameStats() const { return stats_; }
    double Position() const override { return position_; }
    double Duration() const override { return duration_; }
    bool IsPaused() const override { return paused_; }
    bool IsAtEnd() const override { return atEnd_; }
    double Volume() const override { return volume_; }
    bool IsMuted() const override { return muted_; }
    // Whether the loaded movie has a sound track selected (a file of sound
    // alone, a MIDI file being synthesised, or a movie with sound).
    bool HasSound() const { return sound_; }
    // The renderer in use, "sw" or "gl"; empty without libmpv.
    const char* RendererName() const;
    // False when libmpv could not be started; Load, Play, Pause, Rewind and
    // SetLoop then throw PlatformError.
    bool IsAvailable() const { return mpv_ != nullptr; }
    // Where the movie (or the logo of a movie without a picture) is drawn
    // now, in the widget's pixels; nothing while no movie is there to draw.
    std::optional<PixelRect> DrawnArea() const { return MovieArea(); }

    // For the desktop (screen saver, media keys): whether the newest load
    // settled with a movie, with or without a picture, and whether it has a
    // picture; the serial of that load, new for every Load; a jump to a
    // position (exact) and the volume in percent, as the controller bar
    // would set them.
    bool HasMovie() const override;
    bool HasPicture() const override { return load_.CurrentPhase() == LoadTracker::Phase::Sized; }
    std::uint64_t LoadSerial() const { return load_.Serial(); }
    void SeekTo(double seconds) override { Seek(seconds, true); }
    void SetVolume(double percent) override { SetNumber("volume", percent); }

    // Tracks, speed, chapters, stepping and frames (MpvTracks.cpp).
    double Speed() const override { return speed_; }
    void SetSpeed(double speed) override;
    std::vector<Track> SubtitleTracks() const override { return subtitleTracks_; }
    std::vector<Track> AudioTracks() const override { return audioTracks_; }
    void SelectSubtitle(std::int64_t id) override;
    void SelectAudio(std::int64_t id) override;
    void AddSubtitleFile(const std::string& path) override;
    double SubtitleDelay() const override { return subtitleDelay_; }
    void SetSubtitleDelay(double seconds) override;
    std::vector<Chapter> Chapters() const override { return chapters_; }
    void SeekBy(double seconds) override;
    void StepFrame(bool forward) override;
    void SetMuted(bool on) override;
    void StartNextLoadAt(double seconds) override;
    void SaveFrame(const std::string& path) override;
    void CopyFrame() override;

  signals:
    void PositionChanged(double seconds);
    // Paused, at the end, duration, volume or mute changed.
    void PlaybackChanged();
    // A load began, settled or failed.
    void LoadChanged();
    // The load that Load stopped waiting for has settled after all: its size
    // is known, it has no picture, or it failed. Sent once per such load, and
    // never for a load that a newer one replaced.
    void LateLoadSettled();
    // The loaded movie's picture changed its display size while it played (a
    // recording that changes resolution, a channel switching between 4:3 and
    // 16:9). Until the window sends a rectangle for the new size, the picture
    // is shown whole, unstretched, inside the old one.
    void MovieReshaped();
    // A double click of the left button on the movie (not on the bar).
    void MovieDoubleClicked();
    // Playback went on from a new position after a jump: a seek, Rewind, a
    // loop back to the start, the start of a movie.
    void Seeked(double seconds);
    // The speed changed (1 is normal).
    void SpeedChanged(double speed);
    // The movie's tracks, their selection or its chapters changed.
    void TracksChanged();
    // A frame asked for with SaveFrame was written (ok) or could not be.
    void FrameSaved(const QString& path, bool ok);
    // The reference about to be loaded, before anything of the movie playing
    // now is forgotten: its position is still the one it was left at.
    void LoadStarting(const std::string& reference);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

  private:
    // What a movie without a picture reports as its rectangle, and where its
    // logo goes when no rectangle was sent.
    static constexpr PixelRect kNominalRect{0, 0, 320, 240};

    // What the reply to a request answers; the load's serial rides above it.
    // The serial of a frame request (see SaveFrame) rides the same way.
    enum class Reply : std::uint64_t {
        None = 0,
        Load = 1,
        VideoTrack = 2,
        DisplaySize = 3,
        Frame = 4,
        SeekPosition = 5
    };
    static constexpr int kReplyBits = 3;
    static std::uint64_t Tag(std::uint64_t serial, Reply reply);

    // Observed properties, by their reply_userdata.
    enum class Observed : std::uint64_t {
        TimePos = 1,
        Duration,
        Pause,
        EofReached,
        Volume,
        Mute,
        FrameDrops,
        DecoderDrops,
        AudioTrack,
        Speed,
        SubDelay,
        TrackList,
        ChapterList
    };

    // Things that changed while draining events; signals go out afterwards,
    // once libmpv's event is no longer in use.
    struct Changes {
        bool position = false;
        bool playback = false;
        bool speed = false;
        bool tracks = false;
        std::optional<double> seeked;  // where the last jump landed
    };

    void StartMpv();
    void SetRendererOptions(bool gl, int (*set)(mpv_handle*, const char*, const char*));
    void StopMpv();
    void RequireMpv() const;

    static void OnWakeup(void* self);
    static void OnRenderUpdate(void* self);
    void DrainEvents();
    void HandleEvent(const mpv_event& event, Changes& changes);
    void HandleReply(const mpv_event& event, Changes& changes);
    void HandleProperty(const mpv_event& event, Changes& changes);
    void RenderFrame();
    // MpvTracks.cpp: the observed lists, and frames as they come back.
    void ReadTrackList(const mpv_event& event);
    void ReadChapterList(const mpv_event& event);
    void RequestFrame(std::optional<std::string> path);
    void FrameArrived(const mpv_event& event);
    void ResetPerMovie();
    void StartWithinTheMovie(const mpv_event_hook& hook);

    // Starts loading `path` in place of the movie, with the subtitle files
    // of the reference it stands for (MpvSubtitles.cpp); false when libmpv
    // refused the request.
    bool StartLoad(std::uint64_t tag, const std::string& path, const std::string& reference);
    void WaitForLoad(std::uint64_t serial, int ms);
    void AfterLoadChange();
    void ReportLateSettle();

    void Command(std::initializer_list<const char*> args);
    void SetFlag(const char* name, bool value);
    void SetText(const char* name, const char* value);
    void SetNumber(const char* name, double value);
    void Seek(double seconds, bool exact);
    void TogglePlay();

    // Where the movie is drawn: the rectangle sent, else its natural size at
    // the top-left; nothing when no movie is there to draw.
    std::optional<PixelRect> MovieArea() const;
    void Relayout();
    void PlaceController(const std::optional<PixelRect>& area);
    int ControllerHeight() const;
    void OnGeometryChanged();
    void SyncController();
    // Full screen (MpvPointer.cpp).
    static constexpr int kPointerIdleMs = 2000;
    void PointerMoved(QPoint at);
    void PointerIdle();

    mpv_handle* mpv_ = nullptr;
    std::unique_ptr<FrameRenderer> renderer_;
    ControllerBar* controller_ = nullptr;
    std::atomic<bool> wakeupQueued_{false};
    std::atomic<bool> renderQueued_{false};

    LoadTracker load_;
    MovieFiles files_;  // playlists read and pictures decoded for libmpv
    int loadTimeoutMs_ = 3000;
    // Serial of the load whose wait ran out before it settled; 0 when none.
    std::uint64_t lateSerial_ = 0;

    QImage logo_;
    QColor background_ = Qt::black;
    std::optional<PixelRect> movieRect_;  // none: natural size at the top-left
    QRect movieRectGeometry_;             // the widget's geometry when it was sent
    QSize movieRectFor_;                  // the movie's display size when it was sent
    // The last movie's rectangle, lent to a new movie of the same shape until
    // the window sends one: the window and its native GL surface stay put.
    std::optional<PixelRect> previousRect_;
    QRect previousRectGeometry_;
    bool controllerShown_ = true;
    std::optional<int> controllerHeight_;
    bool fullScreen_ = false;
    // In full screen: the pointer moved in the last two seconds, and where
    // it was last seen over the player.
    bool pointerAwake_ = true;
    std::optional<QPoint> pointer_;
    QTimer* pointerTimer_ = nullptr;

    double position_ = 0;
    double duration_ = 0;
    bool paused_ = true;
    bool atEnd_ = false;
    double volume_ = 100;
    bool muted_ = false;
    bool sound_ = false;
    Stats stats_;

    double speed_ = 1;
    double subtitleDelay_ = 0;
    std::vector<Track> subtitleTracks_;
    std::vector<Track> audioTracks_;
    std::vector<Chapter> chapters_;
    // Where the next load starts; and whether libmpv's start option is set
    // for the load under way, to be cleared once it has played from there
    // (a movie that loops goes back to its beginning).
    std::optional<double> nextStart_;
    bool startSet_ = false;
    double startAt_ = 0;  // the place startSet_ asked for
    // Frames asked for and not yet come: where each goes (none: clipboard).
    std::map<std::uint64_t, std::optional<std::string>> frameRequests_;
    std::uint64_t frameSerial_ = 0;
};

}  // namespace rw
