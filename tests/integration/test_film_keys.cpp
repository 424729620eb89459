// The film's keys on the program's real window: after the menu bar's menus
// close, whichever way they close, and on a non-Latin layout.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTest>
#include <map>
#include <vector>

#include "Program.h"
#include "platform/Keys.h"
#include "platform/qt/QtWindow.h"

namespace rw {
namespace {

// One step of the hands: a key typed where the keys go now (the open menu,
// else the focused control), or the mouse on a title of the menu bar.
struct Step {
    int key = 0;  // 0: click the title `title`
    Qt::KeyboardModifiers mods = Qt::NoModifier;
    int title = 0;
};

struct Case {
    const char* name;
    std::vector<Step> steps;
    bool menuOpen;   // a menu is still open after the steps
    bool filmHears;  // the film then hears Space, M and ] (Latin or not)
};

class FilmKeysTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        ASSERT_TRUE(QDir::setCurrent(dir.path()));
    }
    void TearDown() override { QDir::setCurrent(startFolder); }

    // Where the platform delivers a key now.
    static QWindow* KeyTarget(QWidget& window) {
        if (QWidget* popup = QApplication::activePopupWidget()) return popup->windowHandle();
        return window.windowHandle();
    }

    QTemporaryDir dir;
    const QString startFolder = QDir::currentPath();
};

TEST_F(FilmKeysTest, TheFilmHasItsKeysOnceNoMenuIsOpenOnAnyLayout) {
    const std::vector<Case> cases = {
        {"nothing opened", {}, false, true},
        {"File by Alt+F, closed with Escape",
         {{Qt::Key_F, Qt::AltModifier}, {Qt::Key_Escape}},
         false,
         true},
        {"File by the mouse, closed with Escape", {{0, {}, 0}, {Qt::Key_Escape}}, false, true},
        {"Movie by Alt+M, Stay On Top chosen with T",
         {{Qt::Key_M, Qt::AltModifier}, {Qt::Key_T}},
         false,
         true},
        {"Stay On Top again, by Alt+M and Enter",
         {{Qt::Key_M, Qt::AltModifier}, {Qt::Key_Up}, {Qt::Key_Return}},
         false,
         true},
        {"File by Alt+F, then Right: Movie open",
         {{Qt::Key_F, Qt::AltModifier}, {Qt::Key_Right}},
         true,
         false},
        {"and closed with Escape", {{Qt::Key_Escape}}, false, true},
    };
    Program p("", dir.filePath("settings.ini").toStdString());
    p.Start();
    QtWindow& window = p.Window();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    // A Russian layout: Ь, Х and Space on the M, ] and Space keys.
    constexpr std::uint32_t kKeyM = 58, kKeyBracketRight = 35;
    constexpr int kSoftSign = 0x42C, kHa = 0x425;
    const std::map<std::uint32_t, std::uint32_t> latin = {{kKeyM, 'm'}, {kKeyBracketRight, ']'}};
    window.Keys().SetLatinLookup([latin](std::uint32_t code, bool) {
        const auto it = latin.find(code);
        return it != latin.end() ? it->second : 0;
    });
    // The key router's presses, heard in place of the program's commands.
    struct Spy final : IFormEvents {
        std::vector<std::int16_t> heard;
        void OnResize() override {}
        void OnUnload() override {}
        void OnMenu(Menu) override {}
        void OnKeyUp(std::int16_t&, std::int16_t) override {}
        bool OnKeyDown(std::int16_t code, std::int16_t) override {
            heard.push_back(code);
            return true;
        }
        void OnDrop(DropTarget, const std::vector<std::string>&) override {}
        void OnFilesDblClick() override {}
        void OnFilesKeyDown(std::int16_t&, std::int16_t) override {}
    } spy;
    window.Keys().SetEvents(&spy);
    std::vector<std::int16_t>& heard = spy.heard;
    QMenuBar* bar = window.menuBar();

    for (const Case& row : cases) {
        SCOPED_TRACE(row.name);
        for (const Step& step : row.steps) {
            if (step.key == 0) {
                const QRect title = bar->actionGeometry(bar->actions().at(step.title));
                QTest::mouseClick(bar, Qt::LeftButton, {}, title.center());
            } else {
                QTest::keyClick(KeyTarget(window), Qt::Key(step.key), step.mods);
            }
            QTest::qWait(50);  // menus open and close through the event loop
        }
        EXPECT_EQ(QApplication::activePopupWidget() != nullptr, row.menuOpen);
        heard.clear();
        for (const auto& [key, scanCode] : std::vector<std::pair<int, std::uint32_t>>{
                 {Qt::Key_Space, 65}, {kSoftSign, kKeyM}, {kHa, kKeyBracketRight}}) {
            QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, scanCode, 0, 0);
            QWidget* to = QApplication::activePopupWidget();
            if (to == nullptr) to = QApplication::focusWidget();
            QApplication::sendEvent(to != nullptr ? to : &window, &press);
        }
        const std::vector<std::int16_t> all = {keys::kSpace, 'M', keys::kBracketRight};
        EXPECT_EQ(heard, row.filmHears ? all : std::vector<std::int16_t>{});
    }
    window.Keys().SetEvents(nullptr);
    window.close();
}

}  // namespace
}  // namespace rw
