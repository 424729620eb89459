#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QStringListModel>
#include <QTemporaryDir>
#include <QTest>
#include <QThreadPool>
#include <QTimer>
#include <algorithm>

#include "platform/Step.h"
#include "platform/qt/FileList.h"
#include "platform/qt/QtWindow.h"
#include "sources/OpenDialog.h"

// Readable failure messages.
inline void PrintTo(const QString& s, std::ostream* os) { *os << '"' << s.toStdString() << '"'; }

namespace rw {
namespace {

bool Touch(const QString& path) {
    const int fd = ::open(QFile::encodeName(path).constData(), O_CREAT | O_WRONLY, 0644);
    return fd >= 0 && ::close(fd) == 0;
}

QStringList Listed(const FileList& list) {
    const auto* model = qobject_cast<const QStringListModel*>(list.model());
    return model ? model->stringList() : QStringList{"(not a list of names)"};
}

// Until the list's read has come in (or 60 s, on a very busy machine).
bool WaitListed(const FileList& list) {
    return QTest::qWaitFor([&] { return !list.Reading(); }, 60000);
}

NamePatterns FolderPatterns() {
    return NamePatterns(QString::fromLatin1(kFolderListPattern).split(QLatin1Char(';')));
}

TEST(NamePatternsTest, MatchesTheWholeNameWhateverTheLetterCase) {
    const NamePatterns movies = FolderPatterns();
    for (const char* name : {"a.mov", "B.MOV", "x.tar.Mp4", "Z.Aiff", "song.midi", ".mov"})
        EXPECT_TRUE(movies.Matches(name)) << name;
    for (const char* name : {"x.jpeg", "a.mov.txt", "mov", "amov", "a.mov ", "a.", ""})
        EXPECT_FALSE(movies.Matches(name)) << name;
    const NamePatterns mixed(QStringList{"clip?.*", " *.qt ", "", "take[0-9]"});
    for (const char* name : {"clip1.txt", "CLIP2.", "a.QT", "Take7"})
        EXPECT_TRUE(mixed.Matches(name)) << name;
    for (const char* name : {"clip12.txt", "clip1", "a.qtx", "take"})
        EXPECT_FALSE(mixed.Matches(name)) << name;
}

TEST(ReadFolderNamesTest, ListsMatchingFilesOnlyInNaturalOrder) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    for (const char* name : {"clip10.mov", "clip2.mov", "Clip3.MOV", "a.mov", "A.mov",
                             ".hidden.mov", "notes.txt", "x.jpeg", "take 9.avi", "take 10.avi"})
        ASSERT_TRUE(Touch(dir.filePath(name))) << name;
    ASSERT_TRUE(QDir(dir.path()).mkdir("folder.mov"));
    ASSERT_TRUE(QFile::link(dir.filePath("a.mov"), dir.filePath("link.mov")));
    ASSERT_TRUE(QFile::link(dir.filePath("gone"), dir.filePath("dead.mov")));
    ASSERT_TRUE(QFile::link(dir.filePath("folder.mov"), dir.filePath("folderlink.mov")));
    ASSERT_EQ(::mkfifo(QFile::encodeName(dir.filePath("pipe.mov")).constData(), 0644), 0);

    const QStringList want = {"A.mov",      "a.mov",    "clip2.mov",  "Clip3.MOV",
                              "clip10.mov", "link.mov", "take 9.avi", "take 10.avi"};
    // The same order whatever the user's language, the C locale (LANG=C)
    // included, which has no collation of its own: each is tried here
    // rather than whichever the machine running the test has.
    const QLocale before;
    for (const QLocale& locale : {QLocale::c(), QLocale(QLocale::English, QLocale::UnitedStates),
                                  QLocale(QLocale::German, QLocale::Germany)}) {
        QLocale::setDefault(locale);
        EXPECT_EQ(ReadFolderNames(dir.path(), FolderPatterns()), want)
            << "in the locale " << locale.name().toStdString();
    }
    QLocale::setDefault(before);
    EXPECT_TRUE(ReadFolderNames(dir.path(), FolderPatterns(), [] { return true; }).isEmpty());
    EXPECT_TRUE(ReadFolderNames(dir.filePath("missing"), FolderPatterns()).isEmpty());
}

class FileListTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        window.Show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    FileList& List() { return *window.FilesList(); }
    void MakeFiles(const QString& folder, int count, int first = 0) {
        ASSERT_TRUE(QDir().mkpath(folder));
        for (int i = first; i < first + count; ++i)
            ASSERT_TRUE(Touch(folder + QStringLiteral("/clip%1.mov").arg(i)));
    }
    QTemporaryDir dir;
    QtWindow window{new QWidget};
};

TEST_F(FileListTest, HugeFolderComesInOnePieceWhileTheWindowKeepsRunning) {
    // 100,000 entries: matching names in two groups, other types, hidden
    // files and a folder.
    const int count = 100000;
    QStringList clips, takes;
    for (int i = 0; i < count; ++i) {
        QString name;
        if (i % 8 == 0) {
            name = QStringLiteral("notes%1.txt").arg(i);
        } else if (i % 8 == 1) {
            name = QStringLiteral(".hidden%1.mov").arg(i);
        } else if (i % 8 == 2) {
            name = QStringLiteral("Take %1.Avi").arg(i);
            takes << name;
        } else {
            name = QString(i % 8 == 3 ? "clip%1.MP4" : "clip%1.mov").arg(i);
            clips << name;
        }
        ASSERT_TRUE(Touch(dir.filePath(name))) << name.toStdString();
    }
    ASSERT_TRUE(QDir(dir.path()).mkdir("folder.mov"));
    // "clip" before "Take" whatever the case; each group in numeric order, as
    // the loop made them.
    const QStringList want = clips + takes;

    int ticks = 0, ticksWhenListed = -1;
    QTimer timer;
    QObject::connect(&timer, &QTimer::timeout, [&] { ++ticks; });
    QObject::connect(List().model(), &QAbstractItemModel::modelReset, [&] {
        if (List().model()->rowCount() > 0) ticksWhenListed = ticks;
    });
    timer.start(10);
    window.SetFilesPath(dir.path().toStdString());
    window.SetFilesVisible(true);
    ASSERT_TRUE(WaitListed(List()));
    const QStringList got = Listed(List());
    EXPECT_EQ(got.size(), want.size());
    const auto [a, b] = std::mismatch(got.begin(), got.end(), want.begin(), want.end());
    if (a != got.end() || b != want.end())  // the first difference, not 60,000 names
        ADD_FAILURE() << "row " << (a - got.begin()) << ": "
                      << (a != got.end() ? *a : "(end)").toStdString() << " where "
                      << (b != want.end() ? *b : "(end)").toStdString() << " was due";
    // The window went on with its timers while the folder was read.
    EXPECT_GT(ticksWhenListed, 0);
    EXPECT_EQ(window.FilesListIndex(), -1);
}

TEST_F(FileListTest, ANewerFolderWinsOverAnOlderReadStillRunning) {
    const QString big = dir.filePath("big"), small = dir.filePath("small");
    MakeFiles(big, 20000);
    MakeFiles(small, 3);
    window.SetFilesPath(big.toStdString());
    window.SetFilesPath(small.toStdString());
    ASSERT_TRUE(WaitListed(List()));
    // Whatever the older read still reports is dropped.
    QThreadPool::globalInstance()->waitForDone();
    QCoreApplication::processEvents();
    EXPECT_EQ(Listed(List()), (QStringList{"clip0.mov", "clip1.mov", "clip2.mov"}));
    EXPECT_EQ(window.FilesPath(), QDir::cleanPath(small).toStdString());
    window.SetFilesPath(small.toStdString());
    window.SetFilesPath(big.toStdString());
    ASSERT_TRUE(WaitListed(List()));
    QThreadPool::globalInstance()->waitForDone();
    QCoreApplication::processEvents();
    EXPECT_EQ(Listed(List()).size(), 20000);
}

TEST_F(FileListTest, TheSameFolderReadAgainKeepsTheSelectedName) {
    MakeFiles(dir.path(), 3, 1);  // clip1 .. clip3
    window.SetFilesPath(dir.path().toStdString());
    ASSERT_TRUE(WaitListed(List()));
    List().setCurrentIndex(List().model()->index(1, 0));
    ASSERT_EQ(window.FilesFileName(), "clip2.mov");
    ASSERT_TRUE(Touch(dir.filePath("a.mov")));
    window.SetFilesPath(dir.path().toStdString() + "/");  // the same folder, spelt otherwise
    // Until the new names come, the old ones stay, selection and all.
    EXPECT_EQ(window.FilesListIndex(), 1);
    ASSERT_TRUE(WaitListed(List()));
    EXPECT_EQ(Listed(List()), (QStringList{"a.mov", "clip1.mov", "clip2.mov", "clip3.mov"}));
    EXPECT_EQ(window.FilesListIndex(), 2);
    EXPECT_EQ(window.FilesFileName(), "clip2.mov");
    // Another folder: the old names go at once.
    const QString other = dir.filePath("other");
    MakeFiles(other, 1);
    window.SetFilesPath(other.toStdString());
    EXPECT_EQ(window.FilesListIndex(), -1);
    EXPECT_TRUE(Listed(List()).isEmpty());
    ASSERT_TRUE(WaitListed(List()));
    EXPECT_EQ(Listed(List()), QStringList{"clip0.mov"});
}

TEST_F(FileListTest, FoldersThatCannotBeListedAreRefused) {
    const QString file = dir.filePath("clip.mov");
    ASSERT_TRUE(Touch(file));
    window.SetFilesPath(dir.path().toStdString());
    for (const QString& bad : {QString(), dir.filePath("missing"), file})
        EXPECT_THROW(window.SetFilesPath(bad.toStdString()), PlatformError) << bad.toStdString();
    if (::geteuid() != 0) {  // root reads every folder
        const QString locked = dir.filePath("locked");
        ASSERT_TRUE(QDir().mkdir(locked));
        ASSERT_EQ(::chmod(QFile::encodeName(locked).constData(), 0), 0);
        EXPECT_THROW(window.SetFilesPath(locked.toStdString()), PlatformError);
        ::chmod(QFile::encodeName(locked).constData(), 0755);
    }
    EXPECT_EQ(window.FilesPath(), QDir::cleanPath(dir.path()).toStdString());
    ASSERT_TRUE(WaitListed(List()));
    EXPECT_EQ(Listed(List()), QStringList{"clip.mov"});
}

TEST_F(FileListTest, ArrowsAndFirstLettersSelectAsInAListBox) {
    for (const char* name : {"alpha.mov", "beta.mov", "bravo.mov", "charlie.mov"})
        ASSERT_TRUE(Touch(dir.filePath(name)));
    window.SetFilesPath(dir.path().toStdString());
    window.SetFilesVisible(true);
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    ASSERT_TRUE(WaitListed(List()));
    window.FocusFiles();  // the focus frame goes to the first row, unselected
    ASSERT_EQ(window.FilesListIndex(), -1);
    QWindow* keys = window.windowHandle();
    QTest::keyClick(keys, Qt::Key_Down);  // selects the first name, not the second
    EXPECT_EQ(window.FilesFileName(), "alpha.mov");
    QTest::keyClick(keys, Qt::Key_Down);
    EXPECT_EQ(window.FilesFileName(), "beta.mov");
    QTest::keyClick(keys, Qt::Key_C);
    EXPECT_EQ(window.FilesFileName(), "charlie.mov");
    QTest::keyClick(keys, Qt::Key_Up);
    EXPECT_EQ(window.FilesListIndex(), 2);
    QTest::keyClick(keys, Qt::Key_Home);
    EXPECT_EQ(window.FilesFileName(), "alpha.mov");
}

}  // namespace
}  // namespace rw
