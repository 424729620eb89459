// The menu on the movie in the running program: a right click on the movie
// opens it, and its items reach the player and the movies of the folder;
// and a film comes back where it was left.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QFile>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "Program.h"
#include "TestSupport.h"
#include "film/FilmControls.h"
#include "platform/mpv/MpvPlayer.h"
#include "platform/qt/QtFilmServices.h"
#include "platform/qt/QtWindow.h"

namespace rw {
namespace {

// The action with this caption in the menu or its submenus.
QAction* FindAction(QMenu* menu, const QString& caption) {
    for (QAction* action : menu->actions()) {
        if (action->text() == caption) return action;
        if (action->menu() != nullptr) {
            if (QAction* inner = FindAction(action->menu(), caption)) return inner;
        }
    }
    return nullptr;
}

class FilmMenuTest : public testing::Test {
  protected:
    void SetUp() override {
        const std::string clip = test::ClipPath(test::Clip::OneSecond);
        ASSERT_FALSE(clip.empty());
        for (const char* name : {"Ep 1.mp4", "Ep 2.mp4", "Ep 10.mp4"})
            ASSERT_TRUE(QFile::copy(QString::fromStdString(clip), dir_.filePath(name)));
        ini_ = dir_.filePath("settings.ini").toStdString();
    }

    // Right-clicks the movie; when the menu is open, `pick` chooses from it.
    void RightClickAndPick(Program& p, const QString& caption, bool* enabled = nullptr) {
        QTimer::singleShot(300, [&p, caption, enabled] {
            QMenu* menu = p.FilmServices().OpenMenu();
            if (menu == nullptr) return;
            QAction* action = FindAction(menu, caption);
            if (enabled) *enabled = action != nullptr && action->isEnabled();
            if (action != nullptr && action->isEnabled()) {
                action->trigger();
                menu->close();
            } else {
                menu->close();
            }
        });
        QWidget& player = p.Player();
        QContextMenuEvent event(QContextMenuEvent::Mouse, player.rect().center(),
                                player.mapToGlobal(player.rect().center()));
        QCoreApplication::sendEvent(&player, &event);
    }

    QTemporaryDir dir_;
    std::string ini_;
};

TEST_F(FilmMenuTest, SpeedAndTheMoviesOfTheFolderFromTheMenu) {
    Program p("\"" + dir_.filePath("Ep 2.mp4").toStdString() + "\"", ini_);
    p.Start();
    ASSERT_TRUE(QTest::qWaitFor([&] { return p.Player().HasPicture(); }, 10000));
    RightClickAndPick(p, QString::fromUtf8("1.5\u00d7"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return p.Player().Speed() == 1.5; }, 5000));

    // Next in natural order (Ep 10 after Ep 2), at normal speed.
    ASSERT_TRUE(QTest::qWaitFor([&] { return p.Film().Neighbour(+1).has_value(); }, 10000));
    RightClickAndPick(p, "Next Movie in Folder");
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            return p.Player().Reference() == dir_.filePath("Ep 10.mp4").toStdString() &&
                   p.Player().Speed() == 1;
        },
        10000));
    // The last one: Next is disabled, Previous goes back.
    ASSERT_TRUE(QTest::qWaitFor([&] { return p.Film().Neighbour(-1).has_value(); }, 10000));
    bool nextEnabled = true;
    RightClickAndPick(p, "Next Movie in Folder", &nextEnabled);
    EXPECT_FALSE(nextEnabled);
    // With Play Folder Through, Ep 2 gives way to Ep 10 at its end.
    RightClickAndPick(p, "Play Folder Through");
    ASSERT_TRUE(QTest::qWaitFor([&] { return p.Film().playThrough; }, 5000));
    RightClickAndPick(p, "Previous Movie in Folder");
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return p.Player().Reference() == dir_.filePath("Ep 2.mp4").toStdString(); }, 10000));
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return p.Player().Reference() == dir_.filePath("Ep 10.mp4").toStdString(); }, 15000));
    p.Window().close();
}

void Drop(QWidget* target, const QString& path) {
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(path)});
    QDragEnterEvent enter(QPoint(2, 2), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &enter);
    QDropEvent drop(QPointF(2, 2), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &drop);
    QCoreApplication::processEvents();
}

TEST_F(FilmMenuTest, ADroppedSubtitleFileJoinsTheMovieAndNothingElse) {
    const QString srt = dir_.filePath("Ep 1.en.srt");
    const QString smil = dir_.filePath("show.smi");
    const QString sami = dir_.filePath("words.smi");
    for (const auto& [path, text] :
         {std::pair{srt, QByteArray("1\n00:00:00,000 --> 00:00:01,000\nHELLO\n\n")},
          std::pair{smil, QByteArray("<smil><body><video src=\"Ep 10.mp4\"/></body></smil>\n")},
          std::pair{sami,
                    QByteArray("<SAMI><BODY><SYNC Start=0><P>HELLO</SYNC></BODY></SAMI>\n")}}) {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }
    Program p({}, ini_);
    p.Start();
    // No movie: the drop does nothing, and opens nothing.
    Drop(&p.Window(), srt);
    QTest::qWait(300);
    EXPECT_TRUE(p.Player().Reference().empty());

    Drop(&p.Window(), dir_.filePath("Ep 2.mp4"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return p.Player().HasPicture(); }, 10000));
    const std::size_t before = p.Player().SubtitleTracks().size();
    Drop(p.Window().Logo(), srt);
    Drop(p.Window().Logo(), sami);
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return p.Player().SubtitleTracks().size() == before + 2; }, 5000));
    EXPECT_EQ(p.Player().Reference(), dir_.filePath("Ep 2.mp4").toStdString());
    // Not in the recent list.
    for (int i = 0; i <= kRecentUpperBound; ++i)
        EXPECT_FALSE(QString::fromStdString(p.Window().Tag(RecentItem(i))).endsWith(".smi"));
    EXPECT_NE(p.Window().Tag(Menu::Recent0), srt.toStdString());

    // A .smi presentation plays like any other movie: its first entry.
    Drop(&p.Window(), smil);
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return p.Player().Reference() == smil.toStdString() && p.Player().HasPicture(); },
        10000));
    p.Window().close();
}

// Light pixels of the player where its short line is, over a black movie.
int LightPixelsOfLine(MpvPlayer& player) {
    const QImage shot = player.grab().toImage();
    int light = 0;
    for (int y = 0; y < shot.height() / 3; ++y) {
        for (int x = 0; x < shot.width() / 2; ++x) light += qGray(shot.pixel(x, y)) > 160;
    }
    return light;
}

// A film key leaves a short line over the movie that goes by itself; none
// shows under the folder list, and none over the menu on the movie.
TEST_F(FilmMenuTest, AKeyLeavesALineThatGoesByItself) {
    const std::string film = test::MakeClip(dir_, "night.mp4", "color=c=black:s=320x240:d=60");
    ASSERT_FALSE(film.empty());
    Program p("\"" + film + "\"", ini_);
    p.Start();
    MpvPlayer& player = p.Player();
    ASSERT_TRUE(QTest::qWaitFor([&] { return player.HasPicture(); }, 10000));
    const auto press = [&p](Qt::Key key) {
        QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
        QWidget* to = QApplication::focusWidget();
        QApplication::sendEvent(to != nullptr ? to : &p.Window(), &event);
    };
    EXPECT_EQ(LightPixelsOfLine(player), 0);
    press(Qt::Key_Down);
    EXPECT_EQ(player.LineText().toStdString(), "Volume 95%");
    EXPECT_GT(LightPixelsOfLine(player), 20);
    EXPECT_TRUE(QTest::qWaitFor([&] { return player.LineText().isEmpty(); }, 10000));
    EXPECT_TRUE(QTest::qWaitFor([&] { return LightPixelsOfLine(player) == 0; }, 5000));

    // Under the folder list: the key acts, and no line shows.
    p.Window().SetFilesVisible(true);
    press(Qt::Key_Down);
    EXPECT_TRUE(QTest::qWaitFor([&] { return player.Volume() == 90; }, 5000));
    EXPECT_TRUE(player.LineText().isEmpty());
    p.Window().SetFilesVisible(false);

    // The line of the key before goes when the menu opens, and a change
    // that comes while it is open (a media key) shows none.
    press(Qt::Key_Down);
    ASSERT_FALSE(player.LineText().isEmpty());
    QString underMenu = QStringLiteral("(the menu did not open)");
    QTimer::singleShot(300, [&] {
        QMenu* menu = p.FilmServices().OpenMenu();
        if (menu == nullptr) return;
        underMenu = player.LineText();
        player.ShowMessage("Volume 50%");
        underMenu += player.LineText();
        menu->close();
    });
    QContextMenuEvent event(QContextMenuEvent::Mouse, player.rect().center(),
                            player.mapToGlobal(player.rect().center()));
    QCoreApplication::sendEvent(&player, &event);
    EXPECT_EQ(underMenu.toStdString(), "");

    // A menu of the bar opened while a line shows takes it away too.
    press(Qt::Key_Down);
    ASSERT_FALSE(player.LineText().isEmpty());
    QMenu* file = p.Window().findChild<QMenuBar*>()->actions().first()->menu();
    file->popup(p.Window().mapToGlobal(QPoint(0, 0)));
    EXPECT_TRUE(player.LineText().isEmpty());
    file->close();
    p.Window().close();
}

TEST_F(FilmMenuTest, AFilmComesBackWhereItWasLeftAndRewindStillStartsOver) {
    // Six minutes of a tiny picture, one frame a second.
    const std::string film =
        test::MakeClip(dir_, "long film.mp4", "color=c=gray:s=64x48:d=360:r=2");
    ASSERT_FALSE(film.empty());
    {
        Program p("\"" + film + "\"", ini_);
        p.Start();
        ASSERT_TRUE(QTest::qWaitFor([&] { return p.Player().Duration() > 300; }, 10000));
        p.Player().SeekTo(125);
        ASSERT_TRUE(QTest::qWaitFor([&] { return p.Player().Position() > 124; }, 10000));
        p.Player().SetVolume(40);
        ASSERT_TRUE(QTest::qWaitFor([&] { return p.Player().Volume() == 40; }, 5000));
        p.Window().close();
    }
    QSettings ini(QString::fromStdString(ini_), QSettings::IniFormat);
    EXPECT_TRUE(ini.value("Resume/0").toString().startsWith("125"));
    EXPECT_EQ(ini.value("Settings/Volume").toString(), "40");
    EXPECT_EQ(ini.value("Settings/LastPlayed").toString().toStdString(), film);
    {
        Program p("\"" + film + "\"", ini_);
        p.Start();
        ASSERT_TRUE(QTest::qWaitFor([&] { return p.Player().HasPicture(); }, 10000));
        EXPECT_TRUE(QTest::qWaitFor([&] { return p.Player().Position() > 120; }, 5000))
            << p.Player().Position();
        EXPECT_EQ(p.Player().Volume(), 40);
        p.Window().MenuAction(Menu::MovieRewind)->trigger();
        EXPECT_TRUE(QTest::qWaitFor([&] { return p.Player().Position() < 5; }, 5000));
        p.Window().close();
    }
    // A place past the film's end, as a hand-edited file may hold: the film
    // starts from the beginning, not at its last frame.
    QSettings(QString::fromStdString(ini_), QSettings::IniFormat)
        .setValue("Resume/0", QString::fromStdString("1e308|" + film));
    {
        Program p("\"" + film + "\"", ini_);
        p.Start();
        ASSERT_TRUE(QTest::qWaitFor([&] { return p.Player().HasPicture(); }, 10000));
        EXPECT_LT(p.Player().Position(), 60);
        EXPECT_FALSE(p.Player().IsAtEnd());
        p.Window().close();
    }
}

}  // namespace
}  // namespace rw
