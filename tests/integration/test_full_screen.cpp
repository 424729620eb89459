// Full screen on real Qt and libmpv: the player's bar and pointer that go
// after two seconds of stillness, the window over the whole screen that
// reports the window it was, and the program's roads in and out (a double
// click on the movie, F11, Escape, closing).

#include <gtest/gtest.h>

#include <QMenuBar>
#include <QScreen>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>
#include <memory>

#include "Program.h"
#include "TestSupport.h"
#include "platform/mpv/MpvPlayer.h"
#include "platform/qt/QtWindow.h"
#include "platform/widgets/ControllerBar.h"

namespace rw {
namespace {

// Past the two seconds of stillness, with room for a busy machine.
constexpr int kPastIdleMs = 6000;

// A red 4:3 clip, made once for the whole test program.
const std::string& RedClip() {
    static QTemporaryDir dir;
    static const std::string path =
        test::MakeClip(dir, QStringLiteral("red.mp4"), QStringLiteral("color=c=red:s=320x240:d=4"));
    return path;
}

QImage Logo() {
    QImage logo(64, 48, QImage::Format_RGB32);
    logo.fill(QColor(0, 200, 0));
    return logo;
}

// ---- The player: its bar and the pointer -----------------------------------

class FullScreenPlayerTest : public testing::Test {
  protected:
    void SetUp() override {
        if (RedClip().empty()) GTEST_SKIP() << "ffmpeg is needed to make the test clip";
        player_ = std::make_unique<MpvPlayer>(Logo());
        ASSERT_TRUE(player_->IsAvailable());
        player_->resize(640, 480);
        player_->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(player_.get()));
        player_->Load(RedClip());
        ASSERT_TRUE(QTest::qWaitFor([&] { return player_->DrawnArea().has_value(); }, 10000));
        player_->SetController(1);
        bar_ = player_->findChild<ControllerBar*>();
        ASSERT_NE(bar_, nullptr);
    }

    // A real move of the pointer, as the window system reports it.
    void MoveTo(QPoint at) { QTest::mouseMove(player_.get(), at); }
    bool PointerHidden() const { return player_->cursor().shape() == Qt::BlankCursor; }
    bool BarShown() const { return bar_->isVisible(); }
    // Where the bar goes in full screen: the player's whole width, at its
    // bottom.
    QRect BottomRow() const {
        return QRect(0, player_->height() - bar_->height(), player_->width(), bar_->height());
    }

    std::unique_ptr<MpvPlayer> player_;
    ControllerBar* bar_ = nullptr;
};

TEST_F(FullScreenPlayerTest, OutsideFullScreenTheBarAndThePointerStay) {
    ASSERT_TRUE(BarShown());
    const QRect below = bar_->geometry();
    EXPECT_EQ(below.top(), 240) << "directly below the movie's natural 320x240";
    EXPECT_EQ(below.width(), 320);
    EXPECT_FALSE(player_->hasMouseTracking());
    MoveTo({100, 100});
    MoveTo({120, 110});
    QTest::qWait(2600);
    EXPECT_TRUE(BarShown());
    EXPECT_FALSE(PointerHidden());
    EXPECT_EQ(bar_->geometry(), below);
}

TEST_F(FullScreenPlayerTest, InFullScreenTheBarRunsAlongTheBottomAndGoesWithThePointer) {
    player_->SetFullScreenMode(true);
    EXPECT_TRUE(player_->FullScreenMode());
    EXPECT_TRUE(BarShown()) << "shown at first, until the pointer has been still";
    EXPECT_EQ(bar_->geometry(), BottomRow());

    MoveTo({100, 100});
    QTest::qWait(800);
    EXPECT_TRUE(BarShown()) << "the pointer moved less than two seconds ago";
    EXPECT_FALSE(PointerHidden());
    EXPECT_TRUE(QTest::qWaitFor([&] { return !BarShown() && PointerHidden(); }, kPastIdleMs));

    // A move brings both back at once, the bar where it was.
    MoveTo({300, 200});
    EXPECT_TRUE(BarShown());
    EXPECT_FALSE(PointerHidden());
    EXPECT_EQ(bar_->geometry(), BottomRow());
    // And they go again after the next stillness.
    EXPECT_TRUE(QTest::qWaitFor([&] { return !BarShown() && PointerHidden(); }, kPastIdleMs));
}

TEST_F(FullScreenPlayerTest, WithShowControlsOffOnlyThePointerComesAndGoes) {
    player_->SetController(0);
    player_->SetFullScreenMode(true);
    MoveTo({100, 100});
    EXPECT_FALSE(BarShown());
    EXPECT_FALSE(PointerHidden());
    EXPECT_TRUE(QTest::qWaitFor([&] { return PointerHidden(); }, kPastIdleMs));
    MoveTo({200, 150});
    EXPECT_FALSE(PointerHidden());
    EXPECT_FALSE(BarShown());
}

TEST_F(FullScreenPlayerTest, APointerRestingOnTheBarKeepsIt) {
    player_->SetFullScreenMode(true);
    MoveTo(bar_->geometry().center());
    QTest::qWait(2600);
    EXPECT_TRUE(BarShown());
    EXPECT_FALSE(PointerHidden());
    MoveTo({320, 100});  // back over the movie
    EXPECT_TRUE(QTest::qWaitFor([&] { return !BarShown() && PointerHidden(); }, kPastIdleMs));
}

TEST_F(FullScreenPlayerTest, LeavingFullScreenBringsBackTheBarAndThePointerForGood) {
    player_->SetFullScreenMode(true);
    MoveTo({100, 100});
    ASSERT_TRUE(QTest::qWaitFor([&] { return !BarShown() && PointerHidden(); }, kPastIdleMs));
    player_->SetFullScreenMode(false);
    EXPECT_FALSE(player_->FullScreenMode());
    EXPECT_TRUE(BarShown());
    EXPECT_FALSE(PointerHidden());
    EXPECT_FALSE(player_->hasMouseTracking());
    EXPECT_EQ(bar_->geometry().top(), 240) << "below the movie again";
    MoveTo({150, 120});
    QTest::qWait(2600);
    EXPECT_TRUE(BarShown());
    EXPECT_FALSE(PointerHidden());
}

TEST_F(FullScreenPlayerTest, DoubleClicksOnTheMovieAreReportedInAndOutOfFullScreen) {
    struct Click {
        const char* name;
        bool fullScreen;
        Qt::MouseButton button;
        bool onBar;
        QPoint at;
        int reported;
    };
    const Click clicks[] = {
        {"on the picture", false, Qt::LeftButton, false, {160, 120}, 1},
        {"beside it, on the black", false, Qt::LeftButton, false, {500, 100}, 1},
        {"right button", false, Qt::RightButton, false, {160, 120}, 0},
        {"on the bar", false, Qt::LeftButton, true, {}, 0},
        {"full screen, on the picture", true, Qt::LeftButton, false, {160, 120}, 1},
        {"full screen, on the bar", true, Qt::LeftButton, true, {}, 0},
    };
    for (const auto& c : clicks) {
        player_->SetFullScreenMode(c.fullScreen);
        QSignalSpy spy(player_.get(), &MpvPlayer::MovieDoubleClicked);
        QWidget* target = c.onBar ? static_cast<QWidget*>(bar_) : player_.get();
        // The bar's own double click lands on it away from its buttons.
        const QPoint at = c.onBar ? QPoint(bar_->width() / 2, bar_->height() / 2) : c.at;
        QTest::mouseDClick(target, c.button, {}, at);
        QTest::mouseRelease(target, c.button, {}, at);
        EXPECT_EQ(spy.count(), c.reported) << c.name;
    }
}

// ---- The window ---------------------------------------------------------------

struct MenuEvents final : IFormEvents {
    std::vector<Menu> menus;
    void OnResize() override {}
    void OnUnload() override {}
    void OnMenu(Menu item) override { menus.push_back(item); }
    void OnKeyUp(std::int16_t&, std::int16_t) override {}
    void OnDrop(DropTarget, const std::vector<std::string>&) override {}
    void OnFilesDblClick() override {}
    void OnFilesKeyDown(std::int16_t&, std::int16_t) override {}
};

bool SamePlace(const RectTwips& a, const RectTwips& b) {
    return a.left == b.left && a.top == b.top && a.width == b.width && a.height == b.height;
}

class FullScreenWindowTest : public testing::Test {
  protected:
    void SetUp() override {
        window_ = std::make_unique<QtWindow>(new QWidget);
        window_->SetEvents(&events_);
        window_->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window_.get()));
        // 100, 80, 400 by 300 pixels, frame included.
        window_->MoveWindow(1500, 1200, 6000, 4500);
        ASSERT_TRUE(QTest::qWaitFor([&] { return window_->frameGeometry().width() == 400; }));
        screen_ = window_->screen()->geometry();
    }
    void TearDown() override {
        if (window_) window_->SetEvents(nullptr);
    }

    bool CoversTheScreen() {
        return window_->ClientWidth() == screen_.width() * window_->TwipsPerPixelX() &&
               window_->ClientHeight() == screen_.height() * window_->TwipsPerPixelY();
    }

    MenuEvents events_;
    std::unique_ptr<QtWindow> window_;
    QRect screen_;
};

TEST_F(FullScreenWindowTest, CoversTheScreenAndReportsTheWindowItWas) {
    const RectTwips before = window_->Placement();
    const QRect inside = window_->geometry();
    QSignalSpy spy(window_.get(), &QtWindow::FullScreenChanged);

    window_->SetFullScreen(true);
    EXPECT_TRUE(window_->FullScreen());
    EXPECT_TRUE(QTest::qWaitFor([&] { return CoversTheScreen(); }))
        << window_->ClientWidth() << "x" << window_->ClientHeight();
    EXPECT_FALSE(window_->menuBar()->isVisible());
    // Not a state of its own, nor a placement to keep.
    EXPECT_EQ(window_->State(), WindowState::Normal);
    EXPECT_TRUE(SamePlace(window_->Placement(), before));
    ASSERT_EQ(spy.count(), 1);
    EXPECT_TRUE(spy.at(0).at(0).toBool());
    // Asked again: nothing changes.
    window_->SetFullScreen(true);
    EXPECT_EQ(spy.count(), 1);

    window_->SetFullScreen(false);
    EXPECT_FALSE(window_->FullScreen());
    EXPECT_TRUE(QTest::qWaitFor([&] { return window_->geometry() == inside; }))
        << window_->geometry().x() << "," << window_->geometry().y();
    EXPECT_TRUE(window_->menuBar()->isVisible());
    EXPECT_TRUE(QTest::qWaitFor([&] { return SamePlace(window_->Placement(), before); }))
        << "the frame comes back with the window";
    ASSERT_EQ(spy.count(), 2);
    EXPECT_FALSE(spy.at(1).at(0).toBool());
}

TEST_F(FullScreenWindowTest, AMaximizedWindowStaysMaximizedUnderneath) {
    window_->SetState(WindowState::Maximized);
    ASSERT_TRUE(QTest::qWaitFor([&] { return window_->isMaximized(); }));
    window_->SetFullScreen(true);
    EXPECT_TRUE(QTest::qWaitFor([&] { return CoversTheScreen(); }));
    EXPECT_EQ(window_->State(), WindowState::Maximized);
    window_->SetFullScreen(false);
    EXPECT_EQ(window_->State(), WindowState::Maximized);
    EXPECT_TRUE(window_->isMaximized());
    EXPECT_FALSE(window_->FullScreen());
    EXPECT_TRUE(window_->menuBar()->isVisible());
}

// The window manager (a key of its own, a pager) takes the window out of full
// screen: the window follows, menu bar and all.
TEST_F(FullScreenWindowTest, FollowsTheWindowManagerOutOfFullScreen) {
    window_->SetFullScreen(true);
    ASSERT_TRUE(QTest::qWaitFor([&] { return CoversTheScreen(); }));
    QSignalSpy spy(window_.get(), &QtWindow::FullScreenChanged);
    window_->windowHandle()->setWindowStates(Qt::WindowNoState);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !window_->FullScreen(); }));
    EXPECT_TRUE(window_->menuBar()->isVisible());
    ASSERT_EQ(spy.count(), 1);
    EXPECT_FALSE(spy.at(0).at(0).toBool());
}

// With the menu bar hidden its shortcuts still run their items, once each.
TEST_F(FullScreenWindowTest, MenuShortcutsWorkWhileTheMenuBarIsHidden) {
    window_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
    QWindow* keys = window_->windowHandle();
    window_->SetFullScreen(true);
    ASSERT_FALSE(window_->menuBar()->isVisible());
    QTest::keyClick(keys, Qt::Key_T, Qt::ControlModifier);
    QTest::keyClick(keys, Qt::Key_W, Qt::ControlModifier);
    QTest::keyClick(keys, Qt::Key_F5);
    EXPECT_EQ(events_.menus,
              (std::vector<Menu>{Menu::MovieOnTop, Menu::MovieSize, Menu::MoviePlay}));
    window_->SetFullScreen(false);
    events_.menus.clear();
    QTest::keyClick(keys, Qt::Key_T, Qt::ControlModifier);
    EXPECT_EQ(events_.menus, std::vector<Menu>{Menu::MovieOnTop});
}

// ---- The program ----------------------------------------------------------------

class FullScreenProgramTest : public testing::Test {
  protected:
    void SetUp() override {
        if (RedClip().empty()) GTEST_SKIP() << "ffmpeg is needed to make the test clip";
        ASSERT_TRUE(dir_.isValid());
        ini_ = dir_.filePath(QStringLiteral("settings.ini")).toStdString();
    }

    std::unique_ptr<Program> Start() {
        auto p = std::make_unique<Program>(RedClip(), ini_);
        p->Start();
        EXPECT_TRUE(QTest::qWaitFor([&] { return p->Player().Reference() == RedClip(); }, 10000));
        p->Window().activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&p->Window()));
        return p;
    }
    static bool CoversTheScreen(Program& p) {
        const QRect screen = p.Window().screen()->geometry();
        return p.Window().FullScreen() && p.Player().size() == screen.size();
    }

    QTemporaryDir dir_;
    std::string ini_;
};

TEST_F(FullScreenProgramTest, DoubleClickF11AndEscapeGoInAndOut) {
    auto p = Start();
    QWindow* keys = p->Window().windowHandle();
    const QRect inside = p->Window().geometry();
    ASSERT_TRUE(p->Player().DrawnArea().has_value());

    const QPoint centre = p->Player().rect().center();
    QTest::mouseDClick(&p->Player(), Qt::LeftButton, {}, centre);
    QTest::mouseRelease(&p->Player(), Qt::LeftButton, {}, centre);
    ASSERT_TRUE(QTest::qWaitFor([&] { return CoversTheScreen(*p); }));
    EXPECT_TRUE(p->Player().FullScreenMode());
    // The movie fills the screen's width or height, 4:3 kept, centred both
    // ways (the bar lies over it there).
    const QSize screen = p->Player().size();
    ASSERT_TRUE(QTest::qWaitFor([&] {
        const auto area = p->Player().DrawnArea();
        return area && (area->Width() == screen.width() || area->Height() == screen.height());
    }));
    const auto area = *p->Player().DrawnArea();
    EXPECT_NEAR(double(area.Width()) / area.Height(), 4.0 / 3, 0.01);
    EXPECT_LE(std::abs(area.left - (screen.width() - area.right)), 1);
    EXPECT_LE(std::abs(area.top - (screen.height() - area.bottom)), 1);

    QTest::keyClick(keys, Qt::Key_F11);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !p->Window().FullScreen(); }));
    EXPECT_FALSE(p->Player().FullScreenMode());
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return p->Window().geometry().topLeft() == inside.topLeft(); }));

    QTest::keyClick(keys, Qt::Key_F11);
    ASSERT_TRUE(QTest::qWaitFor([&] { return CoversTheScreen(*p); }));
    ASSERT_TRUE(QTest::qWaitFor([&] { return !p->Player().IsPaused(); }));
    QTest::keyClick(keys, Qt::Key_Escape);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !p->Window().FullScreen(); }));
    EXPECT_TRUE(QTest::qWaitFor([&] { return p->Player().IsPaused(); })) << "Escape still pauses";

    // A double click in a window goes to full screen, and one there leaves it.
    QTest::mouseDClick(&p->Player(), Qt::LeftButton, {}, centre);
    QTest::mouseRelease(&p->Player(), Qt::LeftButton, {}, centre);
    ASSERT_TRUE(QTest::qWaitFor([&] { return CoversTheScreen(*p); }));
    const QPoint middle = p->Player().rect().center();
    QTest::mouseDClick(&p->Player(), Qt::LeftButton, {}, middle);
    QTest::mouseRelease(&p->Player(), Qt::LeftButton, {}, middle);
    EXPECT_TRUE(QTest::qWaitFor([&] { return !p->Window().FullScreen(); }));
    p->Window().close();
}

TEST_F(FullScreenProgramTest, ClosingInFullScreenStoresTheWindowItWas) {
    RectTwips before;
    {
        auto p = Start();
        p->Window().MoveWindow(1500, 1200, 7500, 6000);
        ASSERT_TRUE(QTest::qWaitFor([&] { return p->Window().frameGeometry().width() == 500; }));
        before = p->Window().Placement();
        QTest::keyClick(p->Window().windowHandle(), Qt::Key_F11);
        ASSERT_TRUE(QTest::qWaitFor([&] { return CoversTheScreen(*p); }));
        // Stay On Top goes on in full screen, and is stored with the rest.
        QTest::keyClick(p->Window().windowHandle(), Qt::Key_T, Qt::ControlModifier);
        EXPECT_TRUE(p->Window().Checked(Menu::MovieOnTop));
        EXPECT_TRUE(p->Window().FullScreen());
        p->Window().close();
    }
    QSettings s(QString::fromStdString(ini_), QSettings::IniFormat);
    EXPECT_EQ(s.value("Settings/WindowState").toString(), "0");
    EXPECT_EQ(s.value("Settings/Left").toDouble(), before.left);
    EXPECT_EQ(s.value("Settings/Top").toDouble(), before.top);
    EXPECT_EQ(s.value("Settings/Width").toDouble(), before.width);
    EXPECT_EQ(s.value("Settings/Height").toDouble(), before.height);
    EXPECT_EQ(s.value("Settings/TopMost").toString(), "True");
}

}  // namespace
}  // namespace rw
