#include <gtest/gtest.h>

#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QInputDialog>
#include <QListView>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>
#include <algorithm>
#include <cmath>

#include "platform/Step.h"
#include "platform/qt/QtDialogs.h"
#include "platform/qt/QtSettingsStore.h"
#include "platform/qt/QtWindow.h"
#include "sources/OpenDialog.h"

// Readable failure messages.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace rw {
namespace {

struct FakeEvents final : IFormEvents {
    int resizes = 0, unloads = 0, doubleClicks = 0;
    std::vector<Menu> menus;
    std::vector<std::pair<int, int>> keyUps, keyDowns;
    std::vector<std::pair<DropTarget, std::vector<std::string>>> drops;
    void OnResize() override { ++resizes; }
    void OnUnload() override { ++unloads; }
    void OnMenu(Menu item) override { menus.push_back(item); }
    void OnKeyUp(std::int16_t& code, std::int16_t shift) override {
        keyUps.emplace_back(code, shift);
        if (code == 87) code = 0;  // as the logic does: W is swallowed
    }
    void OnDrop(DropTarget t, const std::vector<std::string>& files) override {
        drops.emplace_back(t, files);
    }
    void OnFilesDblClick() override { ++doubleClicks; }
    void OnFilesKeyDown(std::int16_t& code, std::int16_t shift) override {
        keyDowns.emplace_back(code, shift);
    }
};

// Records the keys whose releases reach a widget's own handling.
struct ReleaseSpy final : QObject {
    std::vector<int> keys;
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::KeyRelease) keys.push_back(static_cast<QKeyEvent*>(e)->key());
        return false;
    }
    long Count(int key) const { return std::count(keys.begin(), keys.end(), key); }
};

class QtWindowTest : public ::testing::Test {
  protected:
    void SetUp() override { window.SetEvents(&events); }
    void TearDown() override { window.SetEvents(nullptr); }
    void ShowActive() {
        window.Show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }
    double Tpp() const { return 1440.0 / window.screen()->logicalDotsPerInchX(); }
    FakeEvents events;
    QtWindow window{new QWidget};
};

struct ItemDef {
    Menu item;
    const char* caption;
    const char* key;
    bool checkable, checked, visible;
};

TEST_F(QtWindowTest, MenuTreeHasEveryCaptionShortcutAndInitialState) {
    QStringList bar;
    for (const QAction* a : window.menuBar()->actions()) bar << a->text();
    ASSERT_EQ(bar, (QStringList{"&File", "&Movie", "&Help"}));
    std::vector<ItemDef> file = {{Menu::FileOpen, "&Open...", "Ctrl+O", false, false, true},
                                 {Menu::FileOpenURL, "Open &URL...", "Ctrl+U", false, false, true},
                                 {Menu::FileList, "&Show List", "", false, false, true},
                                 {Menu::FileSep1, "-", "", false, false, true}};
    for (int i = 0; i <= kRecentUpperBound; ++i)
        file.push_back({RecentItem(i), "", "", false, false, false});
    file.push_back({Menu::FileSep2, "-", "", false, false, false});
    file.push_back({Menu::FileExit, "E&xit", "", false, false, true});
    const std::vector<std::vector<ItemDef>> menus = {
        file,
        {{Menu::MoviePlay, "&Play", "F5", false, false, true},
         {Menu::MoviePause, "&Pause", "Ctrl+P", false, false, true},
         {Menu::MovieRewind, "&Rewind", "Ctrl+R", false, false, true},
         {Menu::MovieSep1, "-", "", false, false, true},
         {Menu::MovieControls, "Show Controls", "Ctrl+C", true, true, true},
         {Menu::MovieLoop, "Loop Movie", "", true, false, true},
         {Menu::PlayLastMovie, "Play Last Movie at Startup", "", true, false, true},
         {Menu::MovieSize, "Original Size", "Ctrl+W", true, false, true},
         {Menu::MovieSep2, "-", "", false, false, true},
         {Menu::MovieOnTop, "Stay On &Top", "Ctrl+T", true, false, true}},
        {{Menu::HelpAbout, "&About...", "", false, false, true}}};
    for (std::size_t m = 0; m < menus.size(); ++m) {
        const QList<QAction*> items = window.menuBar()->actions()[int(m)]->menu()->actions();
        ASSERT_EQ(std::size_t(items.size()), menus[m].size());
        for (std::size_t i = 0; i < menus[m].size(); ++i) {
            const ItemDef& d = menus[m][i];
            const QAction* a = items[int(i)];
            SCOPED_TRACE(d.caption);
            EXPECT_EQ(a, window.MenuAction(d.item));
            EXPECT_EQ(window.ItemCaption(d.item), d.caption);
            EXPECT_EQ(a->isSeparator(), std::string(d.caption) == "-");
            EXPECT_EQ(a->shortcut(), QKeySequence(d.key));
            EXPECT_EQ(a->isCheckable(), d.checkable);
            EXPECT_EQ(window.Checked(d.item), d.checked);
            EXPECT_EQ(window.Visible(d.item), d.visible);
            EXPECT_EQ(window.Tag(d.item), "");
        }
    }
    window.SetItemCaption(Menu::Recent0, "&1:a & b.mov");
    window.SetTag(Menu::Recent0, "/m/a & b.mov");
    window.SetVisible(Menu::FileSep2, true);
    EXPECT_EQ(window.ItemCaption(Menu::Recent0), "&1:a & b.mov");
    EXPECT_EQ(window.Tag(Menu::Recent0), "/m/a & b.mov");
    EXPECT_TRUE(window.Visible(Menu::FileSep2));
}

TEST_F(QtWindowTest, CheckMarksChangeOnlyWhenTheLogicSetsThem) {
    for (Menu item : {Menu::MovieControls, Menu::MovieLoop, Menu::PlayLastMovie, Menu::MovieSize,
                      Menu::MovieOnTop}) {
        const bool before = window.Checked(item);
        window.MenuAction(item)->trigger();
        EXPECT_EQ(window.Checked(item), before);
        ASSERT_FALSE(events.menus.empty());
        EXPECT_EQ(events.menus.back(), item);
    }
    window.SetChecked(Menu::MovieLoop, true);
    window.MenuAction(Menu::MovieLoop)->trigger();
    EXPECT_TRUE(window.Checked(Menu::MovieLoop));
    // A shortcut works with the menus closed.
    ShowActive();
    events.menus.clear();
    QTest::keyClick(window.windowHandle(), Qt::Key_O, Qt::ControlModifier);
    window.SetFilesVisible(true);
    window.FocusFiles();  // also over the list, which knows Ctrl+C itself
    QTest::keyClick(window.windowHandle(), Qt::Key_C, Qt::ControlModifier);
    QTest::keyClick(window.windowHandle(), Qt::Key_F5);
    const std::vector<Menu> want = {Menu::FileOpen, Menu::MovieControls, Menu::MoviePlay};
    EXPECT_EQ(events.menus, want);
}

TEST_F(QtWindowTest, StartsWithTheControlsInPlaceInTwips) {
    const double tpp = Tpp();
    EXPECT_DOUBLE_EQ(window.TwipsPerPixelX(), tpp);
    EXPECT_DOUBLE_EQ(window.TwipsPerPixelY(), 1440.0 / window.screen()->logicalDotsPerInchY());
    EXPECT_EQ(window.Caption(), "Ostrun's Reelwick");
    EXPECT_DOUBLE_EQ(window.ClientWidth(), 347 * tpp);  // before the first show
    EXPECT_DOUBLE_EQ(window.ClientHeight(), 284 * window.TwipsPerPixelY());
    window.Show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_DOUBLE_EQ(window.ClientWidth(), 347 * tpp);
    EXPECT_DOUBLE_EQ(window.ClientHeight(), 284 * window.TwipsPerPixelY());
    EXPECT_GE(events.resizes, 1);
    EXPECT_FALSE(window.FilesVisible());
    EXPECT_EQ(window.FilesList()->geometry(), QRect(35, 3, 178, 268));
    EXPECT_EQ(window.FilesList()->font().family(), "Verdana");
    EXPECT_FALSE(window.Player()->isVisible());
    EXPECT_EQ(window.Player()->geometry(), QRect(0, 24, 358, 174));
    EXPECT_TRUE(window.Logo()->isVisible());
    EXPECT_EQ(window.Logo()->geometry(), QRect(111, 120, 107, 104));
    EXPECT_DOUBLE_EQ(window.LogoWidth(), 107 * tpp);
    EXPECT_FALSE(window.windowIcon().isNull());
    window.MoveFiles(10 * tpp, 20 * tpp, 300 * tpp, -5 * tpp);
    EXPECT_EQ(window.FilesList()->geometry(), QRect(10, 20, 300, 0));
    window.MoveLogo(40 * tpp, 50 * tpp);
    EXPECT_EQ(window.Logo()->geometry(), QRect(40, 50, 107, 104));
    window.ShowPlayer();
    window.MovePlayer(0, 0, 200 * tpp, 100 * tpp);
    EXPECT_TRUE(window.Player()->isVisible());
    EXPECT_EQ(window.Player()->geometry(), QRect(0, 0, 200, 100));
    window.Close();
    window.Close();
    EXPECT_EQ(events.unloads, 1);
}

TEST_F(QtWindowTest, MoveWindowPlacesTheOuterFrameOrRefuses) {
    const double t = Tpp();
    EXPECT_THROW(window.MoveWindow(0, 0, 0, 300 * t), PlatformError);
    EXPECT_THROW(window.MoveWindow(0, 0, 300 * t, 32768 * t), PlatformError);
    EXPECT_THROW(window.MoveWindow(2e6 * t, 0, 300 * t, 300 * t), PlatformError);
    EXPECT_THROW(window.MoveWindow(0, std::nan(""), 300 * t, 300 * t), PlatformError);
    window.MoveWindow(100 * t, 80 * t, 400 * t, 300 * t);  // before the frame is known
    const auto same = [&](const RectTwips& r) {
        return r.left == 100 * t && r.top == 80 * t && r.width == 400 * t && r.height == 300 * t;
    };
    EXPECT_TRUE(same(window.Placement()));
    window.Show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_TRUE(QTest::qWaitFor([&] { return same(window.Placement()); }, 5000));
    window.SetOuterHeight(250 * t);
    EXPECT_TRUE(QTest::qWaitFor([&] { return window.frameGeometry().height() == 250; }, 5000));
    EXPECT_EQ(window.frameGeometry().topLeft(), QPoint(100, 80));
    window.SetState(WindowState::Maximized);
    EXPECT_EQ(window.State(), WindowState::Maximized);
    EXPECT_THROW(window.SetOuterHeight(200 * t), PlatformError);
    EXPECT_THROW(window.MoveWindow(0, 0, 300 * t, 300 * t), PlatformError);
    window.SetState(WindowState::Normal);
    EXPECT_EQ(window.State(), WindowState::Normal);
    EXPECT_TRUE(QTest::qWaitFor([&] { return window.frameGeometry().height() == 250; }, 5000));
}

TEST_F(QtWindowTest, StayOnTopKeepsTheSameNativeWindowInPlace) {
    QtWindow early(new QWidget);
    early.SetTopMost(true);  // before the first show
    early.Show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&early));
    EXPECT_TRUE(early.windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_EQ(early.winId(), early.windowHandle()->winId());  // not re-created behind Qt's back
    ShowActive();
    const WId id = window.winId();
    const QRect before = window.geometry();
    window.SetTopMost(true);
    EXPECT_TRUE(window.windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_TRUE(window.windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    window.SetTopMost(false);
    EXPECT_FALSE(window.windowHandle()->flags().testFlag(Qt::WindowStaysOnTopHint));
    QCoreApplication::processEvents();
    EXPECT_EQ(window.winId(), id);
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.geometry(), before);
}

TEST_F(QtWindowTest, KeysReachTheLogicBeforeTheFocusedList) {
    ShowActive();
    window.SetFilesVisible(true);
    window.FocusFiles();
    ASSERT_EQ(window.focusWidget(), window.FilesList());
    ReleaseSpy spy;
    window.FilesList()->installEventFilter(&spy);
    QTest::keyClick(window.windowHandle(), Qt::Key_W);  // consumed
    EXPECT_EQ(spy.Count(Qt::Key_W), 0);
    QTest::keyClick(window.windowHandle(), Qt::Key_H, Qt::ControlModifier);
    EXPECT_EQ(spy.Count(Qt::Key_H), 1);  // passed on
    QKeyEvent repeat(QEvent::KeyRelease, Qt::Key_W, Qt::NoModifier, "w", true);
    QCoreApplication::sendEvent(window.FilesList(), &repeat);
    EXPECT_EQ(spy.Count(Qt::Key_W), 1);
    QTest::keyClick(window.windowHandle(), Qt::Key_Return);
    QTest::keyClick(window.windowHandle(), Qt::Key_Enter, Qt::KeypadModifier);
    QTest::keyClick(window.windowHandle(), Qt::Key_Escape, Qt::ShiftModifier);
    QTest::keyClick(window.windowHandle(), Qt::Key_C, Qt::ShiftModifier | Qt::AltModifier);
    QTest::keyClick(window.windowHandle(), Qt::Key_7, Qt::ControlModifier);
    QTest::keyClick(window.windowHandle(), Qt::Key_F7);  // no code: not reported
    // A release whose press went elsewhere (a menu, a dialog) is not reported.
    QTest::keyRelease(window.windowHandle(), Qt::Key_Return);
    const std::vector<std::pair<int, int>> want = {{87, 0}, {72, 2}, {13, 0}, {13, 0},
                                                   {27, 1}, {67, 5}, {55, 2}};
    EXPECT_EQ(events.keyUps, want);
    events.keyUps.clear();
    window.SetEvents(nullptr);
    QTest::keyClick(window.windowHandle(), Qt::Key_W);
    EXPECT_EQ(spy.Count(Qt::Key_W), 2);  // nothing listens, nothing is consumed
    window.SetEvents(&events);
    EXPECT_TRUE(events.keyUps.empty());
    window.FilesList()->removeEventFilter(&spy);
    // Key presses on the list reach the logic before the list.
    QTest::keyPress(window.windowHandle(), Qt::Key_Return, Qt::ShiftModifier);
    QTest::keyPress(window.windowHandle(), Qt::Key_Enter, Qt::KeypadModifier);
    QTest::keyPress(window.windowHandle(), Qt::Key_Down);
    const std::vector<std::pair<int, int>> down = {{87, 0}, {72, 2}, {13, 0}, {13, 0}, {27, 1},
                                                   {67, 5}, {55, 2}, {13, 1}, {13, 0}, {40, 0}};
    EXPECT_EQ(events.keyDowns, down);  // the clicks above included
    window.SetFilesVisible(false);
    EXPECT_THROW(window.FocusFiles(), PlatformError);
}

TEST_F(QtWindowTest, AShortcutStrokeRunsItsCommandOnceAndItsReleaseGoesNowhere) {
    ShowActive();
    window.SetFilesVisible(true);
    window.FocusFiles();
    ReleaseSpy spy;
    window.FilesList()->installEventFilter(&spy);
    const auto controls = [&] {
        return std::count(events.menus.begin(), events.menus.end(), Menu::MovieControls);
    };
    QWindow* keys = window.windowHandle();
    for (int stroke = 1; stroke <= 2; ++stroke) {
        QTest::keyPress(keys, Qt::Key_C, Qt::ControlModifier);
        EXPECT_EQ(controls(), stroke);  // the menu's shortcut, on the press
        QTest::keyRelease(keys, Qt::Key_C, stroke == 1 ? Qt::ControlModifier : Qt::NoModifier);
        EXPECT_EQ(controls(), stroke);
    }
    QTest::keyClick(keys, Qt::Key_W, Qt::ControlModifier);  // Original Size, also a shortcut
    EXPECT_TRUE(events.keyUps.empty());
    EXPECT_EQ(spy.Count(Qt::Key_C) + spy.Count(Qt::Key_W), 0);
    // Strokes that no shortcut takes still reach the logic, and what it does
    // not consume reaches the list.
    QTest::keyClick(keys, Qt::Key_C);
    QTest::keyClick(keys, Qt::Key_H, Qt::ControlModifier);
    QTest::keyClick(keys, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    const std::vector<std::pair<int, int>> want = {{67, 0}, {72, 2}, {67, 3}};
    EXPECT_EQ(events.keyUps, want);
    EXPECT_EQ(spy.Count(Qt::Key_C), 2);
    EXPECT_EQ(controls(), 2);
    window.FilesList()->removeEventFilter(&spy);
}

// Drags `data` onto `target` and drops it there; whether the drag was
// taken, and as what.
Qt::DropAction Drag(QWidget* target, const QMimeData& data,
                    Qt::DropActions offered = Qt::CopyAction,
                    Qt::DropAction proposed = Qt::CopyAction) {
    QDragEnterEvent enter(QPoint(2, 2), offered, &data, Qt::LeftButton, Qt::NoModifier);
    enter.setDropAction(proposed);
    QCoreApplication::sendEvent(target, &enter);
    QDropEvent drop(QPointF(2, 2), offered, &data, Qt::LeftButton, Qt::NoModifier);
    drop.setDropAction(proposed);
    QCoreApplication::sendEvent(target, &drop);
    QCoreApplication::processEvents();
    EXPECT_EQ(enter.isAccepted(), drop.isAccepted());
    return drop.isAccepted() ? drop.dropAction() : Qt::IgnoreAction;
}

TEST_F(QtWindowTest, DropsReportTheLocalFilesInOrder) {
    QMimeData files;
    files.setUrls({QUrl::fromLocalFile("/m/first one.mov"), QUrl("https://example.com/x.mov"),
                   QUrl::fromLocalFile("/m/second.mp4"), QUrl::fromLocalFile("/m/third.avi")});
    const std::vector<std::string> paths = {"/m/first one.mov", "/m/second.mp4", "/m/third.avi"};
    EXPECT_EQ(Drag(&window, files), Qt::CopyAction);
    EXPECT_EQ(Drag(window.FilesList()->viewport(), files), Qt::CopyAction);
    EXPECT_EQ(Drag(window.Logo(), files), Qt::CopyAction);
    EXPECT_EQ(Drag(window.Player(), files), Qt::CopyAction);
    using D = DropTarget;
    const decltype(events.drops) want = {
        {D::Form, paths}, {D::Files, paths}, {D::Image1, paths}, {D::Form, paths}};
    EXPECT_EQ(events.drops, want);
    QMimeData text;
    text.setText("/m/first one.mov");
    EXPECT_EQ(Drag(&window, text), Qt::IgnoreAction);
    EXPECT_EQ(Drag(window.Logo(), text), Qt::IgnoreAction);
    EXPECT_EQ(events.drops.size(), 4u);
}

// A file manager proposes a move within one disk and deletes the file once
// the drop is done as one: a drop is only ever taken as a copy or a link.
TEST_F(QtWindowTest, ADropIsTakenAsACopyOrALinkNeverAsAMove) {
    QMimeData files;
    files.setUrls({QUrl::fromLocalFile("/m/film.mkv")});
    const struct {
        const char* name;
        Qt::DropActions offered;
        Qt::DropAction proposed, taken;
    } cases[] = {
        {"move proposed, copy offered", Qt::MoveAction | Qt::CopyAction, Qt::MoveAction,
         Qt::CopyAction},
        {"move proposed, link offered", Qt::MoveAction | Qt::LinkAction, Qt::MoveAction,
         Qt::LinkAction},
        {"all offered, link proposed", Qt::CopyAction | Qt::MoveAction | Qt::LinkAction,
         Qt::LinkAction, Qt::CopyAction},
        {"only a move offered: refused", Qt::MoveAction, Qt::MoveAction, Qt::IgnoreAction},
    };
    std::size_t opened = 0;
    for (const auto& row : cases) {
        EXPECT_EQ(Drag(window.Player(), files, row.offered, row.proposed), row.taken) << row.name;
        if (row.taken != Qt::IgnoreAction) ++opened;
        EXPECT_EQ(events.drops.size(), opened) << row.name;
    }
}

QStringList ListedNames(QtWindow& window) {
    QStringList names;
    const QAbstractItemModel* model = window.FilesList()->model();
    const QModelIndex root = window.FilesList()->rootIndex();
    for (int row = 0; row < model->rowCount(root); ++row)
        names << model->index(row, 0, root).data().toString();
    return names;
}

TEST_F(QtWindowTest, FolderListShowsMatchingFilesInNaturalOrder) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    for (const char* name : {"clip10.mov", "clip2.mov", "b.MOV", ".hidden.mov", "x.jpeg",
                             "list.m3u", "a.mp3", "notes.txt", "Z.Aiff"}) {
        QFile f(dir.filePath(name));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    }
    ASSERT_TRUE(QDir(dir.path()).mkdir("folder.mov"));
    window.Show();
    EXPECT_EQ(window.FilesListIndex(), -1);
    window.SetFilesPath(dir.path().toStdString());
    window.SetFilesVisible(true);
    EXPECT_EQ(window.FilesPath(), QDir::cleanPath(dir.path()).toStdString());
    const QStringList want = {"a.mp3", "b.MOV", "clip2.mov", "clip10.mov", "Z.Aiff"};
    (void)QTest::qWaitFor([&] { return ListedNames(window) == want; }, 10000);
    EXPECT_EQ(ListedNames(window), want);
    EXPECT_EQ(window.FilesListIndex(), -1);
    EXPECT_EQ(window.FilesFileName(), "");
    QListView* list = window.FilesList();
    const QModelIndex third = list->model()->index(2, 0, list->rootIndex());
    list->setCurrentIndex(third);
    EXPECT_EQ(window.FilesListIndex(), 2);
    EXPECT_EQ(window.FilesFileName(), "clip2.mov");
    const QPoint at = list->viewport()->mapTo(&window, list->visualRect(third).center());
    QTest::mouseDClick(window.windowHandle(), Qt::LeftButton, {}, at);  // press, release, ...
    EXPECT_EQ(events.doubleClicks, 1);
    EXPECT_THROW(window.SetFilesPath(dir.filePath("missing").toStdString()), PlatformError);
    EXPECT_EQ(window.FilesFileName(), "clip2.mov");
}

}  // namespace
}  // namespace rw
