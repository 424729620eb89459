// The player component's film controls on a made film: two sound tracks and
// two subtitle tracks with languages, chapters; speed, subtitle delay, steps,
// a start position, and frames saved.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "TestSupport.h"
#include "platform/Step.h"
#include "platform/mpv/MpvPlayer.h"

namespace rw {
namespace {

bool WriteText(const QString& path, const QByteArray& text) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text) == text.size();
}

QByteArray Subtitle(const char* line) {
    return QByteArray("1\n00:00:00,000 --> 00:00:08,000\n") + line + "\n\n";
}

// film.mkv, 8 s of 160x120: sound "eng" (440 Hz) and "fra" titled
// Commentary, subtitles "eng" and "ger", chapters Opening at 0 and Ending at
// 3 s; and film.en.srt beside it, which libmpv should find by itself.
std::string MakeFilm(const QTemporaryDir& dir) {
    const QString d = dir.path() + "/";
    const QByteArray chapters =
        ";FFMETADATA1\n[CHAPTER]\nTIMEBASE=1/1000\nSTART=0\nEND=3000\ntitle=Opening\n"
        "[CHAPTER]\nTIMEBASE=1/1000\nSTART=3000\nEND=8000\ntitle=Ending\n";
    if (!WriteText(d + "a.srt", Subtitle("HELLO")) || !WriteText(d + "b.srt", Subtitle("HALLO")) ||
        !WriteText(d + "chapters.txt", chapters) ||
        !WriteText(d + "film.en.srt", Subtitle("BESIDE"))) {
        return {};
    }
    const QStringList args{"-nostdin",
                           "-loglevel",
                           "error",
                           "-y",
                           "-f",
                           "lavfi",
                           "-i",
                           "testsrc2=s=160x120:d=8:r=25",
                           "-f",
                           "lavfi",
                           "-i",
                           "sine=f=440:d=8",
                           "-f",
                           "lavfi",
                           "-i",
                           "sine=f=880:d=8",
                           "-i",
                           d + "a.srt",
                           "-i",
                           d + "b.srt",
                           "-i",
                           d + "chapters.txt",
                           "-map",
                           "0",
                           "-map",
                           "1",
                           "-map",
                           "2",
                           "-map",
                           "3",
                           "-map",
                           "4",
                           "-map_chapters",
                           "5",
                           "-c:v",
                           "libx264",
                           "-g",
                           "25",
                           "-pix_fmt",
                           "yuv420p",
                           "-c:a",
                           "aac",
                           "-c:s",
                           "srt",
                           "-metadata:s:a:0",
                           "language=eng",
                           "-metadata:s:a:1",
                           "language=fra",
                           "-metadata:s:a:1",
                           "title=Commentary",
                           "-metadata:s:s:0",
                           "language=eng",
                           "-metadata:s:s:1",
                           "language=ger",
                           d + "film.mkv"};
    if (QProcess::execute("ffmpeg", args) != 0) return {};
    return (d + "film.mkv").toStdString();
}

class FilmPlayerTest : public testing::Test {
  protected:
    static void SetUpTestSuite() {
        if (!test::CanMakeClips()) return;
        dir_ = new QTemporaryDir;
        film_ = MakeFilm(*dir_);
    }
    static void TearDownTestSuite() {
        delete dir_;
        dir_ = nullptr;
    }

    void SetUp() override {
        if (film_.empty()) GTEST_SKIP() << "ffmpeg could not make the film";
        player_ = std::make_unique<MpvPlayer>(test::SolidImage(Qt::green, 64, 48));
        ASSERT_TRUE(player_->IsAvailable());
        player_->resize(320, 260);
        player_->show();
    }

    // Loads the film and waits until libmpv has listed its tracks.
    void LoadFilm() {
        player_->Load(film_);
        ASSERT_TRUE(QTest::qWaitFor([this] { return player_->AudioTracks().size() == 2; }, 5000));
        ASSERT_TRUE(QTest::qWaitFor([this] { return player_->Chapters().size() == 2; }, 5000));
    }

    template <class F>
    bool WaitFor(F done) {
        return QTest::qWaitFor(done, 5000);
    }

    static std::int64_t Selected(const std::vector<Track>& tracks) {
        for (const auto& t : tracks)
            if (t.selected) return t.id;
        return 0;
    }

    static inline QTemporaryDir* dir_ = nullptr;
    static inline std::string film_;
    std::unique_ptr<MpvPlayer> player_;
};

TEST_F(FilmPlayerTest, TracksAndChaptersAreListedAsTheFileNamesThem) {
    LoadFilm();
    const auto audio = player_->AudioTracks();
    EXPECT_EQ(audio[0].language, "eng");
    EXPECT_EQ(audio[1].language, "fra");
    EXPECT_EQ(audio[1].title, "Commentary");
    EXPECT_NE(audio[0].id, audio[1].id);
    EXPECT_EQ(Selected(audio), audio[0].id);

    // The two embedded tracks, and film.en.srt found beside the movie.
    ASSERT_TRUE(WaitFor([this] { return player_->SubtitleTracks().size() == 3; }));
    const auto subs = player_->SubtitleTracks();
    EXPECT_EQ(subs[0].language, "eng");
    EXPECT_EQ(subs[1].language, "ger");

    const auto chapters = player_->Chapters();
    // Times as the file has them, sound's priming samples included.
    EXPECT_NEAR(chapters[0].time, 0, 0.05);
    EXPECT_EQ(chapters[0].title, "Opening");
    EXPECT_NEAR(chapters[1].time, 3, 0.05);
    EXPECT_EQ(chapters[1].title, "Ending");
}

TEST_F(FilmPlayerTest, SelectionsFollowTheRequests) {
    LoadFilm();
    const auto audio = player_->AudioTracks();
    player_->SelectAudio(audio[1].id);
    EXPECT_TRUE(WaitFor([&] { return Selected(player_->AudioTracks()) == audio[1].id; }));

    const auto subs = player_->SubtitleTracks();
    player_->SelectSubtitle(subs[1].id);
    EXPECT_TRUE(WaitFor([&] { return Selected(player_->SubtitleTracks()) == subs[1].id; }));
    player_->SelectSubtitle(0);
    EXPECT_TRUE(WaitFor([&] { return Selected(player_->SubtitleTracks()) == 0; }));

    // A file added later is shown at once; a reference that is no local file
    // never reaches libmpv.
    const std::size_t before = player_->SubtitleTracks().size();
    player_->AddSubtitleFile((dir_->path() + "/b.srt").toStdString());
    EXPECT_TRUE(WaitFor([&] { return player_->SubtitleTracks().size() == before + 1; }));
    EXPECT_EQ(Selected(player_->SubtitleTracks()), player_->SubtitleTracks().back().id);
    EXPECT_THROW(player_->AddSubtitleFile("av://lavfi:sine"), PlatformError);
    EXPECT_THROW(player_->AddSubtitleFile("relative.srt"), PlatformError);
    EXPECT_THROW(player_->AddSubtitleFile(dir_->path().toStdString()), PlatformError);  // a folder
    const QString pipe = dir_->path() + "/pipe.srt";
    ASSERT_EQ(::mkfifo(pipe.toLocal8Bit().constData(), 0600), 0);
    EXPECT_THROW(player_->AddSubtitleFile(pipe.toStdString()), PlatformError);
    QFile::remove(pipe);
}

TEST_F(FilmPlayerTest, SpeedAndDelayBelongToOneMovie) {
    LoadFilm();
    QSignalSpy speeds(player_.get(), &MpvPlayer::SpeedChanged);
    player_->SetSpeed(1.5);
    ASSERT_TRUE(WaitFor([&] { return player_->Speed() == 1.5; }));
    EXPECT_FALSE(speeds.isEmpty());
    player_->SetSubtitleDelay(-0.3);
    EXPECT_TRUE(WaitFor([&] { return std::abs(player_->SubtitleDelay() + 0.3) < 1e-6; }))
        << player_->SubtitleDelay();
    EXPECT_THROW(player_->SetSpeed(0), PlatformError);
    EXPECT_THROW(player_->SetSpeed(std::nan("")), PlatformError);

    LoadFilm();
    EXPECT_TRUE(WaitFor([&] { return player_->Speed() == 1 && player_->SubtitleDelay() == 0; }));
}

TEST_F(FilmPlayerTest, JumpsStepsAndAStartPosition) {
    player_->StartNextLoadAt(5);
    LoadFilm();
    EXPECT_TRUE(WaitFor([&] { return player_->Position() > 4.5; }));
    // A paused movie reports the target of a jump before libmpv has shown
    // its frame; each step waits for the frame as well.
    QTest::qWait(500);
    player_->SeekBy(-4);
    EXPECT_TRUE(WaitFor([&] { return player_->Position() < 2; }));
    QTest::qWait(500);
    const double before = player_->Position();
    player_->StepFrame(true);
    EXPECT_TRUE(WaitFor([&] { return player_->Position() > before + 0.01; }))
        << before << " " << player_->Position() << " paused " << player_->IsPaused();
    EXPECT_TRUE(player_->IsPaused());

    // The start position was for that one load; Rewind goes to the start.
    LoadFilm();
    EXPECT_TRUE(WaitFor([&] { return player_->Position() < 0.5; }));
    player_->SeekTo(6);
    ASSERT_TRUE(WaitFor([&] { return player_->Position() > 5.5; }));
    player_->Rewind();
    EXPECT_TRUE(WaitFor([&] { return player_->Position() < 0.5; }));
}

TEST_F(FilmPlayerTest, FramesAreSavedWholeOrNotAtAll) {
    LoadFilm();
    QTemporaryDir out;
    QSignalSpy saved(player_.get(), &MpvPlayer::FrameSaved);
    const QString good = out.path() + "/frame.png";
    player_->SaveFrame(good.toStdString());
    ASSERT_TRUE(WaitFor([&] { return saved.count() == 1; }));
    EXPECT_TRUE(saved[0][1].toBool());
    EXPECT_EQ(QImage(good).size(), QSize(160, 120));
    // Nothing but the frame is left in the folder.
    EXPECT_EQ(QDir(out.path()).entryList(QDir::Files), QStringList{"frame.png"});

    const QString missing = out.path() + "/no such folder/frame.png";
    player_->SaveFrame(missing.toStdString());
    ASSERT_TRUE(WaitFor([&] { return saved.count() == 2; }));
    EXPECT_FALSE(saved[1][1].toBool());
    EXPECT_FALSE(QFileInfo::exists(missing));

    // Copied: the frame on the clipboard, as an image.
    QGuiApplication::clipboard()->clear();
    player_->CopyFrame();
    EXPECT_TRUE(
        WaitFor([] { return QGuiApplication::clipboard()->image().size() == QSize(160, 120); }));

    // Without a picture there is no frame to take.
    MpvPlayer empty(test::SolidImage(Qt::green, 64, 48));
    EXPECT_THROW(empty.SaveFrame(good.toStdString()), PlatformError);
    EXPECT_THROW(empty.CopyFrame(), PlatformError);
}

}  // namespace
}  // namespace rw
