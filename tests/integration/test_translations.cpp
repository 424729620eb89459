// The program under a pseudo-translation made at build time from the texts
// the code marks (translations/pseudo.py): every marked text reads
// "⟦...⟧". A text on the screen without the marks was never marked; the
// failure names it and where it was seen. The same texts 40% longer must
// still show whole.

#include <gtest/gtest.h>

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QFile>
#include <QFileDialog>
#include <QFontMetrics>
#include <QInputDialog>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QRegularExpression>
#include <QScreen>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTranslator>

#include "Program.h"
#include "TestSupport.h"
#include "film/ChangeLine.h"
#include "film/CommandTable.h"
#include "platform/Tr.h"
#include "platform/mpv/MpvPlayer.h"
#include "platform/qt/QtDialogs.h"
#include "platform/qt/QtFilmServices.h"
#include "platform/qt/QtWindow.h"
#include "platform/qt/Translations.h"
#include "platform/widgets/ControllerBar.h"

namespace rw {
namespace {

// The pseudo-language, for as long as the object lives.
class PseudoLanguage {
  public:
    explicit PseudoLanguage(const char* file) {
        // build/tests/<program> and build/translations/pseudo/<file>.
        loaded_ = translator_.load(QCoreApplication::applicationDirPath() +
                                   QStringLiteral("/../translations/pseudo/") + file);
        QCoreApplication::installTranslator(&translator_);
        TranslateLogicWithQt();
    }
    ~PseudoLanguage() {
        QCoreApplication::removeTranslator(&translator_);
        SetTranslator(nullptr);
    }
    PseudoLanguage(const PseudoLanguage&) = delete;
    PseudoLanguage& operator=(const PseudoLanguage&) = delete;
    bool Loaded() const { return loaded_; }

  private:
    QTranslator translator_;
    bool loaded_ = false;
};

// Texts that are the user's or the movie's, not the program's: numbers,
// times ("1:02 / 5:00"), speeds, quarter turns, a recent movie's "&1:name".
bool IsData(const QString& text) {
    static const QRegularExpression data(QStringLiteral("^(&\\d:.*|[\\d:.,/ ]+[\u00d7\u00b0]?)$"));
    return data.match(text).hasMatch();
}

struct Seen {
    QString where;
    QString text;
};

void CollectMenu(const QMenu& menu, const QString& where, std::vector<Seen>& seen) {
    for (const QAction* action : menu.actions()) {
        if (action->isSeparator() || !action->isVisible()) continue;
        // A track's title or a sound device: the movie's or the system's name.
        if (action->property(kCaptionIsNameProperty).toBool()) continue;
        seen.push_back({where, action->text()});
        if (action->menu() != nullptr) CollectMenu(*action->menu(), where, seen);
    }
}

void ExpectAllMarked(const std::vector<Seen>& seen) {
    QSet<QString> told;
    for (const Seen& s : seen) {
        if (IsData(s.text) || told.contains(s.where + s.text)) continue;
        told.insert(s.where + s.text);
        EXPECT_TRUE(s.text.contains(u'\u27e6') && s.text.contains(u'\u27e7'))
            << "Not marked for translation, in " << s.where.toStdString() << ": \""
            << s.text.toStdString()
            << "\". Mark it with RW_TR (src/platform/Tr.h) or QCoreApplication::translate.";
    }
}

// The open menu on the movie, read and closed.
std::vector<Seen> MenuOnTheMovie(Program& p) {
    std::vector<Seen> seen;
    QTimer::singleShot(300, [&p, &seen] {
        if (QMenu* menu = p.FilmServices().OpenMenu()) {
            CollectMenu(*menu, QStringLiteral("the menu on the movie"), seen);
            menu->close();
        }
    });
    QWidget& player = p.Player();
    QContextMenuEvent event(QContextMenuEvent::Mouse, player.rect().center(),
                            player.mapToGlobal(player.rect().center()));
    QCoreApplication::sendEvent(&player, &event);
    return seen;
}

TEST(TranslationTest, EveryTextShownIsMarked) {
    PseudoLanguage language("reelwick_pseudo.qm");
    ASSERT_TRUE(language.Loaded());
    QTemporaryDir dir;
    Program p(test::ClipPath(test::Clip::OneSecond), dir.filePath("settings.ini").toStdString());
    auto* dialogs = dynamic_cast<QtDialogs*>(&p.MainForm().dialogs);
    ASSERT_NE(dialogs, nullptr);
    p.Start();
    ASSERT_TRUE(QTest::qWaitFor([&] { return p.Player().HasPicture(); }, 10000));

    std::vector<Seen> seen;
    for (const QAction* title : p.Window().menuBar()->actions()) {
        seen.push_back({QStringLiteral("the menu bar"), title->text()});
        CollectMenu(*title->menu(), title->text(), seen);
    }
    const std::vector<Seen> onMovie = MenuOnTheMovie(p);
    EXPECT_FALSE(onMovie.empty()) << "the menu on the movie did not open";
    seen.insert(seen.end(), onMovie.begin(), onMovie.end());

    ControllerBar& bar = p.Player().Bar();
    const QString barName = QStringLiteral("the play bar");
    seen.push_back({barName, bar.accessibleName()});
    // Its painted parts, as a screen reader reads them: names and values.
    QAccessibleInterface* parts = QAccessible::queryAccessibleInterface(&bar);
    ASSERT_NE(parts, nullptr);
    EXPECT_GT(parts->childCount(), 0);
    for (int i = 0; i < parts->childCount(); ++i) {
        for (const QAccessible::Text t : {QAccessible::Name, QAccessible::Value}) {
            const QString text = parts->child(i)->text(t);
            if (t == QAccessible::Name || !text.isEmpty()) seen.push_back({barName, text});
        }
    }
    const QWidget* files = p.Window().findChild<QWidget*>(QStringLiteral("files"));
    ASSERT_NE(files, nullptr);
    seen.push_back({QStringLiteral("the folder list"), files->accessibleName()});
    // A key's line over the movie.
    QKeyEvent down(QEvent::KeyPress, Qt::Key_Down, Qt::NoModifier);
    QApplication::sendEvent(
        QApplication::focusWidget() != nullptr ? QApplication::focusWidget() : &p.Window(), &down);
    seen.push_back({QStringLiteral("the line over the movie"), p.Player().LineText()});
    for (int x = 0; x < bar.width(); x += 2) {
        const QString tip = bar.ToolTipAt(QPoint(x, bar.height() / 2));
        if (!tip.isEmpty()) seen.push_back({QStringLiteral("a tooltip of the play bar"), tip});
    }

    // The dialogs: Open, Open URL and About.
    dialogs->onDialogShown = [&seen](QDialog* d) {
        const QString where = QStringLiteral("the dialog ") + d->metaObject()->className();
        if (auto* open = qobject_cast<QFileDialog*>(d)) {
            seen.push_back({where, open->windowTitle()});
            for (const QString& filter : open->nameFilters()) seen.push_back({where, filter});
        } else if (auto* url = qobject_cast<QInputDialog*>(d)) {
            seen.push_back({where, url->labelText()});
        } else if (auto* box = qobject_cast<QMessageBox*>(d)) {
            // Its lines: the name and version, the copyright, two addresses.
            seen.push_back({where, box->text().split(QStringLiteral("\r\n")).value(1)});
        }
        d->reject();
    };
    for (const Menu item : {Menu::FileOpen, Menu::FileOpenURL, Menu::HelpAbout})
        p.Window().MenuAction(item)->trigger();
    EXPECT_GE(seen.size() - onMovie.size(), 30u);
    ExpectAllMarked(seen);
    p.Window().close();
}

// The line over the movie after each key, and after the menu's choice of a
// track or a chapter, from a movie playing and one paused with its sound
// muted.
TEST(TranslationTest, EveryLineOverTheMovieIsMarked) {
    PseudoLanguage language("reelwick_pseudo.qm");
    ASSERT_TRUE(language.Loaded());
    FilmState playing;
    playing.movie = true;
    playing.position = 62;
    playing.duration = 300;
    playing.paused = false;
    playing.volume = 80;
    playing.subtitles = {{3, "", "", true}};
    playing.audio = {{1, "fra", "Commentary", true}};
    playing.chapters = {{0, ""}, {95, "Opening"}};
    FilmState paused = playing;
    paused.paused = paused.muted = true;
    paused.speed = 1.25;
    paused.subtitleDelay = 0.1;
    std::vector<Action> actions = {{Command::SubtitleTrack, 3}, {Command::SubtitlesOff},
                                   {Command::AudioTrack, 1},    {Command::AudioTrack, 0},
                                   {Command::Chapter, 0},       {Command::Chapter, 95}};
    for (const KeyRow& row : kKeyTable) actions.push_back(row.action);
    std::vector<Seen> seen;
    for (const FilmState& state : {playing, paused}) {
        for (const Action& action : actions) {
            const QString line = QString::fromStdString(ChangeLine(action, state));
            if (!line.isEmpty()) seen.push_back({QStringLiteral("the line over the movie"), line});
        }
    }
    EXPECT_GE(seen.size(), 20u);
    ExpectAllMarked(seen);
}

TEST(TranslationTest, TheFailureLineIsMarked) {
    PseudoLanguage language("reelwick_pseudo.qm");
    ASSERT_TRUE(language.Loaded());
    QTemporaryDir dir;
    Program p(dir.filePath("gone.mp4").toStdString(), dir.filePath("settings.ini").toStdString());
    p.Start();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !p.Player().accessibleDescription().isEmpty(); }));
    ExpectAllMarked(
        {{QStringLiteral("the line of a movie that failed"), p.Player().accessibleDescription()}});
    p.Window().close();
}

// 40% longer: the menu bar keeps every title in view, each menu is wide
// enough for its items, and the line of a failed movie shows its whole
// reason. (The play bar paints only times; its tooltips are whole texts.)
TEST(TranslationTest, LongerTextsShowWhole) {
    PseudoLanguage language("reelwick_pseudo_long.qm");
    ASSERT_TRUE(language.Loaded());
    QTemporaryDir dir;
    Program p(dir.filePath("gone.mp4").toStdString(), dir.filePath("settings.ini").toStdString());
    p.Start();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !p.Player().accessibleDescription().isEmpty(); }));
    QMenuBar* bar = p.Window().menuBar();
    for (QAction* title : bar->actions()) {
        const QRect shown = bar->actionGeometry(title);
        EXPECT_TRUE(!shown.isEmpty() && bar->rect().contains(shown))
            << title->text().toStdString() << " does not fit the menu bar";
        // A menu is as wide as its widest caption, and no wider than the screen.
        QMenu* menu = title->menu();
        const QFontMetrics metrics(menu->font());
        const int screen = menu->screen()->availableGeometry().width();
        for (const QAction* item : menu->actions()) {
            const int needed = metrics.horizontalAdvance(QString(item->text()).remove(u'&'));
            EXPECT_TRUE(menu->sizeHint().width() > needed && menu->sizeHint().width() <= screen)
                << item->text().toStdString() << " is cut short in its menu";
        }
    }
    const QString sentence = QString::fromStdString(Translate("Movie line", "%1 was not found"));
    const QString reason = sentence.mid(sentence.indexOf(QStringLiteral("%1")) + 2);
    const QStringList lines = p.Player().NoticeLines();
    ASSERT_FALSE(lines.isEmpty());
    EXPECT_TRUE(lines.back().endsWith(reason.trimmed()))
        << "cut short: " << lines.join(QLatin1Char('|')).toStdString();
    p.Window().close();
}

// The settings a run leaves, its digits as '#': the same shape whatever the
// numbers came to.
QString SettingsAfterARun(const QTemporaryDir& dir, const QString& name) {
    const QString ini = dir.filePath(name);
    {
        Program p(test::ClipPath(test::Clip::OneSecond), ini.toStdString());
        p.Start();
        EXPECT_TRUE(QTest::qWaitFor([&] { return p.Player().HasPicture(); }, 10000));
        for (const Menu item : {Menu::MovieLoop, Menu::PlayLastMovie, Menu::MovieSize})
            p.Window().MenuAction(item)->trigger();
        p.Window().close();
    }
    QFile file(ini);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return QString::fromUtf8(file.readAll())
        .replace(QRegularExpression(QStringLiteral("\\d+")), QStringLiteral("#"));
}

// German (the program's translation, embedded, and Qt's) writes the file
// English writes: True and False, numbers and sections stay as they are.
TEST(TranslationTest, TheSettingsFileIsTheSameInEveryLanguage) {
    QTemporaryDir dir;
    const QString english = SettingsAfterARun(dir, QStringLiteral("english.ini"));
    ASSERT_EQ(InstallTranslations(*QCoreApplication::instance(), QLocale(QLocale::German)),
              QStringLiteral("de_DE"));
    const QString german = SettingsAfterARun(dir, QStringLiteral("german.ini"));
    RemoveTranslations(*QCoreApplication::instance());
    EXPECT_TRUE(english.contains(QStringLiteral("=True")));
    EXPECT_EQ(german, english);
}

}  // namespace
}  // namespace rw
