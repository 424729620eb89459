#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QListView>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include "Program.h"
#include "TestSupport.h"
#include "platform/mpv/MpvPlayer.h"
#include "platform/qt/QtDialogs.h"
#include "platform/qt/QtWindow.h"

// Readable failure messages.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace rw {
namespace {

// Takes the web addresses the program asks the desktop to open, so that no
// browser starts.
class UrlCatcher final : public QObject {
    Q_OBJECT

  public:
    QList<QUrl> urls;

  public slots:
    void Open(const QUrl& url) { urls << url; }
};

// Records the keys whose releases reach a widget's own handling.
struct ReleaseSpy final : QObject {
    QList<int> keys;
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::KeyRelease) keys << static_cast<QKeyEvent*>(e)->key();
        return false;
    }
};

class KeysAboutTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        ASSERT_TRUE(QDir::setCurrent(dir.path()));  // the folder the list shows
        ini = dir.filePath("settings.ini").toStdString();
    }
    void TearDown() override {
        QDir::setCurrent(startFolder);
        QDesktopServices::unsetUrlHandler("https");
        QDesktopServices::unsetUrlHandler("http");
    }

    // Starts the program active, counting (and cancelling) the dialogs it shows.
    void Start(Program& p) {
        dialogs = dynamic_cast<QtDialogs*>(&p.MainForm().dialogs);
        ASSERT_NE(dialogs, nullptr);
        dialogs->onDialogShown = [this](QDialog* d) {
            shown << d->metaObject()->className() + QStringLiteral("|") + d->windowTitle();
            d->reject();
        };
        p.Start();
        p.Window().activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&p.Window()));
        keys = p.Window().windowHandle();
    }

    // Ctrl+H: the list shows the current folder, with the keyboard focus.
    static void ShowList(Program& p, QWindow* keys) {
        QTest::keyClick(keys, Qt::Key_H, Qt::ControlModifier);
        ASSERT_TRUE(p.Window().FilesVisible());
        ASSERT_EQ(QApplication::focusWidget(), p.Window().FilesList());
        ASSERT_TRUE(QTest::qWaitFor([&] { return !p.Window().FilesList()->Reading(); }, 20000));
    }

    QTemporaryDir dir;
    const QString startFolder = QDir::currentPath();
    std::string ini;
    QtDialogs* dialogs = nullptr;
    QStringList shown;
    QWindow* keys = nullptr;
};

TEST_F(KeysAboutTest, KeyReleasesOverTheFocusedList) {
    for (const char* name : {"a.mov", "b.mp4"})
        ASSERT_TRUE(QFile(dir.filePath(name)).open(QIODevice::WriteOnly));
    Program p("", ini);
    Start(p);
    ShowList(p, keys);
    EXPECT_EQ(p.Window().FilesPath(), QDir::cleanPath(dir.path()).toStdString());
    EXPECT_EQ(p.Window().FilesList()->model()->rowCount(), 2);
    ReleaseSpy spy;
    p.Window().FilesList()->installEventFilter(&spy);
    // Not a key of the window's: the list gets it and searches by first letter.
    QTest::keyClick(keys, Qt::Key_B);
    EXPECT_EQ(p.Window().FilesFileName(), "b.mp4");
    QTest::keyClick(keys, Qt::Key_W);
    QTest::keyClick(keys, Qt::Key_W, Qt::ShiftModifier | Qt::AltModifier);
    EXPECT_TRUE(spy.keys.contains(Qt::Key_B));
    EXPECT_FALSE(spy.keys.contains(Qt::Key_W));
    EXPECT_EQ(p.Window().FilesFileName(), "b.mp4");
    EXPECT_TRUE(p.Window().FilesVisible());
    p.Window().FilesList()->removeEventFilter(&spy);

    QTest::keyClick(keys, Qt::Key_H, Qt::ControlModifier);
    EXPECT_FALSE(p.Window().FilesVisible());
    QTest::keyClick(keys, Qt::Key_H, Qt::ControlModifier);
    EXPECT_TRUE(p.Window().FilesVisible());
    QTest::keyClick(keys, Qt::Key_Escape);
    EXPECT_FALSE(p.Window().FilesVisible());
    QTest::keyClick(keys, Qt::Key_H);  // plain H: not the list's switch
    EXPECT_FALSE(p.Window().FilesVisible());

    // One Ctrl+C stroke, one toggle of Show Controls, with the list focused
    // or not.
    ASSERT_TRUE(p.Window().Checked(Menu::MovieControls));
    QTest::keyClick(keys, Qt::Key_C, Qt::ControlModifier);
    EXPECT_FALSE(p.Window().Checked(Menu::MovieControls));
    ShowList(p, keys);
    QTest::keyClick(keys, Qt::Key_C, Qt::ControlModifier);
    EXPECT_TRUE(p.Window().Checked(Menu::MovieControls));
    EXPECT_TRUE(shown.isEmpty());
    p.Window().close();
}

TEST_F(KeysAboutTest, EnterOnTheSelectedEntryOpensItAndNoDialog) {
    const std::string red = test::ClipPath(test::Clip::Red43);
    ASSERT_FALSE(red.empty());
    ASSERT_TRUE(QFile::copy(QString::fromStdString(red), dir.filePath("red.mp4")));
    ASSERT_TRUE(QFile(dir.filePath("another.mov")).open(QIODevice::WriteOnly));
    Program p("", ini);
    Start(p);
    ShowList(p, keys);
    QTest::keyClick(keys, Qt::Key_R);
    ASSERT_EQ(p.Window().FilesFileName(), "red.mp4");
    // The press opens the movie; by its release the movie is loaded, so the
    // window's Enter does not offer the Open File dialog.
    QTest::keyClick(keys, Qt::Key_Return);
    EXPECT_EQ(p.Player().Reference(), QDir(dir.path()).filePath("red.mp4").toStdString());
    EXPECT_FALSE(p.Window().FilesVisible());
    EXPECT_EQ(p.Window().Caption(), "Ostrun's Reelwick");
    EXPECT_TRUE(shown.isEmpty()) << shown.join(", ").toStdString();
    // With a movie loaded, Enter does nothing at all.
    QTest::keyClick(keys, Qt::Key_Return);
    EXPECT_TRUE(shown.isEmpty());
    p.Window().close();
}

TEST_F(KeysAboutTest, EnterWithNothingLoadedOffersTheOpenFileDialog) {
    ASSERT_TRUE(QFile(dir.filePath("a.mov")).open(QIODevice::WriteOnly));
    Program p("", ini);
    Start(p);
    ShowList(p, keys);
    ASSERT_EQ(p.Window().FilesListIndex(), -1);
    // Nothing selected: the list opens nothing; the release opens the dialog.
    QTest::keyClick(keys, Qt::Key_Return);
    EXPECT_EQ(shown, QStringList{"QFileDialog|Open File"});
    EXPECT_TRUE(p.Player().Reference().empty());
    EXPECT_TRUE(p.Window().FilesVisible());  // the cancelled dialog changed nothing
    QTest::keyClick(keys, Qt::Key_Escape);
    QTest::keyClick(keys, Qt::Key_Enter, Qt::KeypadModifier | Qt::ShiftModifier);
    EXPECT_EQ(shown.size(), 2);
    p.Window().close();
}

TEST_F(KeysAboutTest, AboutBoxShowsTheVersionAndOpensThePageOnlyOnOk) {
    UrlCatcher browser;
    QDesktopServices::setUrlHandler("https", &browser, "Open");
    QDesktopServices::setUrlHandler("http", &browser, "Open");
    Program p("", ini);
    Start(p);
    QMessageBox::StandardButton answer = QMessageBox::Cancel;
    QString title, text;
    dialogs->onDialogShown = [&](QDialog* d) {
        auto* box = qobject_cast<QMessageBox*>(d);
        ASSERT_NE(box, nullptr);
        title = box->windowTitle();
        text = box->text();
        EXPECT_EQ(box->standardButtons(), QMessageBox::Ok | QMessageBox::Cancel);
        ASSERT_NE(box->button(QMessageBox::Ok), nullptr);
        EXPECT_EQ(static_cast<QAbstractButton*>(box->defaultButton()),
                  box->button(QMessageBox::Ok));
        EXPECT_EQ(box->icon(), QMessageBox::Information);
        box->button(answer)->click();
    };
    QAction* about = p.Window().MenuAction(Menu::HelpAbout);
    about->trigger();
    EXPECT_EQ(title, "Ostrun's Reelwick");
    EXPECT_EQ(text,
              "Ostrun's Reelwick 1.1.1\r\n"
              "Copyright (C) 2026 Ostrun. Free software under the MIT licence.\r\n"
              "https://www.ostrun.net/\r\n"
              "https://reelwick.ostrun.org/");
    EXPECT_TRUE(browser.urls.isEmpty()) << "Cancel opens nothing";

    // The title follows the caption; the text does not.
    p.Window().SetCaption("Loading...");
    answer = QMessageBox::Ok;
    about->trigger();
    EXPECT_EQ(title, "Loading...");
    EXPECT_TRUE(text.startsWith("Ostrun's Reelwick 1.1.1\r\n"));
    EXPECT_EQ(browser.urls, QList<QUrl>{QUrl("https://reelwick.ostrun.org/")});

    // Escape answers Cancel.
    dialogs->onDialogShown = [](QDialog* d) { QTest::keyClick(d, Qt::Key_Escape); };
    about->trigger();
    EXPECT_EQ(browser.urls.size(), 1);
    p.Window().close();
}

}  // namespace
}  // namespace rw

#include "test_keys_about.moc"
