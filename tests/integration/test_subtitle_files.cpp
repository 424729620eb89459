// Subtitle files found beside the movie, from hostile ones: a script whose
// letters are far larger than any screen, and a named pipe named like the
// movie's subtitles.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "LoopWatch.h"
#include "TestSupport.h"
#include "platform/mpv/MpvPlayer.h"

namespace rw {
namespace {

bool WriteText(const QString& path, const QByteArray& text) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text) == text.size();
}

// The peak resident memory of this process in KiB (VmHWM); 0 when unknown.
long PeakKiB() {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly | QIODevice::Text)) return 0;
    for (QByteArray line = status.readLine(); !line.isEmpty(); line = status.readLine()) {
        if (line.startsWith("VmHWM:")) return line.mid(6).trimmed().split(' ').value(0).toLong();
    }
    return 0;
}

// Letters 60000 high in a style and again in an override tag: drawn as
// written, one of them takes gigabytes and minutes.
constexpr char kHugeLetters[] =
    "[Script Info]\nScriptType: v4.00+\nPlayResX: 384\nPlayResY: 288\n\n"
    "[V4+ Styles]\nFormat: Name, Fontname, Fontsize, PrimaryColour, SecondaryColour, "
    "OutlineColour, BackColour, Bold, Italic, Underline, StrikeOut, ScaleX, ScaleY, Spacing, "
    "Angle, BorderStyle, Outline, Shadow, Alignment, MarginL, MarginR, MarginV, Encoding\n"
    "Style: Default,DejaVu Sans,60000,&H00FFFFFF,&H000000FF,&H00000000,&H00000000,0,0,0,0,"
    "100,100,0,0,1,2,2,2,10,10,10,1\n\n"
    "[Events]\nFormat: Layer, Start, End, Style, Name, MarginL, MarginR, MarginV, Effect, Text\n"
    "Dialogue: 0,0:00:00.00,0:00:09.00,Default,,0,0,0,,Huge\n"
    "Dialogue: 0,0:00:00.00,0:00:09.00,Default,,0,0,0,,{\\fs60000\\fscx900}Larger\n";

class SubtitleFilesTest : public testing::Test {
  protected:
    void SetUp() override {
        if (!test::CanMakeClips()) GTEST_SKIP() << "ffmpeg is not there to make a clip";
        movie_ = test::MakeClip(dir_, "Film.mp4", "testsrc2=s=640x360:d=6:r=25");
        ASSERT_FALSE(movie_.empty());
        player_ = std::make_unique<MpvPlayer>(test::SolidImage(Qt::green, 64, 48));
        ASSERT_TRUE(player_->IsAvailable());
        player_->resize(640, 400);
        player_->show();
    }

    QString Beside(const char* name) const { return dir_.path() + "/" + name; }

    QTemporaryDir dir_;
    std::string movie_;
    std::unique_ptr<MpvPlayer> player_;
};

TEST_F(SubtitleFilesTest, HugeLettersBesideTheMovieKeepItPlayingInBoundedMemory) {
    ASSERT_TRUE(WriteText(Beside("Film.ass"), kHugeLetters));
    test::LoopWatch watch;
    player_->Load(movie_);
    ASSERT_TRUE(player_->HasMovie());
    player_->Play();
    // The subtitle is still offered, and the picture moves on.
    EXPECT_TRUE(QTest::qWaitFor([&] { return player_->SubtitleTracks().size() == 1; }, 10000));
    EXPECT_TRUE(QTest::qWaitFor([&] { return player_->Position() > 1.0; }, 30000))
        << player_->Position();
    const long peak = PeakKiB();
    std::printf("peak memory %ld MiB, longest stall of the event loop %lld ms\n", peak / 1024,
                static_cast<long long>(watch.LongestGapMs()));
    EXPECT_GT(peak, 0);
    EXPECT_LT(peak, 1024 * 1024) << "KiB";
}

TEST_F(SubtitleFilesTest, APipeNamedLikeTheSubtitlesIsPassedOver) {
    ASSERT_EQ(::mkfifo(Beside("Film.en.srt").toLocal8Bit().constData(), 0600), 0);
    ASSERT_TRUE(WriteText(Beside("Film.fr.srt"), "1\n00:00:00,000 --> 00:00:05,000\nBONJOUR\n\n"));
    player_->Load(movie_);
    ASSERT_TRUE(player_->HasMovie());
    player_->Play();
    EXPECT_TRUE(QTest::qWaitFor([&] { return player_->Position() > 1.0; }, 15000))
        << player_->Position();
    const auto subs = player_->SubtitleTracks();
    ASSERT_EQ(subs.size(), 1u);
    EXPECT_EQ(subs[0].title, "Film.fr.srt");
}

}  // namespace
}  // namespace rw
