// Keys of non-Latin layouts on a real X server (this program runs under
// xvfb-run with QT_QPA_PLATFORM=xcb): what the server's keyboard says each
// key stands for, and the window's keys typed through it with xdotool.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <vector>

#include "Program.h"
#include "platform/qt/LatinKeys.h"
#include "platform/qt/QtWindow.h"

namespace rw {
namespace {

// Key codes of the X server's (evdev) keyboard.
constexpr std::uint32_t kKeyH = 43, kKeyW = 25, kKeyC = 54, kKeyY = 29, kKey1 = 10;
// Qt's keys for the Russian letters of the H, W and C keys: Р, Ц, С.
constexpr int kEr = 0x420, kTse = 0x426, kEs = 0x421;

// Runs an X tool on this program's display; whether it succeeded.
bool RunTool(const QString& program, const QStringList& args) {
    QProcess tool;
    tool.start(program, args);
    return tool.waitForFinished(20000) && tool.exitStatus() == QProcess::NormalExit &&
           tool.exitCode() == 0;
}

// The keys whose presses and releases reach the window's own controls.
struct KeySpy final : QObject {
    QList<int> presses, releases;
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() != QEvent::KeyPress && e->type() != QEvent::KeyRelease) return false;
        const auto* key = static_cast<QKeyEvent*>(e);
        if (!key->isAutoRepeat())
            (e->type() == QEvent::KeyPress ? presses : releases) << key->key();
        return false;
    }
    void Watch(QWidget* window) {
        window->installEventFilter(this);
        for (QWidget* w : window->findChildren<QWidget*>()) w->installEventFilter(this);
    }
};

class X11KeysTest : public ::testing::Test {
  protected:
    void SetUp() override {
        if (QGuiApplication::platformName() != QLatin1String("xcb"))
            GTEST_SKIP() << "needs an X server: run under xvfb-run with QT_QPA_PLATFORM=xcb";
    }
    void TearDown() override { RunTool("setxkbmap", {"-layout", "us"}); }
};

TEST_F(X11KeysTest, TheServersLayoutsNameTheLatinLetterOfEachKey) {
    struct Case {
        const char* layouts;
        std::uint32_t keycode;
        std::uint32_t latin;
    };
    const std::vector<Case> cases = {
        {"ru,us", kKeyH, 'h'}, {"ru,us", kKeyW, 'w'}, {"ru,us", kKeyC, 'c'},
        {"us,ru", kKeyH, 'h'}, {"gr,us", kKeyH, 'h'},  // Greek: the H key gives η
        {"ru", kKeyH, 0},                              // no Latin layout at all
        {"ru,de", kKeyY, 'z'},                         // German has Z where US has Y
        {"ru,us", kKey1, '1'}, {"ru,us", 300, 0},      // no such key
    };
    for (const Case& row : cases) {
        SCOPED_TRACE(std::string(row.layouts) + " key " + std::to_string(row.keycode));
        // Asked afresh each time: the change of layouts counts at once.
        ASSERT_TRUE(RunTool("setxkbmap", {"-layout", row.layouts}));
        EXPECT_EQ(LatinKeysymOnX(row.keycode, false), row.latin);
    }
}

TEST_F(X11KeysTest, KeysTypedOnARussianLayoutActAsTheirLatinLetters) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString startFolder = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(dir.path()));
    ASSERT_TRUE(QFile(dir.filePath("a.mov")).open(QIODevice::WriteOnly));
    {
        Program p("", dir.filePath("settings.ini").toStdString());
        p.Start();
        p.Window().activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&p.Window()));
        ASSERT_TRUE(RunTool("setxkbmap", {"-layout", "ru,us"}));
        KeySpy spy;
        spy.Watch(&p.Window());
        // Keys named by their Russian letters: asked for "h", xdotool would
        // switch to the Latin layout for the stroke. Ctrl comes up first.
        ASSERT_TRUE(RunTool("xdotool", {"key", "ctrl+Cyrillic_er"}));
        ASSERT_TRUE(QTest::qWaitFor([&] { return p.Window().FilesVisible(); }, 10000))
            << "Ctrl+Р (the H key) did not show the list";
        ASSERT_TRUE(QTest::qWaitFor([&] { return !p.Window().FilesList()->Reading(); }, 20000));
        ASSERT_EQ(QApplication::focusWidget(), p.Window().FilesList());
        EXPECT_TRUE(spy.presses.contains(Qt::Key_H)) << "Qt reads Ctrl+Р as Ctrl+H";
        EXPECT_FALSE(spy.releases.contains(kEr) || spy.releases.contains(Qt::Key_H));

        // Ц, the W key, is swallowed; a plain Р is not the window's and
        // reaches the list (and tells that the keys before it have arrived).
        spy.presses.clear();
        spy.releases.clear();
        ASSERT_TRUE(RunTool("xdotool", {"key", "--delay", "50", "Cyrillic_tse", "Cyrillic_er"}));
        ASSERT_TRUE(QTest::qWaitFor([&] { return spy.releases.contains(kEr); }, 10000));
        EXPECT_TRUE(spy.presses.contains(kTse));
        EXPECT_FALSE(spy.releases.contains(kTse)) << "the release of Ц reached the list";
        EXPECT_TRUE(p.Window().FilesVisible());

        // Ctrl+С: Show Controls once, through the menu shortcut; the release,
        // Ctrl already up, is the window's alone.
        const bool controls = p.Window().Checked(Menu::MovieControls);
        spy.releases.clear();
        ASSERT_TRUE(
            RunTool("xdotool", {"key", "--delay", "50", "ctrl+Cyrillic_es", "Cyrillic_er"}));
        ASSERT_TRUE(QTest::qWaitFor([&] { return spy.releases.contains(kEr); }, 10000));
        EXPECT_NE(p.Window().Checked(Menu::MovieControls), controls);
        EXPECT_FALSE(spy.releases.contains(kEs) || spy.releases.contains(Qt::Key_C))
            << "the release of Ctrl+С reached the list";
        p.Window().close();
    }
    QDir::setCurrent(startFolder);
}

}  // namespace
}  // namespace rw
