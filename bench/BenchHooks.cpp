#include "BenchHooks.h"

#include <unistd.h>

#include <QAbstractItemView>
#include <QAction>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QTimer>
#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>
#include <utility>
#include <vector>

#include "Program.h"
#include "platform/mpv/MpvPlayer.h"
#include "platform/qt/QtWindow.h"
#include "playback/OpenMovie.h"
#include "sources/FolderList.h"

namespace rw {
namespace {

constexpr const char* kPrefix = "REELWICK_BENCH_";
// The folder list is watched this often; the longest gap between two ticks
// is the longest the event loop was busy.
constexpr int kTickMs = 5;
// How long the folder list is given to show its names.
constexpr qint64 kFolderTimeoutMs = 60000;
// After the last name arrives, how long a repaint of the list may take to
// come; none coming means the visible names were already right.
constexpr qint64 kRepaintWaitMs = 200;
// Between two movies of the open list the window gets this long to play.
constexpr int kBetweenOpensMs = 20;
// How long a MIDI file is given to start sounding.
constexpr int kSoundStartTimeoutMs = 20000;

bool AnyBenchVariable() {
    for (char** entry = environ; *entry != nullptr; ++entry) {
        if (std::strncmp(*entry, kPrefix, std::strlen(kPrefix)) == 0) return true;
    }
    return false;
}

// Resident memory of this process in KiB, from /proc/self/status.
long long ResidentKib() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0) return std::stoll(line.substr(6));
    }
    return -1;
}

std::vector<std::string> ReadLines(const QString& path) {
    std::vector<std::string> lines;
    std::ifstream file(path.toStdString());
    std::string line;
    while (std::getline(file, line)) {
        if (!line.empty()) lines.push_back(line);
    }
    return lines;
}

class BenchHooks final : public QObject {
  public:
    BenchHooks(Program& program, QObject* parent) : QObject(parent), program_(program) {
        clock_.start();
    }

    void Start() {
        statsPath_ = qEnvironmentVariable("REELWICK_BENCH_STATS");
        connect(qApp, &QCoreApplication::aboutToQuit, this, [this] { WriteStats(); });
        if (qEnvironmentVariableIntValue("REELWICK_BENCH_QUIT_AT_END") != 0) QuitAtEnd();
        bool ok = false;
        const double pauseAt = qEnvironmentVariable("REELWICK_BENCH_PAUSE_AT").toDouble(&ok);
        if (ok) PauseAt(pauseAt);
        const QString openList = qEnvironmentVariable("REELWICK_BENCH_OPEN_LIST");
        if (!openList.isEmpty()) StartOpenList(openList);
        const QString folder = qEnvironmentVariable("REELWICK_BENCH_FOLDER");
        if (!folder.isEmpty()) {
            StartFolder(folder, qEnvironmentVariableIntValue("REELWICK_BENCH_FOLDER_ROWS"));
        }
        const QString soundStart = qEnvironmentVariable("REELWICK_BENCH_SOUND_START");
        if (!soundStart.isEmpty()) StartSoundStart(soundStart.toStdString());
    }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        // A paint of the list after its last name arrived: the names are on
        // screen once it is done, i.e. on the next pass of the event loop.
        if (event->type() == QEvent::Paint && folderReachedNs_ >= 0 && folderShownNs_ < 0) {
            QTimer::singleShot(0, this, [this] {
                if (folderShownNs_ < 0) FinishFolder(clock_.nsecsElapsed());
            });
        }
        return QObject::eventFilter(watched, event);
    }

  private:
    void Set(const std::string& key, const std::string& value) { values_.emplace_back(key, value); }
    void Set(const std::string& key, long long value) { Set(key, std::to_string(value)); }
    void Set(const std::string& key, double value) { Set(key, std::to_string(value)); }

    void WriteStats() {
        if (statsPath_.isEmpty() || written_) return;
        written_ = true;
        const MpvPlayer& player = program_.Player();
        std::ofstream out(statsPath_.toStdString());
        out << "renderer=" << player.RendererName() << '\n'
            << "dropped_frames=" << player.FrameStats().droppedFrames << '\n'
            << "decoder_dropped_frames=" << player.FrameStats().decoderDroppedFrames << '\n'
            << "paused=" << (player.IsPaused() ? 1 : 0) << '\n'
            << "at_end=" << (player.IsAtEnd() ? 1 : 0) << '\n'
            << "position=" << player.Position() << '\n';
        for (const auto& [key, value] : values_) out << key << '=' << value << '\n';
    }

    void Close() {
        QTimer::singleShot(0, &program_.Window(), [this] { program_.Window().close(); });
    }

    void QuitAtEnd() {
        MpvPlayer& player = program_.Player();
        connect(&player, &MpvPlayer::PlaybackChanged, this, [this, &player] {
            if (!player.IsAtEnd() || closing_) return;
            closing_ = true;
            Set("end_seconds", clock_.nsecsElapsed() / 1e9);
            Close();
        });
    }

    void PauseAt(double seconds) {
        QTimer::singleShot(std::max(0, int(seconds * 1000)), this, [this] {
            program_.Window().MenuAction(Menu::MoviePause)->trigger();
            Set("pause_chosen_seconds", clock_.nsecsElapsed() / 1e9);
        });
    }

    // Opens the movies one at a time, each after the event loop has run a
    // little, so that every movie is loaded, shown and left the normal way.
    void StartOpenList(const QString& listFile) {
        openList_ = ReadLines(listFile);
        QTimer::singleShot(0, this, [this] { OpenNext(); });
    }

    void OpenNext() {
        if (openIndex_ >= openList_.size()) {
            FinishOpenList();
            return;
        }
        OpenMovie(program_.MainForm(), openList_[openIndex_++]);
        openRss_.push_back(ResidentKib());
        QTimer::singleShot(kBetweenOpensMs, this, [this] { OpenNext(); });
    }

    void FinishOpenList() {
        Set("open_count", static_cast<long long>(openRss_.size()));
        std::string series;
        for (const long long kib : openRss_) {
            if (!series.empty()) series += ',';
            series += std::to_string(kib);
        }
        Set("open_rss_kib", series);
        Set("open_seconds", clock_.nsecsElapsed() / 1e9);
        Close();
    }

    void StartFolder(const QString& folder, int rows) {
        std::error_code error;
        std::filesystem::current_path(folder.toStdString(), error);
        if (error) {
            Set("folder_error", error.message());
            Close();
            return;
        }
        folderRows_ = rows;
        QAbstractItemView* view = program_.Window().FilesList();
        view->viewport()->installEventFilter(this);
        auto* tick = new QTimer(this);
        tick->setTimerType(Qt::PreciseTimer);
        tick->setInterval(kTickMs);
        connect(tick, &QTimer::timeout, this, [this] { FolderTick(); });
        folderStartNs_ = lastTickNs_ = clock_.nsecsElapsed();
        tick->start();
        // The click's own work counts as a stall as well: the first tick
        // measures its gap from here.
        mnuFileList_Click(program_.MainForm());
    }

    void FolderTick() {
        if (folderDone_) return;
        const qint64 now = clock_.nsecsElapsed();
        maxGapNs_ = std::max(maxGapNs_, now - lastTickNs_);
        lastTickNs_ = now;
        QAbstractItemView* view = program_.Window().FilesList();
        const int rows = view->model() ? view->model()->rowCount(view->rootIndex()) : 0;
        folderSeenRows_ = rows;
        if (folderReachedNs_ < 0 && rows >= folderRows_ && view->isVisible()) {
            folderReachedNs_ = now;
        }
        if (folderReachedNs_ >= 0 && now - folderReachedNs_ > kRepaintWaitMs * 1000000) {
            FinishFolder(folderReachedNs_);
        } else if (now - folderStartNs_ > kFolderTimeoutMs * 1000000) {
            Set("folder_timeout", 1LL);
            FinishFolder(now);
        }
    }

    void FinishFolder(qint64 shownNs) {
        if (folderDone_) return;
        folderDone_ = true;
        folderShownNs_ = shownNs;
        // The gap up to this moment: the tick that would end it has not come.
        maxGapNs_ = std::max(maxGapNs_, clock_.nsecsElapsed() - lastTickNs_);
        Set("folder_rows", static_cast<long long>(folderSeenRows_));
        Set("folder_seconds", (shownNs - folderStartNs_) / 1e9);
        Set("folder_rows_seconds", (folderReachedNs_ - folderStartNs_) / 1e9);
        Set("folder_max_stall_ms", maxGapNs_ / 1e6);
        Close();
    }

    // The player reports the position and the sound track as libmpv tells
    // them, which may already happen inside OpenMovie's wait for the load:
    // the watch is connected before the open, and checked again after it.
    void StartSoundStart(const std::string& path) {
        QTimer::singleShot(0, this, [this, path] {
            MpvPlayer& player = program_.Player();
            connect(&player, &MpvPlayer::PositionChanged, this, [this] { SoundStartCheck(); });
            connect(&player, &MpvPlayer::PlaybackChanged, this, [this] { SoundStartCheck(); });
            QTimer::singleShot(kSoundStartTimeoutMs, this, [this] {
                if (soundStarted_) return;
                soundStarted_ = true;
                Set("sound_start_timeout", 1LL);
                Close();
            });
            soundStartNs_ = clock_.nsecsElapsed();
            OpenMovie(program_.MainForm(), path);
            SoundStartCheck();
        });
    }

    void SoundStartCheck() {
        const MpvPlayer& player = program_.Player();
        if (soundStarted_ || soundStartNs_ < 0 || !player.HasSound() || player.Position() <= 0) {
            return;
        }
        soundStarted_ = true;
        Set("sound_start_seconds", (clock_.nsecsElapsed() - soundStartNs_) / 1e9);
        Set("sound_start_position", player.Position());
        Set("sound_start_duration", player.Duration());
        Close();
    }

    Program& program_;
    QElapsedTimer clock_;
    QString statsPath_;
    std::vector<std::pair<std::string, std::string>> values_;
    bool written_ = false;
    bool closing_ = false;

    std::vector<std::string> openList_;
    std::size_t openIndex_ = 0;
    std::vector<long long> openRss_;

    int folderRows_ = 0;
    int folderSeenRows_ = 0;
    bool folderDone_ = false;
    qint64 folderStartNs_ = 0;
    qint64 lastTickNs_ = 0;
    qint64 maxGapNs_ = 0;
    qint64 folderReachedNs_ = -1;
    qint64 folderShownNs_ = -1;

    qint64 soundStartNs_ = -1;
    bool soundStarted_ = false;
};

}  // namespace

void StartBenchHooks(Program& program) {
    if (!AnyBenchVariable()) return;
    (new BenchHooks(program, &program.Window()))->Start();
}

}  // namespace rw
