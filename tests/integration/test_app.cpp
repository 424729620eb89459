#include <gtest/gtest.h>

#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include "Program.h"
#include "TestSupport.h"
#include "platform/mpv/MpvPlayer.h"
#include "platform/qt/QtWindow.h"
#include "playback/OpenMovie.h"

namespace rw {
namespace {

using test::IsBlack;
using test::IsRed;
using test::MeanColour;

class AppTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        red = test::ClipPath(test::Clip::Red43);
        ASSERT_FALSE(red.empty());
        ini = dir.filePath("settings.ini").toStdString();
    }

    // Waits until OpenMovie has finished and a frame is on screen.
    static bool WaitForMovie(Program& p) {
        return QTest::qWaitFor(
            [&] {
                return p.Window().windowTitle() == "Ostrun's Reelwick" &&
                       !p.Player().Reference().empty();
            },
            10000);
    }

    QSettings Ini() { return QSettings(QString::fromStdString(ini), QSettings::IniFormat); }

    QTemporaryDir dir;
    std::string red, ini;
};

TEST_F(AppTest, PlaysTheCommandLineMovieAndRemembersItAcrossARestart) {
    {
        Program p("\"" + red + "\"", ini);  // quoted like a path with spaces
        p.Start();
        ASSERT_TRUE(WaitForMovie(p));
        EXPECT_EQ(p.Window().windowTitle(), "Ostrun's Reelwick");
        const QWidget& player = p.Player();
        const QPoint centre = player.mapTo(&p.Window(), player.rect().center());
        QColor colour;
        // Until the first frames are drawn.
        EXPECT_TRUE(QTest::qWaitFor([&] {
            const QImage shot = p.Window().grab().toImage();
            colour = MeanColour(shot, centre.x(), centre.y());
            return IsRed(colour);
        })) << "centre colour "
            << colour.name().toStdString();
        p.Window().move(40, 30);
        p.Window().close();
        EXPECT_TRUE(p.Unloaded());
    }
    {
        QSettings s = Ini();
        EXPECT_EQ(s.value("Settings/LastPlayed").toString().toStdString(), red);
        EXPECT_EQ(s.value("MRU/0").toString().toStdString(), red);
        EXPECT_EQ(s.value("Settings/MovieControls").toString(), "True");
        EXPECT_EQ(s.value("Settings/WindowState").toString(), "0");
        EXPECT_EQ(s.value("Settings/Left").toString(), "600");  // 40 px at 15 twips
        EXPECT_EQ(s.value("Settings/Top").toString(), "450");
        for (const char* key :
             {"Width", "Height", "TopMost", "OriginalSize", "PlayLastMovie", "MovieLoop"}) {
            EXPECT_TRUE(s.contains(QString("Settings/") + key)) << key;
        }
        s.setValue("Settings/PlayLastMovie", "True");
        s.setValue("Settings/MovieLoop", "true");
    }
    {
        Program p("", ini);
        p.Start();
        ASSERT_TRUE(WaitForMovie(p)) << "the last movie reopens";
        EXPECT_EQ(p.Player().Reference(), red);
        EXPECT_EQ(p.Window().frameGeometry().topLeft(), QPoint(40, 30));
        EXPECT_TRUE(p.Window().Checked(Menu::MovieLoop));
        EXPECT_TRUE(p.Window().Visible(Menu::Recent0));
        EXPECT_EQ(p.Window().ItemCaption(Menu::Recent0), "&1:red 4x3.mp4");
        p.Window().close();
    }
}

TEST_F(AppTest, BadReferencesLeaveTheProgramRunningWithNothingLoaded) {
    const QString corrupt = dir.filePath("corrupt.mov");
    {
        QFile f(corrupt);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        QByteArray junk(64 * 1024, '\0');
        for (int i = 0; i < junk.size(); ++i) junk[i] = char((i * 7919) % 251);
        f.write(junk);
    }
    const std::string bad[] = {dir.filePath("missing.mov").toStdString(),
                               corrupt.toStdString(),
                               "av://lavfi:testsrc",
                               "edl://" + red,
                               "fd://0",
                               "memory://abc",
                               dir.path().toStdString()};
    Program p("", ini);
    p.Start();
    for (const auto& ref : bad) {
        OpenMovie(p.MainForm(), ref);
        EXPECT_EQ(p.Window().windowTitle(), "Ostrun's Reelwick") << ref;
        EXPECT_TRUE(p.Player().Reference().empty()) << ref;
        EXPECT_TRUE(p.Window().isVisible()) << ref;
    }
    // Still answers: a good movie plays right after.
    OpenMovie(p.MainForm(), red);
    ASSERT_TRUE(WaitForMovie(p));
    EXPECT_EQ(p.Player().Reference(), red);
    // The corrupt file exists and is not empty, so it entered the recent list.
    EXPECT_EQ(p.Window().Tag(Menu::Recent1), corrupt.toStdString());
    p.Window().close();
}

TEST_F(AppTest, EmptyStartShowsTheLogoOnBlack) {
    Program p("", ini);
    p.Start();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&p.Window()));
    EXPECT_EQ(p.Window().windowTitle(), "Ostrun's Reelwick");
    EXPECT_FALSE(p.Player().isVisible());
    const QImage shot = p.Window().grab().toImage();
    const QWidget* central = p.Window().centralWidget();
    const QPoint corner = central->mapTo(&p.Window(), QPoint(5, 5));
    EXPECT_TRUE(IsBlack(MeanColour(shot, corner.x(), corner.y(), 2)));
    const QPoint middle = central->mapTo(&p.Window(), central->rect().center());
    EXPECT_FALSE(IsBlack(MeanColour(shot, middle.x(), middle.y(), 8))) << "the logo";
    p.Window().close();
    QSettings s = Ini();
    EXPECT_EQ(s.value("Settings/MovieControls").toString(), "True");
    EXPECT_EQ(s.value("Settings/LastPlayed").toString(), "");
}

}  // namespace
}  // namespace rw
