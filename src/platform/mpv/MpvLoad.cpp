// How MpvPlayer loads a movie: the references a playlist stands for are
// tried in turn, each handed to libmpv with its subtitle files, and Load
// waits a bounded time for the movie to settle.

#include <QElapsedTimer>
#include <QEventLoop>
#include <QPointer>
#include <QTimer>
#include <algorithm>
#include <vector>

#include "platform/mpv/MidiStream.h"
#include "platform/mpv/MpvPlayer.h"
#include "platform/mpv/pure/References.h"

namespace rw {

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
    named_ = reference;
    const QPointer<MpvPlayer> alive(this);
    QElapsedTimer clock;
    clock.start();
    std::size_t next = 0;
    do {
        const std::uint64_t serial = load_.Begin(reference);
        lateSerial_ = 0;
        failure_ = FailedLoad();
        failure_.refused = !IsAllowedReference(reference);
        // Nothing of the previous movie carries over: its picture would show
        // until the new one's first frame, and the rectangle fitted to its
        // shape would stretch the new one until the window sends one of its
        // own. A movie of the same shape may borrow the rectangle (PictureArea).
        ClearPicture();
        placement_.NewMovie();
        state_.NewLoad();
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
            mpv_.Command({"stop"});
        } else {
            // Every movie is loaded paused and starts on Play(), also when
            // the previous one was playing.
            mpv_.SetFlag(property::kPause, true);
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
    if (alive && !done()) {
        lateSerial_ = serial;
        UpdateNotice();
    }
}

void MpvPlayer::AfterLoadChange() {
    SyncController();
    UpdateNotice();
    ShowMovie();
    emit LoadChanged();
}

// The caller of Load has gone on without the movie; the window learns here
// that it has come (or will not), and fits and plays it then.
void MpvPlayer::ReportLateSettle() {
    if (lateSerial_ == 0 || lateSerial_ != load_.Serial() || !load_.Settled()) return;
    lateSerial_ = 0;
    emit LateLoadSettled();
}

// Speed and subtitle delay belong to one movie; libmpv keeps them across
// loads, so each load sets them back.
void MpvPlayer::ResetPerMovie() {
    mpv_.SetNumber(property::kSpeed, 1.0);
    mpv_.SetNumber(property::kSubDelay, 0.0);
    picture_.Reset();
    ClearLoop();
    const std::optional<double> start = start_.TakeForLoad();
    const std::string from = start ? "+" + CommandNumber(*start) : "none";
    mpv_.SetText(property::kStart, from.c_str());
}

// Starts loading `path` in place of the movie, with the subtitle files of
// the reference it stands for, which the player finds and checks itself (see
// MovieFiles::SubtitlesFor); false when libmpv refused the request.
bool MpvPlayer::StartLoad(std::uint64_t tag, const std::string& path,
                          const std::string& reference) {
    const std::vector<std::string> subtitles = files_.SubtitlesFor(reference);
    // loadfile with named arguments; each subtitle file is one option of
    // the movie's own, sub-files-append, which takes its value whole: a path
    // with ':' or ',' needs no escaping.
    std::vector<mpv_node> options(subtitles.size());
    std::vector<char*> keys(subtitles.size(), const_cast<char*>("sub-files-append"));
    for (std::size_t i = 0; i < subtitles.size(); ++i) {
        options[i].format = MPV_FORMAT_STRING;
        options[i].u.string = const_cast<char*>(subtitles[i].c_str());
    }
    mpv_node_list optionList{static_cast<int>(options.size()), options.data(), keys.data()};
    mpv_node values[4];
    char* names[4] = {const_cast<char*>("name"), const_cast<char*>("url"),
                      const_cast<char*>("flags"), const_cast<char*>("options")};
    const char* texts[3] = {"loadfile", path.c_str(), "replace"};
    for (int i = 0; i < 3; ++i) {
        values[i].format = MPV_FORMAT_STRING;
        values[i].u.string = const_cast<char*>(texts[i]);
    }
    values[3].format = MPV_FORMAT_NODE_MAP;
    values[3].u.list = &optionList;
    mpv_node_list argList{subtitles.empty() ? 3 : 4, values, names};
    mpv_node command;
    command.format = MPV_FORMAT_NODE_MAP;
    command.u.list = &argList;
    return mpv_.CommandNode(tag, command);
}

}  // namespace rw
