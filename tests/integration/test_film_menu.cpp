// The menu on the movie in the running program: a right click on the movie
// opens it, and its items reach the player and the movies of the folder.

#include <gtest/gtest.h>

#include <QAction>
#include <QContextMenuEvent>
#include <QFile>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "Program.h"
#include "TestSupport.h"
#include "platform/mpv/MpvPlayer.h"
#include "platform/qt/QtFilmServices.h"
#include "platform/qt/QtWindow.h"
#include "playback/FilmControls.h"

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

TEST_F(FilmMenuTest, NextAndPreviousMovieFollowTheFolderInNaturalOrder) {
    Program p("\"" + dir_.filePath("Ep 2.mp4").toStdString() + "\"", ini_);
    p.Start();
    ASSERT_TRUE(QTest::qWaitFor([&] { return p.Player().HasPicture(); }, 10000));
    ASSERT_TRUE(QTest::qWaitFor([&] { return p.Film().Neighbour(+1).has_value(); }, 10000));

    RightClickAndPick(p, "Next Movie in Folder");
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return p.Player().Reference() == dir_.filePath("Ep 10.mp4").toStdString(); }, 10000));
    // The last one: Next is disabled, Previous goes back.
    ASSERT_TRUE(QTest::qWaitFor([&] { return p.Film().Neighbour(-1).has_value(); }, 10000));
    bool nextEnabled = true;
    RightClickAndPick(p, "Next Movie in Folder", &nextEnabled);
    EXPECT_FALSE(nextEnabled);
    RightClickAndPick(p, "Previous Movie in Folder");
    EXPECT_TRUE(QTest::qWaitFor(
        [&] { return p.Player().Reference() == dir_.filePath("Ep 2.mp4").toStdString(); }, 10000));
    p.Window().close();
}

TEST_F(FilmMenuTest, SpeedIsChosenFromTheMenuAndResetByTheNextMovie) {
    Program p("\"" + dir_.filePath("Ep 1.mp4").toStdString() + "\"", ini_);
    p.Start();
    ASSERT_TRUE(QTest::qWaitFor([&] { return p.Player().HasPicture(); }, 10000));
    RightClickAndPick(p, QString::fromUtf8("1.5\u00d7"));
    EXPECT_TRUE(QTest::qWaitFor([&] { return p.Player().Speed() == 1.5; }, 5000));
    ASSERT_TRUE(QTest::qWaitFor([&] { return p.Film().Neighbour(+1).has_value(); }, 10000));
    RightClickAndPick(p, "Next Movie in Folder");
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            return p.Player().Reference() == dir_.filePath("Ep 2.mp4").toStdString() &&
                   p.Player().Speed() == 1;
        },
        10000));
    p.Window().close();
}

}  // namespace
}  // namespace rw
