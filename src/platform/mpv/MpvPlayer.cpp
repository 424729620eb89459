#include "platform/mpv/MpvPlayer.h"

#include <mpv/client.h>

#include <QElapsedTimer>
#include <QEventLoop>
#include <QPointer>
#include <QTimer>
#include <algorithm>
#include <clocale>
#include <filesystem>
#include <vector>
#ifdef __GLIBC__
#include <malloc.h>
#endif

#include "platform/Step.h"
#include "platform/mpv/GlRenderer.h"
#include "platform/mpv/MidiStream.h"
#include "platform/mpv/RendererChoice.h"
#include "platform/mpv/SoftwareRenderer.h"
#include "platform/mpv/pure/References.h"
#include "platform/qt/Logging.h"
#include "platform/widgets/ControllerBar.h"

namespace rw {
namespace {

// libmpv as a component: no configuration files, scripts, key bindings or
// on-screen controls of its own, no window of its own (vo=libmpv), no
// youtube-dl subprocess; a movie stays open at its end and plays without a
// sound device. The window logic computes the movie's shape, so the picture
// fills the rectangle it is given (keepaspect=no), and frames are handed over
// when due (video-timing-offset=0) because rendering must never wait on the
// GUI thread. Decoding in hardware and turning a picture as its metadata asks
// depend on the renderer (see StartMpv).
constexpr const char* kOptions[][2] = {
    {"config", "no"},
    {"load-scripts", "no"},
    {"ytdl", "no"},
    {"load-stats-overlay", "no"},
    {"load-osd-console", "no"},
    {"input-default-bindings", "no"},
    {"input-vo-keyboard", "no"},
    {"osc", "no"},
    {"osd-level", "0"},
    {"keep-open", "yes"},
    {"audio-fallback-to-null", "yes"},
    {"idle", "yes"},
    {"vo", "libmpv"},
    {"keepaspect", "no"},
    {"video-timing-offset", "0"},
    {"pause", "yes"},
    // The movie's subtitle files are found by the player (see StartLoad).
    {"sub-auto", "no"},
};

// Blocks from this size up get mappings of their own (see StartMpv).
constexpr int kMmapThreshold = 1024 * 1024;

}  // namespace

MpvPlayer::MpvPlayer(QImage logo, QWidget* parent) : QWidget(parent), logo_(std::move(logo)) {
    // Every pixel is painted here: Qt need not clear the background first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    controller_ = new ControllerBar(this);
    controller_->hide();
    connect(controller_, &ControllerBar::PlayPauseClicked, this, &MpvPlayer::TogglePlay);
    connect(controller_, &ControllerBar::SeekRequested, this, &MpvPlayer::Seek);
    connect(controller_, &ControllerBar::VolumeRequested, this,
            [this](double percent) { SetNumber("volume", percent); });
    connect(controller_, &ControllerBar::MuteClicked, this, [this] { SetFlag("mute", !muted_); });
    try {
        StartMpv();
    } catch (const PlatformError&) {
        ReportCaughtFailure();
        StopMpv();
    }
}

MpvPlayer::~MpvPlayer() { StopMpv(); }

void MpvPlayer::StartMpv() {
    // libmpv refuses to start unless numbers are formatted the C way, and
    // QApplication has set LC_NUMERIC from the environment.
    std::setlocale(LC_NUMERIC, "C");
#ifdef __GLIBC__
    // Movies come with large buffers (frames, pictures, textures) that are
    // made and freed as movies come and go. glibc raises its threshold for
    // giving a block its own mapping to the largest block freed (up to
    // 32 MiB); from then on such buffers come from the heap, and the holes
    // they leave stay resident: 10 MiB more after 300 movies, 65 MiB with
    // OpenGL on Mesa's software driver. A fixed threshold gives every large
    // buffer back when it is freed, at no measurable cost in playback.
    mallopt(M_MMAP_THRESHOLD, kMmapThreshold);
#endif
    mpv_ = mpv_create();
    if (mpv_ == nullptr) throw PlatformError(Service::Player, "libmpv could not be created");
    for (const auto& [name, value] : kOptions) mpv_set_option_string(mpv_, name, value);
    const bool gl = ChooseRendererHere() == RendererKind::OpenGl;
    SetRendererOptions(gl, &mpv_set_option_string);
    if (mpv_initialize(mpv_) < 0)
        throw PlatformError(Service::Player, "libmpv could not be initialised");
    // MIDI files play through a stream of the player's own; without it they
    // fail to load like any file libmpv cannot read.
    AddMidiStream(mpv_);

    // What the GUI thread knows of playback; it never asks libmpv directly.
    const struct {
        Observed id;
        const char* name;
        mpv_format format;
    } observed[] = {
        {Observed::TimePos, "time-pos", MPV_FORMAT_DOUBLE},
        {Observed::Duration, "duration", MPV_FORMAT_DOUBLE},
        {Observed::Pause, "pause", MPV_FORMAT_FLAG},
        {Observed::EofReached, "eof-reached", MPV_FORMAT_FLAG},
        {Observed::Volume, "volume", MPV_FORMAT_DOUBLE},
        {Observed::Mute, "mute", MPV_FORMAT_FLAG},
        {Observed::FrameDrops, "frame-drop-count", MPV_FORMAT_INT64},
        {Observed::DecoderDrops, "decoder-frame-drop-count", MPV_FORMAT_INT64},
        // Unavailable while no audio track is selected.
        {Observed::AudioTrack, "current-tracks/audio/id", MPV_FORMAT_INT64},
        {Observed::Speed, "speed", MPV_FORMAT_DOUBLE},
        {Observed::SubDelay, "sub-delay", MPV_FORMAT_DOUBLE},
        {Observed::TrackList, "track-list", MPV_FORMAT_NODE},
        {Observed::ChapterList, "chapter-list", MPV_FORMAT_NODE},
    };
    for (const auto& property : observed) {
        mpv_observe_property(mpv_, static_cast<std::uint64_t>(property.id), property.name,
                             property.format);
    }
    // Each movie's length, before it starts: a start place past it is dropped.
    mpv_hook_add(mpv_, 0, "on_preloaded", 0);
    // The render context must exist before the first loadfile, or libmpv
    // would open a video window of its own.
    if (gl) {
        try {
            renderer_ = std::make_unique<GlRenderer>(mpv_, &MpvPlayer::OnRenderUpdate, this, this);
            // The picture's window stacks over the widgets: the controller
            // bar, which may cover the bottom of the movie, gets a window of
            // its own to stay on top (PlaceController raises it).
            controller_->setAttribute(Qt::WA_DontCreateNativeAncestors);
            controller_->setAttribute(Qt::WA_NativeWindow);
        } catch (const PlatformError&) {
            ReportCaughtFailure();
            SetRendererOptions(false, &mpv_set_property_string);
        }
    }
    if (!renderer_) {
        renderer_ = std::make_unique<SoftwareRenderer>(mpv_, &MpvPlayer::OnRenderUpdate, this);
    }
    // libmpv's own warnings and errors, for a developer who switched the
    // category on; otherwise libmpv is not even asked to format them.
    if (lcMpv().isWarningEnabled()) mpv_request_log_messages(mpv_, "warn");
    mpv_set_wakeup_callback(mpv_, &MpvPlayer::OnWakeup, this);
}

// With OpenGL (a hardware driver) libmpv decodes in hardware where it safely
// can, and turns a picture as its metadata asks. libmpv 0.35's software
// renderer aborts on a picture to turn: there the turn is done when painting
// (video-rotate=no), and decoding stays in software, which it needs anyway.
void MpvPlayer::SetRendererOptions(bool gl, int (*set)(mpv_handle*, const char*, const char*)) {
    set(mpv_, "hwdec", gl ? "auto-safe" : "no");
    set(mpv_, "video-rotate", gl ? "0" : "no");
}

void MpvPlayer::StopMpv() {
    if (mpv_ == nullptr) return;
    mpv_set_wakeup_callback(mpv_, nullptr, nullptr);
    renderer_.reset();  // the render context goes before the core
    mpv_terminate_destroy(mpv_);
    mpv_ = nullptr;
}

void MpvPlayer::RequireMpv() const {
    if (mpv_ == nullptr) throw PlatformError(Service::Player, "libmpv is not available");
}

const char* MpvPlayer::RendererName() const { return renderer_ ? renderer_->Name() : ""; }

std::uint64_t MpvPlayer::Tag(std::uint64_t serial, Reply reply) {
    return serial << kReplyBits | static_cast<std::uint64_t>(reply);
}

void MpvPlayer::Play() {
    RequireMpv();
    // A movie at its end plays again from the beginning.
    if (atEnd_) Command({"seek", "0", "absolute+exact"});
    SetFlag("pause", false);
}

void MpvPlayer::Pause() {
    RequireMpv();
    SetFlag("pause", true);
}

void MpvPlayer::Rewind() {
    RequireMpv();
    Command({"seek", "0", "absolute+exact"});
}

void MpvPlayer::SetBackground(const std::string& colour) {
    const QColor parsed(QString::fromStdString(colour));
    if (!parsed.isValid()) throw PlatformError(Service::Player, "not a colour: " + colour);
    background_ = parsed;
    update();
}

void MpvPlayer::SetLoop(std::int32_t on) {
    RequireMpv();
    SetText("loop-file", on != 0 ? "inf" : "no");
}

void MpvPlayer::SetController(std::int32_t shown) {
    controllerShown_ = shown != 0;
    PlaceController(MovieArea());
}

void MpvPlayer::Load(const std::string& reference) {
    RequireMpv();
    {
        // Whoever keeps the position of the movie playing now reads it here,
        // and may say where the new one starts.
        const QPointer<MpvPlayer> alive(this);
        emit LoadStarting(reference);
        if (!alive) return;
    }
    // A playlist's entries are tried in order until one loads. Whatever is
    // handed to libmpv for it, Reference() reports the reference the caller
    // named.
    const auto candidates = MovieFiles::Candidates(reference);
    const QPointer<MpvPlayer> alive(this);
    QElapsedTimer clock;
    clock.start();
    std::size_t next = 0;
    do {
        const std::uint64_t serial = load_.Begin(reference);
        lateSerial_ = 0;
        // Nothing of the previous movie carries over: its picture would show
        // until the new one's first frame, and the rectangle fitted to its
        // shape would stretch the new one until the window sends one of its
        // own. A movie of the same shape may borrow the rectangle (MovieArea).
        renderer_->Clear();
        if (movieRect_) {
            previousRect_ = movieRect_;
            previousRectGeometry_ = movieRectGeometry_;
        }
        movieRect_.reset();
        atEnd_ = false;
        sound_ = false;
        position_ = 0;
        duration_ = 0;
        std::optional<std::string> path;
        const std::string candidate = next < candidates.size() ? candidates[next++] : "";
        if (!candidate.empty()) {
            // A MIDI file is synthesised (see MidiStream.h).
            path = MidiStreamUri(candidate);
            if (!path) path = files_.MpvTarget(candidate);
        }
        if (!path) {
            // Nothing reaches libmpv. The previous movie stops, as it does
            // when libmpv itself fails to open a file.
            load_.Fail();
            Command({"stop"});
        } else {
            // Every movie is loaded paused and starts on Play(), also when
            // the previous one was playing.
            SetFlag("pause", true);
            ResetPerMovie();
            if (!StartLoad(Tag(serial, Reply::Load), *path, candidate)) load_.Fail();
        }
        AfterLoadChange();
        // The entries share one wait: a playlist of dead links holds the
        // caller no longer than a single movie would.
        WaitForLoad(serial,
                    static_cast<int>(std::max<qint64>(0, loadTimeoutMs_ - clock.elapsed())));
        // A newer Load ends the trying; an entry still loading when the
        // wait ran out goes on in the background, like any movie.
        if (!alive || load_.Serial() != serial) return;
    } while (load_.CurrentPhase() == LoadTracker::Phase::Failed && next < candidates.size() &&
             clock.elapsed() < loadTimeoutMs_);
}

void MpvPlayer::WaitForLoad(std::uint64_t serial, int ms) {
    const auto done = [this, serial] { return load_.Serial() != serial || load_.Settled(); };
    if (done()) return;
    // A nested loop without user input: the window keeps painting, and a
    // source that stalls (a network stream, an .sdp file waiting for
    // packets) cannot freeze it. After the timeout the load goes on in the
    // background, and its settling is reported when it comes (see
    // ReportLateSettle). A newer Load ends this wait as well.
    const QPointer<MpvPlayer> alive(this);
    QEventLoop loop;
    QTimer timeout;
    timeout.setSingleShot(true);
    connect(&timeout, &QTimer::timeout, &loop, &QEventLoop::quit);
    connect(this, &MpvPlayer::LoadChanged, &loop, [&loop, done] {
        if (done()) loop.quit();
    });
    connect(this, &QObject::destroyed, &loop, &QEventLoop::quit);
    timeout.start(ms);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    if (alive && !done()) lateSerial_ = serial;
}

void MpvPlayer::AfterLoadChange() {
    SyncController();
    Relayout();
    emit LoadChanged();
}

// The caller of Load has gone on without the movie; the window learns here
// that it has come (or will not), and fits and plays it then.
void MpvPlayer::ReportLateSettle() {
    if (lateSerial_ == 0 || lateSerial_ != load_.Serial() || !load_.Settled()) return;
    lateSerial_ = 0;
    emit LateLoadSettled();
}

std::string MpvPlayer::Reference() { return load_.Reference(); }

bool MpvPlayer::HasMovie() const {
    const auto phase = load_.CurrentPhase();
    return phase == LoadTracker::Phase::Sized || phase == LoadTracker::Phase::NoPicture;
}

void MpvPlayer::SetMovieRect(const std::string& rect) {
    const auto parsed = ParseMovieRect(rect);
    if (!parsed) throw PlatformError(Service::Player, "not a rectangle: " + rect);
    movieRect_ = parsed;
    movieRectGeometry_ = geometry();
    movieRectFor_ = QSize(load_.Width(), load_.Height());
    previousRect_.reset();
    Relayout();
}

std::string MpvPlayer::MovieRect() {
    switch (load_.CurrentPhase()) {
        case LoadTracker::Phase::Sized:
            return FormatMovieRect(load_.Width(), load_.Height());
        case LoadTracker::Phase::NoPicture:
            return FormatMovieRect(kNominalRect.Width(), kNominalRect.Height());
        case LoadTracker::Phase::Waiting:
            throw PlatformError(Service::Player, "the movie's size is not known yet");
        case LoadTracker::Phase::Idle:
        case LoadTracker::Phase::Failed:
            break;
    }
    throw PlatformError(Service::Player, "no movie is loaded");
}

void MpvPlayer::SetLoadTimeout(int ms) { loadTimeoutMs_ = std::max(ms, 0); }

void MpvPlayer::SetControllerHeight(int px) {
    controllerHeight_ = std::max(px, 0);
    PlaceController(MovieArea());
}

void MpvPlayer::Command(std::initializer_list<const char*> args) {
    std::vector<const char*> argv(args);
    argv.push_back(nullptr);
    if (mpv_ != nullptr) mpv_command_async(mpv_, 0, argv.data());
}

void MpvPlayer::SetFlag(const char* name, bool value) {
    int flag = value ? 1 : 0;
    if (mpv_ != nullptr) mpv_set_property_async(mpv_, 0, name, MPV_FORMAT_FLAG, &flag);
}

void MpvPlayer::SetText(const char* name, const char* value) {
    if (mpv_ != nullptr) mpv_set_property_async(mpv_, 0, name, MPV_FORMAT_STRING, &value);
}

void MpvPlayer::SetNumber(const char* name, double value) {
    if (mpv_ != nullptr) mpv_set_property_async(mpv_, 0, name, MPV_FORMAT_DOUBLE, &value);
}

void MpvPlayer::Seek(double seconds, bool exact) {
    const std::string target = std::to_string(seconds);
    // Keyframe seeks keep up while the seek bar is dragged; the final
    // position, where the mouse is released, is exact.
    Command({"seek", target.c_str(), exact ? "absolute+exact" : "absolute+keyframes"});
}

void MpvPlayer::TogglePlay() {
    if (paused_ || atEnd_) {
        Step([this] { Play(); });
    } else {
        Step([this] { Pause(); });
    }
}

}  // namespace rw
