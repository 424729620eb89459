#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/Player.h"
#include "platform/PlayerControls.h"
#include "platform/mpv/MovieFiles.h"
#include "platform/mpv/MpvFrames.h"
#include "platform/mpv/MpvPicture.h"
#include "platform/mpv/MpvSession.h"
#include "platform/mpv/MpvView.h"
#include "platform/mpv/pure/LoadFailure.h"
#include "platform/mpv/pure/LoadTracker.h"
#include "platform/mpv/pure/Playback.h"
#include "platform/mpv/pure/Sound.h"

namespace rw {

// The player component: the movie control and the film controls over a
// libmpv session, the playback it reports and the widget that shows it. The
// GUI thread (libmpv's render thread) never makes a blocking libmpv call
// after start-up: it observes properties and sends _async requests.
class MpvPlayer final : public MpvView, public IPlayer, public IPlayerControls {
    Q_OBJECT

  public:
    using Stats = FrameDrops;
    explicit MpvPlayer(QImage logo, QWidget* parent = nullptr);
    ~MpvPlayer() override;

    void Play() override;
    void Pause() override;
    void Rewind() override;
    void SetBackground(const std::string& colour) override;
    void SetLoop(std::int32_t on) override;
    void SetController(std::int32_t shown) override;
    void Load(const std::string& reference) override;
    std::string Reference() override;
    void SetMovieRect(const PixelRect& rect) override;
    std::string MovieRect() override;

    // The host has placed the component: natural size until a rectangle comes.
    void HostPlaced();
    // How long Load waits before the load goes on in the background (3000 ms).
    void SetLoadTimeout(int ms);
    // False when libmpv could not be started: Load, Play, ... then throw.
    bool IsAvailable() const { return mpv_.Running(); }

    // Playback as libmpv last reported it.
    Stats FrameStats() const { return state_.drops; }
    double Position() const override { return state_.position; }
    double Duration() const override { return state_.duration; }
    bool IsPaused() const override { return state_.paused; }
    bool IsAtEnd() const override { return state_.atEnd; }
    double Volume() const override { return state_.volume; }
    bool IsMuted() const override { return state_.muted; }
    const std::string& MediaTitle() const { return state_.mediaTitle; }
    // The loaded movie has a sound track selected (sound alone, MIDI, a movie).
    bool HasSound() const { return state_.sound; }

    // The newest load settled with a movie, with a picture; its serial.
    bool HasMovie() const override;
    bool HasPicture() const override;
    std::uint64_t LoadSerial() const { return load_.Serial(); }

    // The film controls (MpvTracks.cpp).
    double Speed() const override { return state_.speed; }
    void SetSpeed(double speed) override;
    std::vector<Track> SubtitleTracks() const override { return state_.subtitleTracks; }
    std::vector<Track> AudioTracks() const override { return state_.audioTracks; }
    void SelectSubtitle(std::int64_t id) override;
    void SelectAudio(std::int64_t id) override;
    void AddSubtitleFile(const std::string& path) override;
    double SubtitleDelay() const override { return state_.subtitleDelay; }
    void SetSubtitleDelay(double seconds) override;
    std::vector<Chapter> Chapters() const override { return state_.chapters; }
    // A jump (exact) and the volume in percent, as the controller bar sets them.
    void SeekTo(double seconds) override { Seek(seconds, true); }
    void SeekBy(double seconds) override;
    void StepFrame(bool forward) override;
    void SetVolume(double percent) override;
    void SetMuted(bool on) override;
    void StartNextLoadAt(double seconds) override { start_.Ask(seconds); }
    void SaveFrame(const std::string& path) override;
    void CopyFrame() override;
    void ShowMessage(const std::string& text) override;  // MpvMessage.cpp
    IPictureControls& Picture() override { return picture_; }

    // The sound side (MpvSound.cpp).
    LoopPoints Loop() const override { return sound_.loop; }
    void SetLoopPoints(const LoopPoints& points) override;
    double AudioDelay() const override { return sound_.delay; }
    void SetAudioDelay(double seconds) override;
    std::vector<SoundDevice> OutputDevices() const override { return sound_.devices; }
    std::string ChosenOutputDevice() const override { return sound_.chosen; }
    void ChooseOutputDevice(const std::string& name) override;
    bool HardwareDecoding() const override;
    void SetHardwareDecoding(bool on) override;

  signals:
    void PositionChanged(double seconds);
    void PlaybackChanged();  // paused, at the end, duration, volume or mute
    void LoadChanged();      // a load began, settled or failed
    // A load Load stopped waiting for settled after all (sized, no picture,
    // failed); once per such load, never for one replaced.
    void LateLoadSettled();
    // The picture changed its display size while it played; it is shown
    // whole in the old rectangle until a new one comes.
    void MovieReshaped();
    // Playback went on from a new position: a seek, Rewind, a loop, a start.
    void Seeked(double seconds);
    // The speed changed (1 is normal).
    void SpeedChanged(double speed);
    // The movie's tracks, their selection or its chapters changed.
    void TracksChanged();
    // A frame asked for with SaveFrame was written (ok), or not.
    void FrameSaved(const QString& path, bool ok);
    // The reference about to be loaded; the movie playing keeps its place.
    void LoadStarting(const std::string& reference);

  protected:
    void PlacementChanged(bool moved) override;

  private:
    void RequireMpv() const;
    // MpvEvents.cpp: the observed properties and the other events.
    std::vector<ObservedProperty> ObservedProperties();
    void DrainEvents();
    void HandleEvent(const mpv_event& event);
    void HandleReply(const mpv_event& event);
    void StartWithinTheMovie(const mpv_event_hook& hook);
    std::vector<ObservedProperty> SoundProperties();
    void ClearLoop();
    void ShowLoopMarks();
    void ApplyOutputDevice();

    // MpvLoad.cpp: loading a movie and waiting for it.
    void ResetPerMovie();
    bool StartLoad(std::uint64_t tag, const std::string& path, const std::string& reference);
    void WaitForLoad(std::uint64_t serial, int ms);
    void AfterLoadChange();
    void ReportLateSettle();
    void UpdateNotice();  // MpvNotice.cpp: the line of a movie opening or failed

    void Seek(double seconds, bool exact);
    void TogglePlay();
    void SyncController();
    // Tells the view what to show where (PictureArea decides).
    void ShowMovie();
    // The display size turned as the watcher asked (MpvPicture.cpp).
    int ShownWidth() const;
    int ShownHeight() const;

    MpvSession mpv_;
    MpvPicture picture_;
    ObservedPlayback state_;
    ObservedSound sound_;
    PlaybackChanges changes_;
    LoadTracker load_;
    StartRequest start_;
    MovieFiles files_;  // playlists read and pictures decoded for libmpv
    FrameRequests frames_;
    int loadTimeoutMs_ = 3000;
    // Serial of the load whose wait ran out before it settled; 0 when none.
    std::uint64_t lateSerial_ = 0;
    MoviePlacement placement_;
    std::string named_;  // the newest load as named, what failed it and its line
    FailedLoad failure_;
    QString notice_;
};

}  // namespace rw
