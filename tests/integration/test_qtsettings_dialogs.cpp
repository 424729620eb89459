#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QInputDialog>
#include <QLineEdit>
#include <QListView>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <algorithm>
#include <cmath>

#include "film/FolderNeighbours.h"
#include "film/Resume.h"
#include "platform/Step.h"
#include "platform/qt/QtDialogs.h"
#include "platform/qt/QtFilmServices.h"
#include "platform/qt/QtSettingsStore.h"
#include "platform/qt/QtWindow.h"
#include "sources/OpenDialog.h"

// Readable failure messages.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace rw {
namespace {

// The settings store and the dialogs.

TEST(QtSettingsStoreTest, AwkwardTextsRoundTripAndAbsentKeysReadAsNothing) {
    QTemporaryDir dir;
    const std::string path = dir.filePath("Ostrun's Reelwick.ini").toStdString();
    const std::vector<std::string> texts = {
        "  spaces  ",  "\"quoted\"", "a & b",     "1,5",
        "x, y",        "two\nlines", "tab\there", "Ünïcödé 日本語 ёж",
        "-dash",       "",           "@at",       "semi;colon",
        "back\\slash", "=eq",        "[s]",       "#h"};
    {
        QtSettingsStore store(path);
        for (std::size_t i = 0; i < texts.size(); ++i)
            store.Write("Settings", "k" + std::to_string(i), texts[i]);
        store.Write("MRU", "0", "/m/clip.mov");
    }
    QtSettingsStore store(path);
    for (std::size_t i = 0; i < texts.size(); ++i)
        EXPECT_EQ(store.Read("Settings", "k" + std::to_string(i)), texts[i]) << i;
    EXPECT_EQ(store.Read("MRU", "0"), "/m/clip.mov");
    EXPECT_EQ(store.Read("MRU", "1"), std::nullopt);
    EXPECT_EQ(store.Read("Settings", "0"), std::nullopt);
}

TEST(QtSettingsStoreTest, HandWrittenAndGarbageFilesAreSurvived) {
    QTemporaryDir dir;
    const QString hand = dir.filePath("hand.ini");
    QFile h(hand);
    ASSERT_TRUE(h.open(QIODevice::WriteOnly));
    h.write("[Settings]\nLeft=1,5\nRect=@Rect(1 2 3 4)\nBytes=@ByteArray(abc)\nTop= 7 \n");
    h.close();
    QtSettingsStore handStore(hand.toStdString());
    EXPECT_EQ(handStore.Read("Settings", "Left"), "1,5");
    EXPECT_EQ(handStore.Read("Settings", "Rect"), std::nullopt);
    EXPECT_EQ(handStore.Read("Settings", "Bytes"), std::nullopt);
    EXPECT_EQ(handStore.Read("Settings", "Top"), "7");

    const QString junk = dir.filePath("junk.ini");
    QFile f(junk);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    QByteArray bytes(4 << 20, 'x');  // binary noise, then one huge line
    for (unsigned i = 0; i < (3u << 20); ++i) bytes[int(i)] = char((i * 7919u + i / 13u) % 256u);
    f.write(bytes.replace(1000, 12, "\n[Settings\n="));
    f.close();
    {
        QtSettingsStore store(junk.toStdString());
        EXPECT_NE(store.Read("Settings", "Left"), "600");
        store.Write("Settings", "Left", "600");
        store.Sync();
    }
    EXPECT_EQ(QtSettingsStore(junk.toStdString()).Read("Settings", "Left"), "600");
}

TEST(QtSettingsStoreTest, UserFileFollowsXdgConfigHome) {
    QTemporaryDir dir;
    const QByteArray old = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", dir.path().toUtf8());
    QtSettingsStore().Write("Settings", "TopMost", "True");
    qputenv("XDG_CONFIG_HOME", old);  // empty counts as unset
    EXPECT_TRUE(QFile::exists(dir.path() + "/Ostrun's Reelwick/Ostrun's Reelwick.ini"));
}

// Two windows on one file: each stores a film's place when it leaves it,
// and each exits writing its window's keys, the second window first.
TEST(QtSettingsStoreTest, TwoWindowsKeepEachOthersPlaces) {
    QTemporaryDir dir;
    const QString file = dir.filePath("Ostrun's Reelwick.ini");
    QtSettingsStore(file.toStdString()).Write("Resume", "0", "100.0|/m/c.mkv");
    // The second window reaches the file by another name, so that QSettings
    // keeps a cache of its own for it, as in another process.
    const QString link = dir.filePath("link.ini");
    ASSERT_TRUE(QFile::link(file, link));
    QtSettingsStore one(file.toStdString()), two(link.toStdString());
    ResumeList first, second;
    first.Read(one);
    second.Read(two);

    first.Remember("/m/a.mkv", 153);  // film A left at 2:33
    first.Remember("/m/c.mkv", 1000);
    first.Save(one);
    second.Remember("/m/b.mkv", 230);          // film B at 3:50
    second.Remember("file:///m/c.mkv", 2000);  // C left later, in the other window
    second.Save(two);

    two.Write("Settings", "Left", "200");
    second.Save(two);
    two.Sync();
    one.Write("Settings", "Left", "100");
    first.Save(one);
    one.Sync();

    EXPECT_TRUE(QFileInfo(link).isSymLink()) << "the file was written where it is";
    // What the file holds, read through a copy no cache has seen.
    const QString copy = dir.filePath("copy.ini");
    ASSERT_TRUE(QFile::copy(file, copy));
    QtSettingsStore reader(copy.toStdString());
    ResumeList kept;
    kept.Read(reader);
    EXPECT_EQ(kept.Size(), 3u);
    EXPECT_EQ(kept.Find("/m/a.mkv"), 153);
    EXPECT_EQ(kept.Find("/m/b.mkv"), 230);
    EXPECT_EQ(kept.Find("/m/c.mkv"), 2000);
    EXPECT_EQ(reader.Read("Settings", "Left"), "100") << "the window's keys: the last exit";
}

TEST(QtDialogsTest, FilterPairsBecomeQtNameFilters) {
    const QStringList open = QtNameFilters(kOpenFilter);
    ASSERT_EQ(open.size(), 2);
    EXPECT_TRUE(open[0].startsWith("QuickTime Files (*.mov *.qt *.avi "));
    EXPECT_TRUE(open[0].endsWith(" *.fpx *.jpeg)"));
    EXPECT_EQ(open[0].count('*'), 60);
    EXPECT_EQ(open[1], "All files (*.*) (*)");
    EXPECT_EQ(QtNameFilters("Clips|*.mov;*.MP4"), QStringList{"Clips (*.mov *.MP4)"});
    EXPECT_EQ(QtNameFilters("Alone"), QStringList{});
    EXPECT_EQ(QtNameFilters(""), QStringList{});
}

TEST(QtDialogsTest, OpenFileReturnsTheChosenPathAndMovesTheCurrentFolder) {
    QTemporaryDir dir;
    const QString clip = dir.filePath("my clip.mov");
    QFile(clip).open(QIODevice::WriteOnly);
    const QString before = QDir::currentPath();
    QWidget parent;
    QtDialogs dialogs(&parent);
    QStringList filters, shown;
    dialogs.onDialogShown = [&](QDialog* d) {
        auto* fd = qobject_cast<QFileDialog*>(d);
        ASSERT_NE(fd, nullptr);
        EXPECT_EQ(fd->fileMode(), QFileDialog::ExistingFile);
        EXPECT_EQ(fd->windowTitle(), "Open File");
        filters = fd->nameFilters();
        if (auto* combo = fd->findChild<QComboBox*>("fileTypeCombo"))
            for (int i = 0; i < combo->count(); ++i) shown << combo->itemText(i);
        EXPECT_EQ(fd->selectedNameFilter(), "QuickTime Files");
        fd->selectFile(clip);
        d->accept();  // QFileDialog's own check that the file exists runs here
    };
    EXPECT_EQ(dialogs.OpenFile(kOpenFilter, "Open File", dir.path().toStdString()),
              clip.toStdString());
    EXPECT_EQ(filters, QtNameFilters(kOpenFilter));
    EXPECT_EQ(shown, (QStringList{"QuickTime Files", "All files (*.*)"}));
    EXPECT_EQ(QDir::currentPath(), QDir(dir.path()).canonicalPath());
    QDir::setCurrent(before);
    dialogs.onDialogShown = [](QDialog* d) { d->reject(); };
    EXPECT_EQ(dialogs.OpenFile(kOpenFilter, "Open File", std::nullopt), "");
    EXPECT_EQ(QDir::currentPath(), before);
}

TEST(QtDialogsTest, InputBoxAndMessageBoxAnswerAsTheUserDoes) {
    QtDialogs dialogs(nullptr);
    QString shown;
    dialogs.onDialogShown = [&](QDialog* d) {
        auto* box = qobject_cast<QInputDialog*>(d);
        shown = box->windowTitle() + "|" + box->labelText() + "|" + box->textValue();
        box->setTextValue(" typed ");
        box->accept();
    };
    EXPECT_EQ(dialogs.InputBox("Enter URL", "Reelwick", "http://a/b.mov"), " typed ");
    EXPECT_EQ(shown, "Reelwick|Enter URL|http://a/b.mov");
    dialogs.onDialogShown = [](QDialog* d) { d->reject(); };
    EXPECT_EQ(dialogs.InputBox("p", "t", "kept"), "");
    EXPECT_EQ(dialogs.MessageOkCancel("x", "y"), MessageAnswer::Cancel);
    dialogs.onDialogShown = [&](QDialog* d) {
        auto* box = qobject_cast<QMessageBox*>(d);
        shown = box->windowTitle() + "|" + box->text();
        EXPECT_EQ(box->icon(), QMessageBox::Information);
        QTest::keyClick(d, Qt::Key_Return);  // OK is the default button
    };
    EXPECT_EQ(dialogs.MessageOkCancel("Visit <the> site?", "About"), MessageAnswer::Ok);
    EXPECT_EQ(shown, "About|Visit <the> site?");
}

// Runs `act` on the modal dialog or message box next shown, from inside its
// own event loop.
void WhenShown(std::function<void(QWidget*)> act) {
    QTimer::singleShot(0, [act = std::move(act)] {
        QWidget* shown = QApplication::activeModalWidget();
        ASSERT_NE(shown, nullptr);
        act(shown);
    });
}

// The user types a name in the Save Frame As dialog and presses Enter.
void TypeAndEnter(QWidget* dialog, const QString& name) {
    auto* edit = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    ASSERT_NE(edit, nullptr);
    edit->setText(name);
    QTest::keyClick(edit, Qt::Key_Return);
}

TEST(QtFilmServicesTest, SaveFrameAsAsksAboutTheFileItWrites) {
    QTemporaryDir dir;
    for (const char* name : {"existing.png", "existing.v2.png"}) {
        QFile file(dir.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }
    const struct {
        const char* name;
        const char* typed;
        QMessageBox::StandardButton answer;  // NoButton: no question expected
        const char* asked;
        const char* chosen;  // empty: nothing chosen
    } cases[] = {
        {"refused: left as it was", "existing", QMessageBox::No, "existing.png", ""},
        {"replaced once asked", "existing", QMessageBox::Yes, "existing.png", "existing.png"},
        {"a dot of its own", "existing.v2", QMessageBox::Yes, "existing.v2.png", "existing.v2.png"},
        {"a new name: no question", "new", QMessageBox::NoButton, "", "new.png"},
    };
    QWidget parent;
    QtFilmServices services(&parent, nullptr);
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QString asked;
        WhenShown([&](QWidget* dialog) {
            // The question comes from inside the dialog's accept().
            QTimer::singleShot(0, [&] {
                auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
                if (box == nullptr) return;
                asked = box->text();
                box->button(c.answer == QMessageBox::NoButton ? QMessageBox::No : c.answer)
                    ->click();
            });
            // It starts where it was asked to, on the name offered.
            EXPECT_EQ(qobject_cast<QFileDialog*>(dialog)->selectedFiles(),
                      QStringList{dir.filePath("shot.png")});
            TypeAndEnter(dialog, c.typed);
            if (dialog->isVisible()) qobject_cast<QDialog*>(dialog)->reject();
        });
        const std::string chosen = services.SaveFileName(
            "Save Frame As", dir.filePath("shot.png").toStdString(), "PNG Images|*.png");
        EXPECT_EQ(chosen, *c.chosen ? dir.filePath(c.chosen).toStdString() : "");
        EXPECT_EQ(asked.isEmpty(), c.answer == QMessageBox::NoButton) << asked.toStdString();
        EXPECT_TRUE(asked.contains(c.asked)) << asked.toStdString();
    }
}

TEST(QtFilmServicesTest, TheFrameAndSubtitleDialogsLeaveWhereOpenStarts) {
    QTemporaryDir pictures, movies;
    QFile subtitles(movies.filePath("film.srt"));
    ASSERT_TRUE(subtitles.open(QIODevice::WriteOnly));
    QWidget parent;
    QtDialogs dialogs(&parent);
    QtFilmServices services(&parent, nullptr);
    const auto openStarts = [&] {
        QString folder;
        dialogs.onDialogShown = [&](QDialog* d) {
            folder = qobject_cast<QFileDialog*>(d)->directory().absolutePath();
            d->reject();
        };
        dialogs.OpenFile(kOpenFilter, "Open File", std::nullopt);
        return folder;
    };
    const QString before = openStarts();
    EXPECT_EQ(before, QDir::currentPath());

    WhenShown([&](QWidget* d) { TypeAndEnter(d, "frame"); });
    EXPECT_EQ(services.SaveFileName("Save Frame As", pictures.filePath("a.png").toStdString(),
                                    "PNG Images|*.png"),
              pictures.filePath("frame.png").toStdString());
    EXPECT_EQ(openStarts(), before);

    WhenShown([&](QWidget* d) { TypeAndEnter(d, "film.srt"); });
    EXPECT_EQ(
        services.OpenFileName("Load Subtitle File", movies.path().toStdString(), kSubtitleFilter),
        subtitles.fileName().toStdString());
    EXPECT_EQ(openStarts(), before);
}

}  // namespace
}  // namespace rw
