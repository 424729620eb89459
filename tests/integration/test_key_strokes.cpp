// The window's own keys as hands press them: the order in which a stroke's
// keys come up, strokes begun elsewhere, and keys of a non-Latin layout.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QKeyEvent>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>
#include <map>
#include <string>
#include <vector>

#include "Program.h"
#include "platform/qt/LatinKeys.h"
#include "platform/qt/QtWindow.h"

namespace rw {
namespace {

constexpr auto kNone = Qt::NoModifier;
constexpr auto kCtrl = Qt::ControlModifier;
constexpr auto kShift = Qt::ShiftModifier;

// One key going down or up, as the platform reports it: the modifiers are
// those held as the event happens.
struct KeyEvent {
    bool press;
    int key;
    Qt::KeyboardModifiers mods;
    bool repeat = false;     // auto-repeat while held
    bool elsewhere = false;  // to another window of the program
};

KeyEvent Down(int key, Qt::KeyboardModifiers mods = kNone) { return {true, key, mods}; }
KeyEvent Up(int key, Qt::KeyboardModifiers mods = kNone) { return {false, key, mods}; }

struct StrokeCase {
    const char* name;
    std::vector<KeyEvent> events;
    bool listToggles;      // the folder list shown or hidden once
    bool controlsToggles;  // Show Controls switched once
    bool passedOn;         // the letter's release reaches the window's controls
};

// Records the key releases that reach a widget's own handling; not the
// auto-repeat ones, which always pass.
struct ReleaseSpy final : QObject {
    QList<int> keys;
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::KeyRelease && !static_cast<QKeyEvent*>(e)->isAutoRepeat())
            keys << static_cast<QKeyEvent*>(e)->key();
        return false;
    }
    // On the window and every control in it.
    void Watch(QWidget* window) {
        window->installEventFilter(this);
        for (QWidget* w : window->findChildren<QWidget*>()) w->installEventFilter(this);
    }
};

class KeyStrokesTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        ASSERT_TRUE(QDir::setCurrent(dir.path()));  // the folder the list shows
        ini = dir.filePath("settings.ini").toStdString();
    }
    void TearDown() override { QDir::setCurrent(startFolder); }

    void Start(Program& p) {
        p.Start();
        p.Window().activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&p.Window()));
    }

    // Lets the list finish reading its folder before the program goes.
    static void Settle(Program& p) {
        ASSERT_TRUE(QTest::qWaitFor([&] { return !p.Window().FilesList()->Reading(); }, 20000));
    }

    QTemporaryDir dir;
    const QString startFolder = QDir::currentPath();
    std::string ini;
};

TEST_F(KeyStrokesTest, ModifiersAreThoseHeldWhenTheKeyWentDown) {
    const Qt::Key h = Qt::Key_H, c = Qt::Key_C, ctrl = Qt::Key_Control, shift = Qt::Key_Shift;
    KeyEvent autoUp = Up(h, kCtrl), autoDown = Down(h, kCtrl);
    autoUp.repeat = autoDown.repeat = true;
    KeyEvent hElsewhere = Down(h, kCtrl);
    hElsewhere.elsewhere = true;
    const std::vector<StrokeCase> cases = {
        {"Ctrl+H, Ctrl up first",
         {Down(ctrl), Down(h, kCtrl), Up(ctrl), Up(h)},
         true,
         false,
         false},
        {"Ctrl+H, H up first",
         {Down(ctrl), Down(h, kCtrl), Up(h, kCtrl), Up(ctrl)},
         true,
         false,
         false},
        {"Ctrl+H held, auto-repeat, Ctrl up first",
         {Down(ctrl), Down(h, kCtrl), autoUp, autoDown, autoUp, autoDown, Up(ctrl), Up(h)},
         true,
         false,
         false},
        {"Ctrl+Shift+H, all up in press order",
         {Down(ctrl), Down(shift, kCtrl), Down(h, kCtrl | kShift), Up(ctrl, kShift), Up(shift),
          Up(h)},
         false,
         false,
         true},
        {"Ctrl+Shift+H, Shift up before H: Ctrl alone at the release",
         {Down(ctrl), Down(shift, kCtrl), Down(h, kCtrl | kShift), Up(shift, kCtrl), Up(h, kCtrl),
          Up(ctrl)},
         false,
         false,
         true},
        {"plain H", {Down(h), Up(h)}, false, false, true},
        {"H down, then Ctrl: Ctrl only at the release",
         {Down(h), Down(ctrl, kNone), Up(h, kCtrl), Up(ctrl)},
         false,
         false,
         true},
        // The shortcut takes the press; its release is the window's alone.
        {"Ctrl+C, Ctrl up first",
         {Down(ctrl), Down(c, kCtrl), Up(ctrl), Up(c)},
         false,
         true,
         false},
        {"Ctrl+C, C up first",
         {Down(ctrl), Down(c, kCtrl), Up(c, kCtrl), Up(ctrl)},
         false,
         true,
         false},
        {"release of Ctrl+H whose press never came",
         {Down(ctrl), Up(h, kCtrl), Up(ctrl)},
         false,
         false,
         true},
        {"Ctrl+H pressed in another window, released here",
         {Down(ctrl), hElsewhere, Up(h, kCtrl), Up(ctrl)},
         false,
         false,
         true},
    };

    Program p("", ini);
    Start(p);
    QWidget other;  // another top-level window of the program
    other.resize(50, 50);
    other.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&other));
    // Active, the window's menu shortcuts take their presses (Ctrl+C).
    p.Window().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&p.Window()));
    QWindow* ours = p.Window().windowHandle();
    for (const StrokeCase& row : cases) {
        SCOPED_TRACE(row.name);
        const bool listBefore = p.Window().FilesVisible();
        const bool controlsBefore = p.Window().Checked(Menu::MovieControls);
        ReleaseSpy spy;
        spy.Watch(&p.Window());
        for (const KeyEvent& e : row.events) {
            QTest::simulateEvent(e.elsewhere ? other.windowHandle() : ours, e.press, e.key, e.mods,
                                 QString(), e.repeat);
        }
        EXPECT_EQ(p.Window().FilesVisible() != listBefore, row.listToggles);
        EXPECT_EQ(p.Window().Checked(Menu::MovieControls) != controlsBefore, row.controlsToggles);
        EXPECT_EQ(spy.keys.contains(Qt::Key_H) || spy.keys.contains(Qt::Key_C), row.passedOn)
            << spy.keys.size();
        Settle(p);
    }
    p.Window().close();
}

// A key of a non-Latin layout as the X platform reports it: the X key code
// stays; the Qt key is the Latin letter only while Ctrl is held (Qt does that
// much itself), else the layout's own upper-case letter.
struct NativeKey {
    bool press;
    int key;
    Qt::KeyboardModifiers mods;
    quint32 scanCode;
};

// Russian layout: the keys of Latin H, W and C give Р, Ц and С.
constexpr quint32 kKeyH = 43, kKeyW = 25, kKeyC = 54;
constexpr int kEr = 0x420, kTse = 0x426, kEs = 0x421;

// Where key events of the window go: the focused control, else the window.
QWidget* FocusOf(Program& p) {
    QWidget* focus = QApplication::focusWidget();
    return focus != nullptr && focus->window() == &p.Window() ? focus : &p.Window();
}

void Send(QWidget* to, const NativeKey& k) {
    QKeyEvent event(k.press ? QEvent::KeyPress : QEvent::KeyRelease, k.key, k.mods, k.scanCode, 0,
                    0);
    QApplication::sendEvent(to, &event);
}

TEST_F(KeyStrokesTest, KeysOfANonLatinLayoutFollowTheirLatinLetter) {
    struct Case {
        const char* name;
        std::vector<NativeKey> keys;
        bool listToggles;
        bool passedOn;  // the letter's release reaches the window's controls
    };
    const std::vector<Case> cases = {
        {"Ctrl+Р, Ctrl up first",
         {{true, Qt::Key_H, kCtrl, kKeyH}, {false, kEr, kNone, kKeyH}},
         true,
         false},
        {"Ctrl+Р, Р up first",
         {{true, Qt::Key_H, kCtrl, kKeyH}, {false, Qt::Key_H, kCtrl, kKeyH}},
         true,
         false},
        {"Ctrl+Shift+Р",
         {{true, Qt::Key_H, kCtrl | kShift, kKeyH}, {false, kEr, kNone, kKeyH}},
         false,
         true},
        {"plain Р", {{true, kEr, kNone, kKeyH}, {false, kEr, kNone, kKeyH}}, false, true},
        {"plain Ц: the W key, swallowed",
         {{true, kTse, kNone, kKeyW}, {false, kTse, kNone, kKeyW}},
         false,
         false},
        {"Shift+Ц, swallowed",
         {{true, kTse, kShift, kKeyW}, {false, kTse, kShift, kKeyW}},
         false,
         false},
    };

    for (const std::string& mode : {std::string("list hidden"), std::string("list shown")}) {
        Program p("", ini);
        Start(p);
        const std::map<quint32, std::uint32_t> latin = {{kKeyH, 'h'}, {kKeyW, 'w'}, {kKeyC, 'c'}};
        p.Window().Keys().SetLatinLookup([latin](std::uint32_t code, bool) {
            const auto it = latin.find(code);
            return it != latin.end() ? it->second : 0;
        });
        if (mode == "list shown") {
            p.Window().MenuAction(Menu::FileList)->trigger();
            ASSERT_TRUE(p.Window().FilesVisible());
            ASSERT_EQ(QApplication::focusWidget(), p.Window().FilesList());
            Settle(p);
        }
        for (const Case& row : cases) {
            SCOPED_TRACE(mode + ": " + row.name);
            const bool listBefore = p.Window().FilesVisible();
            QWidget* focus = FocusOf(p);
            ReleaseSpy spy;
            spy.Watch(&p.Window());
            for (const NativeKey& k : row.keys) Send(focus, k);
            EXPECT_EQ(p.Window().FilesVisible() != listBefore, row.listToggles);
            EXPECT_EQ(!spy.keys.isEmpty(), row.passedOn) << spy.keys.size();
            // Put the list back for the next row, and to where the mode wants it.
            p.Window().SetFilesVisible(mode == "list shown");
            if (mode == "list shown") p.Window().FocusFiles();
            Settle(p);
        }

        // Ctrl+С: Qt's shortcut map takes the press as Ctrl+C and runs Show
        // Controls; the release, Ctrl already up, reads as С. It is the same
        // stroke: no second toggle, and nothing for the control that never
        // saw the press.
        const bool controls = p.Window().Checked(Menu::MovieControls);
        QWidget* focus = FocusOf(p);
        QWindow* window = p.Window().windowHandle();
        QTest::simulateEvent(window, true, Qt::Key_Control, kNone, QString(), false);
        QTest::simulateEvent(window, true, Qt::Key_C, kCtrl, QString(), false);
        EXPECT_NE(p.Window().Checked(Menu::MovieControls), controls) << mode;
        QTest::simulateEvent(window, false, Qt::Key_Control, kNone, QString(), false);
        ReleaseSpy spy;
        spy.Watch(&p.Window());
        Send(focus, {false, kEs, kNone, kKeyC});
        EXPECT_NE(p.Window().Checked(Menu::MovieControls), controls) << mode;
        EXPECT_TRUE(spy.keys.isEmpty()) << mode;
        p.Window().close();
    }
}

// The symbols of one key on each layout group, without Shift.
using Groups = std::vector<std::uint32_t>;

TEST(LatinKeysTest, TheFirstLayoutWithALatinSymbolNamesTheKey) {
    constexpr std::uint32_t er = 0x6d2, tse = 0x6c3, greekRho = 0x7f1;
    struct Case {
        const char* name;
        std::vector<Groups> keys;  // from key code 8 on
        std::uint32_t keycode;
        std::uint32_t latin;
    };
    const std::vector<Case> cases = {
        {"Russian first, Latin second", {{er, 'h'}}, 8, 'h'},
        {"Latin first, Russian second", {{'h', er}}, 8, 'h'},
        {"Russian alone: no Latin letter", {{er}}, 8, 0},
        {"two non-Latin layouts before the Latin one", {{greekRho, er, 'h'}}, 8, 'h'},
        {"the first of two Latin layouts", {{er, 'x', 'h'}}, 8, 'x'},
        {"no symbol on the first group", {{0, 'h'}}, 8, 'h'},
        {"a key without symbols", {{}}, 8, 0},
        {"a key code below the keyboard's", {{'h'}}, 7, 0},
        {"a key code above the keyboard's", {{'h'}}, 9, 0},
        {"a digit", {{'1', '1'}}, 8, '1'},
        // The second key's Latin layout says Q, but the first layout already
        // has Q on the first key: the letter is that key's.
        {"a letter an earlier layout puts on another key", {{'q', tse}, {tse, 'q'}}, 9, 0},
        {"the same letter, on the key that has it first", {{'q', tse}, {tse, 'q'}}, 8, 'q'},
    };
    for (const Case& row : cases) {
        SCOPED_TRACE(row.name);
        const KeyboardGroups keyboard{8, row.keys};
        EXPECT_EQ(LatinKeysymOf(keyboard, row.keycode), row.latin);
    }
    // By its place, a key is what the first layout of Latin letters has
    // there: a Russian layout types a period on the slash key.
    const KeyboardGroups russian{8, {{'.', '/'}, {0x6c0 /* ю */, '.'}, {er, 'h'}}};
    EXPECT_EQ(LatinKeysymOf(russian, 9), 0u);
    EXPECT_EQ(LatinKeysymOf(russian, 9, true), std::uint32_t{'.'});
    EXPECT_EQ(LatinKeysymOf(russian, 8, true), std::uint32_t{'/'});
    EXPECT_EQ(LatinKeysymOf(russian, 10, true), std::uint32_t{'h'});
    EXPECT_EQ(LatinKeysymOf(KeyboardGroups{8, {{er}}}, 8, true), 0u);
    EXPECT_EQ(LatinKeysymOf(KeyboardGroups{}, 8), 0u);
}

TEST(LatinKeysTest, WithoutAnXServerThereIsNoLayoutToAsk) {
    if (QGuiApplication::platformName() == QLatin1String("xcb")) GTEST_SKIP() << "on X";
    EXPECT_TRUE(CurrentKeyboardGroups().keys.empty());
    EXPECT_EQ(LatinKeysymOnX(43, true), 0u);
}

}  // namespace
}  // namespace rw
