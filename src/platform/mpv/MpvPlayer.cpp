#include "platform/mpv/MpvPlayer.h"

#include <QColor>
#include <string_view>

#include "platform/Step.h"
#include "platform/mpv/RendererChoice.h"
#include "platform/widgets/ControllerBar.h"

namespace rw {
namespace {

// The widget's place in its host, as the placement rules compare it.
PixelRect HostRect(const QRect& r) { return {r.x(), r.y(), r.x() + r.width(), r.y() + r.height()}; }

}  // namespace

MpvPlayer::MpvPlayer(QImage logo, QWidget* parent)
    : MpvView(std::move(logo), parent),
      picture_(mpv_,
               [this] {
                   // A turn reshapes the movie as the window fits it.
                   ShowMovie();
                   if (HasPicture()) emit MovieReshaped();
               }),
      frames_(this, [this](const QString& path, bool ok) { emit FrameSaved(path, ok); }) {
    ControllerBar* bar = &Bar();
    connect(bar, &ControllerBar::PlayPauseClicked, this, &MpvPlayer::TogglePlay);
    connect(bar, &ControllerBar::SeekRequested, this, &MpvPlayer::Seek);
    connect(bar, &ControllerBar::VolumeRequested, this,
            [this](double percent) { mpv_.SetNumber(property::kVolume, percent); });
    connect(bar, &ControllerBar::MuteClicked, this,
            [this] { mpv_.SetFlag(property::kMute, !state_.muted); });
    try {
        const bool gl = ChooseRendererHere() == RendererKind::OpenGl;
        mpv_.Start(gl);
        mpv_.Observe(ObservedProperties());
        // Each movie's length, before it starts: a start place past it is
        // dropped.
        mpv_hook_add(mpv_.Handle(), 0, "on_preloaded", 0);
        // The render context must exist before the first loadfile, or libmpv
        // would open a video window of its own.
        if (!StartRenderer(mpv_.Handle(), gl) && gl) mpv_.UseSoftwareRendererOptions();
        picture_.UseOpenGl(std::string_view(RendererName()) == "gl");
        mpv_.Listen(this, [this] { DrainEvents(); });
    } catch (const PlatformError&) {
        ReportCaughtFailure();
        mpv_.Mute();
        StopRenderer();
        mpv_.Destroy();
    }
}

MpvPlayer::~MpvPlayer() {
    mpv_.Mute();
    StopRenderer();  // the render context goes before the core
    mpv_.Destroy();
}

void MpvPlayer::RequireMpv() const {
    if (!mpv_.Running()) throw PlatformError(Service::Player, "libmpv is not available");
}

void MpvPlayer::Play() {
    RequireMpv();
    // A movie at its end plays again from the beginning.
    if (state_.atEnd) mpv_.Command({"seek", "0", "absolute+exact"});
    mpv_.SetFlag(property::kPause, false);
}

void MpvPlayer::Pause() {
    RequireMpv();
    mpv_.SetFlag(property::kPause, true);
}

void MpvPlayer::Rewind() {
    RequireMpv();
    mpv_.Command({"seek", "0", "absolute+exact"});
}

void MpvPlayer::SetBackground(const std::string& colour) {
    const QColor parsed(QString::fromStdString(colour));
    if (!parsed.isValid()) throw PlatformError(Service::Player, "not a colour: " + colour);
    MpvView::SetBackground(parsed);
}

void MpvPlayer::SetLoop(std::int32_t on) {
    RequireMpv();
    mpv_.SetText("loop-file", on != 0 ? "inf" : "no");
}

void MpvPlayer::SetController(std::int32_t shown) { SetControllerShown(shown != 0); }

std::string MpvPlayer::Reference() { return load_.Reference(); }

bool MpvPlayer::HasMovie() const {
    const auto phase = load_.CurrentPhase();
    return phase == LoadTracker::Phase::Sized || phase == LoadTracker::Phase::NoPicture;
}

bool MpvPlayer::HasPicture() const { return load_.CurrentPhase() == LoadTracker::Phase::Sized; }

void MpvPlayer::SetMovieRect(const PixelRect& rect) {
    if (!WithinCoordinateLimit(rect)) {
        throw PlatformError(Service::Player, "a rectangle beyond the player's coordinates");
    }
    placement_.Send(rect, HostRect(geometry()), ShownWidth(), ShownHeight());
    ShowMovie();
}

std::string MpvPlayer::MovieRect() {
    switch (load_.CurrentPhase()) {
        case LoadTracker::Phase::Sized:
            return FormatMovieRect(ShownWidth(), ShownHeight());
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

void MpvPlayer::SetVolume(double percent) { mpv_.SetNumber(property::kVolume, percent); }

void MpvPlayer::Seek(double seconds, bool exact) {
    const std::string target = CommandNumber(seconds);
    // Keyframe seeks keep up while the seek bar is dragged; the final
    // position, where the mouse is released, is exact.
    mpv_.Command({"seek", target.c_str(), exact ? "absolute+exact" : "absolute+keyframes"});
}

void MpvPlayer::TogglePlay() {
    if (state_.paused || state_.atEnd) {
        Step([this] { Play(); });
    } else {
        Step([this] { Pause(); });
    }
}

void MpvPlayer::SyncController() {
    ControllerBar& bar = Bar();
    bar.SetDuration(state_.duration);
    bar.SetPosition(state_.position);
    bar.SetPlaying(state_.Playing());
    bar.SetVolume(state_.volume);
    bar.SetMuted(state_.muted);
    bar.SetSpeed(state_.speed);
    QList<double> chapters;
    for (const Chapter& chapter : state_.chapters) chapters.append(chapter.time);
    bar.SetChapters(std::move(chapters));
    ShowLoopMarks();
}

void MpvPlayer::ShowMovie() {
    const auto phase = load_.CurrentPhase();
    const Showing showing = phase == LoadTracker::Phase::Sized       ? Showing::Picture
                            : phase == LoadTracker::Phase::NoPicture ? Showing::Logo
                                                                     : Showing::Nothing;
    const PictureScene scene{showing, ShownWidth(), ShownHeight(), HostRect(geometry()),
                             FullScreenMode()};
    auto area = PictureArea(placement_, scene);
    // Filling the screen, the picture is cropped to all of it (libmpv's panscan).
    if (area && showing == Showing::Picture && FullScreenMode() && picture_.Fills()) {
        area = PixelRect{0, 0, width(), height()};
    }
    Show(showing, area, QSize(ShownWidth(), ShownHeight()),
         (load_.Rotation() + picture_.Turn()) % 360);
}

// The window's layout sends a new rectangle right after it moves or resizes
// the player, when it wants one; until then the movie is drawn at its natural
// size. Qt delivers the events of a geometry set while the widget was hidden
// only when it is shown; those do not undo a rectangle sent since.
void MpvPlayer::PlacementChanged(bool moved) {
    if (moved) placement_.HostMoved(HostRect(geometry()));
    ShowMovie();
}

void MpvPlayer::HostPlaced() {
    placement_.Forget();
    ShowMovie();
}

}  // namespace rw
