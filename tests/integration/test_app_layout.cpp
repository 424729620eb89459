#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <QTest>

#include "Program.h"
#include "TestSupport.h"
#include "platform/mpv/MpvPlayer.h"
#include "platform/qt/QtWindow.h"
#include "platform/widgets/ControllerBar.h"
#include "playback/Transport.h"
#include "window/Layout.h"

namespace rw {
namespace {

using test::Clip;
using test::ClipPath;
using test::FittedRect;
using test::IsBlack;
using test::MeanColour;

class LayoutTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }

    // Each program gets settings of its own, so options toggled by one test
    // do not reach the next.
    std::unique_ptr<Program> Open(const std::string& clip) {
        const QString ini = dir.filePath(QString("settings%1.ini").arg(++runs));
        auto p = std::make_unique<Program>(clip, ini.toStdString());
        p->Start();
        EXPECT_TRUE(QTest::qWaitFor([&] { return p->Player().Reference() == clip; }, 10000));
        QTest::qWait(600);  // the window settles and frames arrive
        return p;
    }

    QTemporaryDir dir;
    int runs = 0;
};

TEST_F(LayoutTest, MovieLandsInsideTheSentRectangleWithTheBarBelow) {
    const std::pair<Clip, QColor> clips[] = {
        {Clip::Red43, QColor(255, 0, 0)},    // 4:3
        {Clip::Blue169, QColor(0, 0, 255)},  // 16:9
    };
    for (const auto& [kind, colour] : clips) {
        const std::string clip = ClipPath(kind);
        ASSERT_FALSE(clip.empty());
        auto p = Open(clip);
        const auto rect = FittedRect(*p);
        ASSERT_TRUE(rect.has_value()) << clip;
        const QImage shot = p->Player().grab().toImage();
        const int cx = (rect->left + rect->right) / 2, cy = (rect->top + rect->bottom) / 2;
        const QColor centre = MeanColour(shot, cx, cy);
        EXPECT_NEAR(centre.red(), colour.red(), 60) << clip;
        EXPECT_NEAR(centre.blue(), colour.blue(), 60) << clip;
        if (rect->left > 4) {
            EXPECT_TRUE(IsBlack(MeanColour(shot, rect->left - 3, cy, 1))) << clip;
        }
        if (shot.width() - rect->right > 4) {
            EXPECT_TRUE(IsBlack(MeanColour(shot, rect->right + 3, cy, 1))) << clip;
        }
        auto* bar = p->Player().findChild<ControllerBar*>();
        ASSERT_NE(bar, nullptr);
        EXPECT_TRUE(bar->isVisible()) << clip;
        EXPECT_NEAR(bar->geometry().top(), rect->bottom, 1) << clip;
        EXPECT_NEAR(bar->geometry().left(), rect->left, 1) << clip;
        EXPECT_NEAR(bar->geometry().width(), rect->right - rect->left, 1) << clip;

        mnuMovieControls_Click(p->MainForm());
        QTest::qWait(200);
        EXPECT_FALSE(bar->isVisible()) << clip;
        p->Window().close();
    }
}

TEST_F(LayoutTest, OriginalSizeDrawsTheNaturalSizeAtTheTopLeft) {
    const std::string clip = ClipPath(Clip::SmallRed);
    ASSERT_FALSE(clip.empty());
    auto p = Open(clip);
    mnuMovieSize_Click(p->MainForm());
    QTest::qWait(300);
    EXPECT_FALSE(FittedRect(*p).has_value());
    const QImage shot = p->Player().grab().toImage();
    EXPECT_TRUE(test::IsRed(MeanColour(shot, 80, 60))) << "inside the natural 160x120";
    if (shot.width() > 175) {
        EXPECT_TRUE(IsBlack(MeanColour(shot, 170, 40, 2)))
            << "right of it: " << MeanColour(shot, 170, 40, 2).name().toStdString();
    }
    p->Window().close();
}

TEST_F(LayoutTest, LoopKeepsPlayingAndPauseFreezesThePicture) {
    const std::string clip = ClipPath(Clip::OneSecond);
    ASSERT_FALSE(clip.empty());
    auto p = Open(clip);
    mnuMovieLoop_Click(p->MainForm());
    QTest::qWait(2200);  // past the end of the 1-second clip
    const double before = p->Player().Position();
    QTest::qWait(300);
    EXPECT_NE(p->Player().Position(), before) << "still playing after the end";
    EXPECT_FALSE(p->Player().IsAtEnd());

    mnuMoviePause_Click(p->MainForm());
    QTest::qWait(300);
    const QImage a = p->Player().grab().toImage();
    QTest::qWait(500);
    const QImage b = p->Player().grab().toImage();
    EXPECT_EQ(a, b) << "the picture moved while paused";
    p->Window().close();
}

}  // namespace
}  // namespace rw
