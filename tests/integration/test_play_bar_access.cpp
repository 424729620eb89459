// The play bar and the menu on the movie as a screen reader sees them, and
// the play bar's colours from the palette.

#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include "TestSupport.h"
#include "platform/qt/QtFilmServices.h"
#include "platform/widgets/BarColours.h"
#include "platform/widgets/ControllerBar.h"
#include "platform/widgets/ControllerBarAccessible.h"

namespace rw {
namespace {

TEST(PlayBarAccessTest, WhatCountsAsASeek) {
    const struct {
        const char* name;
        double before, after;
        bool jump;
    } rows[] = {
        {"a frame of playback", 10.0, 10.04, false},
        {"a report after a busy second", 10.0, 11.4, false},
        {"the same place", 10.0, 10.0, false},
        {"five seconds forward", 10.0, 15.0, true},
        {"any step back", 10.0, 9.9, true},
        {"back to the start", 250.0, 0.0, true},
        {"an unknown place", 10.0, std::nan(""), false},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(IsPositionJump(row.before, row.after), row.jump) << row.name;
    }
}

TEST(PlayBarAccessTest, ThePositionAsSaid) {
    EXPECT_EQ(PositionOfLength(62, 300), "1:02 of 5:00");
    EXPECT_EQ(PositionOfLength(62, 0), "1:02") << "a stream of unknown length";
    EXPECT_EQ(PositionOfLength(3725, 7200), "1:02:05 of 2:00:00");
}

// Each part of the bar a child with its role, name and place.
TEST(PlayBarAccessTest, ThePartsAreChildrenWithRolesNamesAndValues) {
    ControllerBar bar;
    bar.resize(640, 24);
    bar.show();
    bar.SetDuration(300);
    bar.SetPosition(62);
    bar.SetVolume(80);
    bar.SetPlaying(true);
    QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(&bar);
    ASSERT_NE(iface, nullptr);
    ASSERT_EQ(iface->childCount(), 5);
    const struct {
        BarPart part;
        QAccessible::Role role;
        const char* name;
    } rows[] = {
        {BarPart::Play, QAccessible::Button, "Pause"},
        {BarPart::Seek, QAccessible::Slider, "Position"},
        {BarPart::Time, QAccessible::StaticText, "1:02 / 5:00"},
        {BarPart::Mute, QAccessible::Button, "Mute"},
        {BarPart::Volume, QAccessible::Slider, "Volume"},
    };
    const QRect whole(bar.mapToGlobal(QPoint()), bar.size());
    for (const auto& row : rows) {
        QAccessibleInterface* part = iface->child(static_cast<int>(row.part));
        ASSERT_NE(part, nullptr) << row.name;
        EXPECT_EQ(part->role(), row.role) << row.name;
        EXPECT_EQ(part->text(QAccessible::Name), row.name);
        EXPECT_EQ(part->parent(), iface) << row.name;
        EXPECT_EQ(iface->indexOfChild(part), static_cast<int>(row.part)) << row.name;
        EXPECT_FALSE(part->rect().isEmpty()) << row.name;
        EXPECT_TRUE(whole.contains(part->rect())) << row.name;
    }
    QAccessibleInterface* mute = iface->child(static_cast<int>(BarPart::Mute));
    EXPECT_TRUE(mute->state().checkable);
    bar.SetMuted(true);
    EXPECT_TRUE(mute->state().checked);

    QAccessibleValueInterface* seek =
        iface->child(static_cast<int>(BarPart::Seek))->valueInterface();
    ASSERT_NE(seek, nullptr);
    EXPECT_EQ(seek->currentValue().toDouble(), 62);
    EXPECT_EQ(seek->maximumValue().toDouble(), 300);
    QAccessibleValueInterface* volume =
        iface->child(static_cast<int>(BarPart::Volume))->valueInterface();
    ASSERT_NE(volume, nullptr);
    EXPECT_EQ(volume->currentValue().toDouble(), 80);
    EXPECT_EQ(volume->maximumValue().toDouble(), 100);

    // Set as a screen reader sets them: the bar asks the player as a click does.
    QSignalSpy seeks(&bar, &ControllerBar::SeekRequested);
    QSignalSpy volumes(&bar, &ControllerBar::VolumeRequested);
    QSignalSpy presses(&bar, &ControllerBar::PlayPauseClicked);
    seek->setCurrentValue(90.0);
    ASSERT_EQ(seeks.size(), 1);
    EXPECT_EQ(seeks.at(0).at(0).toDouble(), 90);
    EXPECT_EQ(iface->child(1)->text(QAccessible::Value), "1:30 of 5:00");
    volume->setCurrentValue(140.0);
    ASSERT_EQ(volumes.size(), 1);
    EXPECT_EQ(volumes.at(0).at(0).toDouble(), 100) << "kept within 0 to 100";
    QAccessibleInterface* play = iface->child(static_cast<int>(BarPart::Play));
    ASSERT_NE(play->actionInterface(), nullptr);
    play->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(presses.size(), 1);
    bar.SetPlaying(false);
    EXPECT_EQ(play->text(QAccessible::Name), "Play");
}

struct Heard {
    QAccessible::Event type;
    int child;
};
std::vector<Heard> heard;
void Hear(QAccessibleEvent* event) { heard.push_back({event->type(), event->child()}); }

// Values are announced when the user changes them, from any road, and
// never as playback goes on.
TEST(PlayBarAccessTest, AUsersChangeIsAnnouncedPlaybackIsNot) {
    ControllerBar bar;
    bar.resize(640, 24);
    bar.show();
    bar.SetDuration(300);
    bar.SetPosition(10);
    SetBarAnnouncementSink(&Hear);
    heard.clear();
    for (int frame = 1; frame <= 50; ++frame) bar.SetPosition(10 + frame * 0.04);
    const auto valueChanges = [](int child) {
        return std::count_if(heard.begin(), heard.end(), [child](const Heard& h) {
            return h.type == QAccessible::ValueChanged && h.child == child;
        });
    };
    EXPECT_EQ(valueChanges(1), 0) << "two seconds of playback";
    bar.SetPosition(7);  // Left: five seconds back
    EXPECT_EQ(valueChanges(1), 1);
    const QRect seek = bar.ComputeLayout().seek;
    QTest::mouseClick(&bar, Qt::LeftButton, {}, seek.center());
    EXPECT_GE(valueChanges(1), 2) << "a click on the seek bar";
    bar.SetVolume(55);  // Down, or the wheel
    EXPECT_EQ(valueChanges(4), 1);
    SetBarAnnouncementSink(nullptr);
}

TEST(PlayBarColoursTest, FromThePalette) {
    const auto palette = [](QColor window, QColor text) {
        QPalette p;
        p.setColor(QPalette::Window, window);
        p.setColor(QPalette::WindowText, text);
        p.setColor(QPalette::Disabled, QPalette::WindowText, QColor(0x80, 0x80, 0x80));
        return p;
    };
    const struct {
        const char* name;
        QPalette palette;
        QPalette::ColorGroup group;
        QColor background, foreground;
    } rows[] = {
        {"Qt's default light palette: the bar's greys",
         palette(QColor(0xef, 0xef, 0xef), Qt::black), QPalette::Active, QColor(0x20, 0x20, 0x20),
         QColor(0xe0, 0xe0, 0xe0)},
        {"a dark palette", palette(QColor(0x30, 0x30, 0x30), Qt::white), QPalette::Active,
         QColor(0x4c, 0x4c, 0x4c), QColor(0xf2, 0xf2, 0xf2)},
        {"high contrast, yellow on black", palette(Qt::black, Qt::yellow), QPalette::Active,
         QColor(0x22, 0x22, 0), QColor(0xef, 0xef, 0)},
        {"disabled: its grey text", palette(QColor(0xef, 0xef, 0xef), Qt::black),
         QPalette::Disabled, QColor(0x8f, 0x8f, 0x8f), QColor(0xe8, 0xe8, 0xe8)},
    };
    for (const auto& row : rows) {
        const BarColours colours = BarColoursFrom(row.palette, row.group);
        EXPECT_EQ(colours.background.name(), row.background.name()) << row.name;
        EXPECT_EQ(colours.foreground.name(), row.foreground.name()) << row.name;
    }
}

// The application's palette changed while the bar is shown: it paints in
// the new one.
TEST(PlayBarColoursTest, FollowsTheApplicationsPalette) {
    ControllerBar bar;
    bar.resize(640, 24);
    bar.show();
    const QPalette before = QApplication::palette();
    QPalette contrast(before);
    contrast.setColor(QPalette::Window, Qt::black);
    contrast.setColor(QPalette::WindowText, Qt::yellow);
    QApplication::setPalette(contrast);
    QCoreApplication::processEvents();
    const QColor corner = bar.grab().toImage().pixelColor(1, 1);
    QApplication::setPalette(before);
    EXPECT_EQ(corner.name(), QColor(0x22, 0x22, 0).name());
}

// Open, the menu on the movie is a child of the movie area, its items named
// and checked as the menu shows them.
TEST(MovieMenuAccessTest, TheOpenMenuIsInTheTree) {
    QWidget window;
    window.resize(320, 240);
    QWidget player(&window);
    player.resize(320, 240);
    window.show();
    QtFilmServices services(&window, nullptr);
    services.SetMovieArea(&player, nullptr);
    const std::vector<MenuEntry> entries{
        {"Loop Movie", {Command::SetLoop, 1}, true, true, true, false, {}},
        {"Speed",
         {},
         true,
         false,
         false,
         false,
         {{"2x", {Command::PlayPause, 0}, true, false, false, false, {}}}},
    };
    QString menuName, firstItem, submenu;
    bool checked = false, listed = false;
    QTimer::singleShot(300, [&] {
        QMenu* menu = services.OpenMenu();
        if (menu == nullptr) return;
        QAccessibleInterface* host = QAccessible::queryAccessibleInterface(&player);
        QAccessibleInterface* found = nullptr;
        for (int i = 0; i < host->childCount(); ++i) {
            if (host->child(i)->role() == QAccessible::PopupMenu) found = host->child(i);
        }
        if (found != nullptr) {
            menuName = found->object()->objectName();
            listed = host->indexOfChild(found) >= 0;
            firstItem = found->child(0)->text(QAccessible::Name);
            checked = found->child(0)->state().checked;
            submenu = found->child(1)->text(QAccessible::Name);
        }
        menu->close();
    });
    services.PopupMenu(entries, true);
    EXPECT_EQ(menuName, "movieMenu");
    EXPECT_TRUE(listed);
    EXPECT_EQ(firstItem, "Loop Movie");
    EXPECT_TRUE(checked);
    EXPECT_EQ(submenu, "Speed");
}

}  // namespace
}  // namespace rw
