// The picture controls on the player component with clips made here: a
// chosen shape and a turn reach the window as the movie's size, Fill Window
// crops a letterboxed movie to the screen, another movie starts plain, and
// Automatic deinterlaces only a movie whose frames are interlaced.

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "TestSupport.h"
#include "platform/Step.h"
#include "platform/mpv/MpvPicture.h"
#include "platform/mpv/MpvPlayer.h"

namespace rw {
namespace {

class PictureTest : public testing::Test {
  protected:
    void SetUp() override {
        if (!test::CanMakeClips()) GTEST_SKIP() << "no ffmpeg";
        player_ = std::make_unique<MpvPlayer>(test::SolidImage(Qt::green, 64, 48));
        ASSERT_TRUE(player_->IsAvailable());
        player_->resize(800, 600);
        player_->show();
    }

    void Load(const QString& name, const QString& video, const QStringList& encoding = {}) {
        const std::string clip = test::MakeClip(dir_, name, video, encoding);
        ASSERT_FALSE(clip.empty());
        player_->Load(clip);
        ASSERT_TRUE(player_->HasPicture());
    }

    bool RectBecomes(const std::string& expected) {
        return QTest::qWaitFor([&] {
            std::string rect;
            return Step([&] { rect = player_->MovieRect(); }) && rect == expected;
        });
    }

    void Change(void (*change)(PictureState&)) {
        PictureState state = player_->Picture().State();
        change(state);
        player_->Picture().Set(state);
    }

    QTemporaryDir dir_;
    std::unique_ptr<MpvPlayer> player_;
};

TEST_F(PictureTest, AChosenShapeAndATurnAreTheMoviesSizeUntilTheNextMovie) {
    // 4:3 pictures that the file says are 16:9.
    Load("flagged.mp4", "testsrc2=s=320x240:d=3,setdar=16/9");
    EXPECT_TRUE(RectBecomes("0,0,426,240"));
    QSignalSpy reshaped(player_.get(), &MpvPlayer::MovieReshaped);
    Change([](PictureState& s) { s.aspect = 4.0 / 3; });
    EXPECT_TRUE(RectBecomes("0,0,320,240"));
    Change([](PictureState& s) { s.rotation = 90; });
    EXPECT_TRUE(RectBecomes("0,0,240,320"));
    EXPECT_EQ(reshaped.count(), 2);

    Load("plain.mp4", "testsrc2=s=320x240:d=3,setdar=16/9");
    EXPECT_EQ(player_->Picture().State(), PictureState());
    EXPECT_TRUE(RectBecomes("0,0,426,240"));
}

TEST_F(PictureTest, FillWindowCropsALetterboxedMovieToTheScreen) {
    // A 2.35:1 red picture with black bars in a 16:9 frame, on a 4:3 screen.
    Load("letterboxed.mp4", "color=c=red:s=640x272:d=3,pad=640:360:0:44:black");
    player_->SetFullScreenMode(true);
    player_->SetMovieRect({0, 75, 800, 525});
    const QPoint aboveTheBars(400, 100);
    ASSERT_TRUE(QTest::qWaitFor([&] {
        return test::IsBlack(test::PixelAt(*player_, {400, 300})) == false;
    }));
    EXPECT_TRUE(test::IsBlack(test::PixelAt(*player_, aboveTheBars)));
    Change([](PictureState& s) { s.fill = true; });
    EXPECT_EQ(player_->DrawnArea(), (PixelRect{0, 0, 800, 600}));
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return test::IsRed(test::PixelAt(*player_, aboveTheBars)); }));
}

TEST_F(PictureTest, AutomaticDeinterlacesOnlyAMovieWhoseFramesAreInterlaced) {
    // MPEG-2 coded in fields, top field first: every frame says it is
    // interlaced.
    const QStringList interlaced = {"-c:v", "mpeg2video", "-flags",       "+ilme+ildct",
                                    "-top", "1",          "-field_order", "tt"};
    const struct {
        const char* name;
        QStringList encoding;
        Deinterlace way;
        bool deinterlaced;
    } rows[] = {
        {"interlaced, automatic", interlaced, Deinterlace::Automatic, true},
        {"interlaced, off", interlaced, Deinterlace::Off, false},
        {"progressive, automatic", {}, Deinterlace::Automatic, false},
    };
    int n = 0;
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        Load(QString("clip%1.mkv").arg(++n), "testsrc2=s=320x240:d=4:r=25", row.encoding);
        PictureState state = player_->Picture().State();
        state.deinterlace = row.way;
        player_->Picture().Set(state);
        player_->Play();
        const auto& picture = dynamic_cast<const MpvPicture&>(player_->Picture());
        // Half a second of frames has been shown, each reporting itself.
        ASSERT_TRUE(QTest::qWaitFor([&] { return player_->Position() > 0.5; }));
        EXPECT_EQ(picture.Deinterlacing(), row.deinterlaced);
    }
}

}  // namespace
}  // namespace rw
