// File names that are not UTF-8 ("caf\xE9.mp4" in Latin-1) on the roads that
// pass through Qt, which decodes names as UTF-8 and loses such bytes: the
// folder list, drops, the Open dialog and the Open URL box each hand the
// player the real file.

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QInputDialog>
#include <QMessageBox>
#include <QMimeData>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <filesystem>
#include <string>
#include <system_error>

#include "Program.h"
#include "TestSupport.h"
#include "platform/Step.h"
#include "platform/mpv/MpvPlayer.h"
#include "platform/qt/FileList.h"
#include "platform/qt/NativeNames.h"
#include "platform/qt/QtDialogs.h"
#include "platform/qt/QtWindow.h"
#include "playback/OpenMovie.h"
#include "sources/FolderList.h"
#include "sources/OpenDialog.h"
#include "sources/UrlAndDrops.h"

namespace rw {
namespace {

namespace fs = std::filesystem;

class OddBytesTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        clip = test::ClipPath(test::Clip::Red43);
        ASSERT_FALSE(clip.empty());
        ini = dir.filePath("settings.ini").toStdString();
        folder = dir.path().toStdString();
        clip = CopyTo("clip.mp4");
    }

    void TearDown() override {
        std::error_code error;
        fs::current_path(startFolder, error);
        // QTemporaryDir cannot remove names that are not UTF-8.
        fs::remove_all(folder, error);
    }

    // A copy of the clip at `relative`, which need not be UTF-8.
    std::string CopyTo(const std::string& relative) {
        const fs::path path = fs::path(folder) / relative;
        std::error_code error;
        fs::create_directories(path.parent_path(), error);
        EXPECT_TRUE(fs::copy_file(clip, path, error)) << error.message();
        return path.native();
    }

    static bool Opened(Program& p, const std::string& path) {
        if (!QTest::qWaitFor([&] { return p.Player().Reference() == path; }, 10000)) return false;
        std::string rect;
        return Step([&] { rect = p.Player().MovieRect(); }) && rect == "0,0,320,240";
    }

    QtDialogs& Dialogs(Program& p) { return dynamic_cast<QtDialogs&>(p.MainForm().dialogs); }

    QTemporaryDir dir;
    const fs::path startFolder = fs::current_path();
    std::string clip, ini, folder;
};

TEST_F(OddBytesTest, FolderListShowsTheNamesReadablyAndPlaysTheRealFiles) {
    const std::string inside = "r\xe9pertoire";
    const std::string latin1 = CopyTo(inside + "/caf\xe9.mp4");
    const std::string other = CopyTo(inside +
                                     "/na\xef"
                                     "ve.mp4");
    CopyTo(inside + "/plain.mp4");
    fs::current_path(fs::path(folder) / inside);

    Program p("", ini);
    p.Start();
    p.Window().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&p.Window()));
    mnuFileList_Click(p.MainForm());
    FileList& list = *p.Window().FilesList();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !list.Reading(); }, 20000));
    EXPECT_EQ(p.Window().FilesPath(), folder + "/" + inside);
    const QAbstractItemModel& model = *list.model();
    ASSERT_EQ(model.rowCount(), 3);
    // Shown readably, in the usual order.
    EXPECT_EQ(model.index(0, 0).data().toString(), QStringLiteral("caf\uFFFD.mp4"));
    EXPECT_EQ(model.index(1, 0).data().toString(), QStringLiteral("na\uFFFDve.mp4"));
    EXPECT_EQ(model.index(2, 0).data().toString(), QStringLiteral("plain.mp4"));

    // A double click plays the file itself.
    list.setCurrentIndex(model.index(0, 0));
    EXPECT_EQ(p.Window().FilesFileName(), "caf\xe9.mp4");
    const QPoint at =
        list.viewport()->mapTo(&p.Window(), list.visualRect(model.index(0, 0)).center());
    QTest::mouseDClick(p.Window().windowHandle(), Qt::LeftButton, {}, at);
    EXPECT_TRUE(Opened(p, latin1));
    EXPECT_FALSE(p.Window().FilesVisible());
    EXPECT_EQ(p.Window().Tag(Menu::Recent0), latin1);

    // So does Enter.
    mnuFileList_Click(p.MainForm());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !list.Reading(); }, 20000));
    ASSERT_EQ(QApplication::focusWidget(), &list);
    list.setCurrentIndex(model.index(1, 0));
    QTest::keyClick(p.Window().windowHandle(), Qt::Key_Return);
    EXPECT_TRUE(Opened(p, other));
    EXPECT_EQ(p.Window().Tag(Menu::Recent0), other);
    p.Window().close();
}

// Qt delivers a drop only to the widget that took the drag's entry.
void Drop(QWidget* target, const QMimeData& data) {
    QDragEnterEvent enter(QPoint(2, 2), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(2, 2), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &drop);
}

TEST_F(OddBytesTest, DroppedUrlsWithEscapedBytesPlayTheRealFile) {
    const std::string latin1 = CopyTo("caf\xe9.mp4");
    const std::string nested = CopyTo("d\xe9j\xe0 vu/#1 100%.mp4");
    Program p("", ini);
    p.Start();
    // As another program offers a file: a text/uri-list line, %-escaped.
    QMimeData listed;
    listed.setData("text/uri-list", ("file://" + folder + "/caf%E9.mp4\r\n").c_str());
    Drop(&p.Window(), listed);
    EXPECT_TRUE(Opened(p, latin1));
    EXPECT_EQ(p.Window().Tag(Menu::Recent0), latin1);
    // As Qt offers one, on the list this time.
    QMimeData urls;
    urls.setUrls(
        {QUrl(QString::fromStdString("file://" + folder + "/d%e9j%E0%20vu/%231%20100%25.mp4"))});
    p.Window().SetFilesVisible(true);
    Drop(p.Window().FilesList()->viewport(), urls);
    EXPECT_TRUE(Opened(p, nested));
    EXPECT_EQ(p.Window().Tag(Menu::Recent0), nested);
    p.Window().close();
}

TEST_F(OddBytesTest, OpenDialogHandsOverTheFileItsListShows) {
    const std::string latin1 = CopyTo("caf\xe9.mp4");
    Program p("", ini);
    p.Start();
    QString shownName, refusal;
    Dialogs(p).onDialogShown = [&](QDialog* d) {
        auto* fd = qobject_cast<QFileDialog*>(d);
        ASSERT_NE(fd, nullptr);
        fd->setDirectory(dir.path());
        // The name as Qt's own list has it, the way a click puts it there.
        fd->selectFile(QStringLiteral("caf\uFFFD.mp4"));
        shownName = fd->selectedFiles().value(0);
        // Should the dialog refuse the name, its "File not found" box is
        // closed and the dialog cancelled, so the test fails rather than waits.
        QTimer::singleShot(2000, d, [&refusal, d] {
            if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                refusal = box->text();
                box->done(QMessageBox::Ok);
            }
            d->reject();
        });
        d->accept();
    };
    mnuFileOpen_Click(p.MainForm());
    EXPECT_EQ(refusal.toStdString(), "");
    EXPECT_EQ(shownName, dir.filePath(QStringLiteral("caf\uFFFD.mp4")));
    EXPECT_TRUE(Opened(p, latin1));
    EXPECT_EQ(p.Window().Tag(Menu::Recent0), latin1);
    EXPECT_EQ(fs::current_path(), fs::path(folder));
    p.Window().close();
}

TEST_F(OddBytesTest, OpenUrlBoxShowsTheLoadedNameReadablyAndKeepsItsBytes) {
    const std::string latin1 = CopyTo("caf\xe9.mp4");
    Program p(latin1, ini);
    p.Start();
    ASSERT_TRUE(Opened(p, latin1));
    QString shown;
    Dialogs(p).onDialogShown = [&](QDialog* d) {
        auto* box = qobject_cast<QInputDialog*>(d);
        ASSERT_NE(box, nullptr);
        shown = box->textValue();
        d->accept();  // unchanged
    };
    mnuFileOpenURL_Click(p.MainForm());
    EXPECT_EQ(shown, QString::fromStdString(folder) + QStringLiteral("/caf\uFFFD.mp4"));
    // Had the box handed back its text, the load would have failed and left
    // no reference.
    EXPECT_TRUE(Opened(p, latin1));
    p.Window().close();
}

TEST(NativeNamesTest, LocalFileOfUrlsKeepsEscapedBytes) {
    const struct {
        const char* url;
        std::string path;
    } cases[] = {
        {"file:///m/caf%E9.mp4", "/m/caf\xe9.mp4"},
        {"file:///m/caf%e9.mp4", "/m/caf\xe9.mp4"},
        {"file:///m/caf%C3%A9.mp4", "/m/caf\xc3\xa9.mp4"},
        {"file:///m/caf\xc3\xa9.mp4", "/m/caf\xc3\xa9.mp4"},  // a character, not an escape
        {"file:///m/a%20b%25c%23d%3Fe.mov", "/m/a b%c#d?e.mov"},
        {"file:///m/%FF%FE/x.mov", "/m/\xff\xfe/x.mov"},
        {"file:///m/back%5Cslash.mov", "/m/back\\slash.mov"},
        {"file://server/share/a%E9.mov", "//server/share/a\xe9.mov"},
        {"file:///", "/"},
        {"https://example.com/a%E9.mov", ""},
        {"/m/not a url.mov", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(LocalFileOf(QUrl(QString::fromUtf8(c.url))), c.path) << c.url;
    // Qt's own form of a local file gives the same bytes.
    EXPECT_EQ(LocalFileOf(QUrl::fromLocalFile(QStringLiteral("/m/a b#1 é.mov"))),
              "/m/a b#1 \xc3\xa9.mov");
}

TEST_F(OddBytesTest, ExistingPathOfFindsTheOneFileQtsNameStandsFor) {
    const std::string latin1 = CopyTo("d\xe9j\xe0/caf\xe9.mp4");
    const std::string utf8 = CopyTo("d\xe9j\xe0/plain \xc3\xa9.mp4");
    const QString base = dir.path();
    const struct {
        QString decoded;
        std::optional<std::string> path;
    } cases[] = {
        {base + QStringLiteral("/d\uFFFDj\uFFFD/caf\uFFFD.mp4"), latin1},
        {base + QStringLiteral("/d\uFFFDj\uFFFD/plain é.mp4"), utf8},
        {base + QStringLiteral("/d\uFFFDj\uFFFD"), folder + "/d\xe9j\xe0"},
        {base + QStringLiteral("/clip.mp4"), clip},
        {base + QStringLiteral("/d\uFFFDj\uFFFD/missing.mp4"), std::nullopt},
        {QStringLiteral("relative/caf\uFFFD.mp4"), std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ExistingPathOf(c.decoded), c.path) << c.decoded.toStdString();
    // Two names that Qt reads alike: neither is guessed.
    CopyTo("d\xe9j\xe0/caf\xe8.mp4");
    EXPECT_EQ(ExistingPathOf(base + QStringLiteral("/d\uFFFDj\uFFFD/caf\uFFFD.mp4")), std::nullopt);
}

}  // namespace
}  // namespace rw
