// File names a user really has: spaces, quotes, "&", a line break, leading
// dashes, letters of other scripts, names that are not UTF-8 at all, and a
// path as long as the system allows through many folders. Each opens, enters
// the recent list, is written to the settings file and comes back from it
// exactly.

#include <gtest/gtest.h>
#include <limits.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "Program.h"
#include "TestSupport.h"
#include "platform/ByteText.h"
#include "platform/Step.h"
#include "platform/mpv/MpvPlayer.h"
#include "platform/qt/QtSettingsStore.h"
#include "platform/qt/QtWindow.h"
#include "playback/OpenMovie.h"
#include "sources/RecentList.h"

namespace rw {
namespace {

class OddPathsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        clip = test::ClipPath(test::Clip::Red43);
        ASSERT_FALSE(clip.empty());
        clip = CopyTo("clip.mp4");
        ini = dir.filePath("settings.ini").toStdString();
    }

    void TearDown() override {
        // QTemporaryDir cannot remove names that are not UTF-8.
        std::error_code error;
        std::filesystem::remove_all(dir.path().toStdString(), error);
    }

    // A copy of the clip at `relative` inside the temporary folder.
    std::string CopyTo(const QString& relative) {
        const QString path = dir.filePath(relative);
        EXPECT_TRUE(QDir().mkpath(QFileInfo(path).path())) << path.toStdString();
        EXPECT_TRUE(QFile::copy(QString::fromStdString(clip), path)) << path.toStdString();
        return path.toStdString();
    }

    // The longest path the system opens: folders of 200 letters down to
    // within a few bytes of PATH_MAX, then a file name.
    std::string LongPath() {
        const QString folder(200, QLatin1Char('d'));
        QString relative;
        const int room = PATH_MAX - 1 - int(dir.path().toUtf8().size()) - 1;
        const QString name = QStringLiteral("long & last.mp4");
        while (relative.size() + folder.size() + 1 + name.size() < room - 8) {
            relative += folder + QLatin1Char('/');
        }
        relative += QString(room - relative.size() - name.size() - 8, QLatin1Char('e'));
        return CopyTo(relative + QLatin1Char('/') + name);
    }

    static bool Opened(Program& p, const std::string& path) {
        if (!QTest::qWaitFor([&] { return p.Player().Reference() == path; }, 10000)) return false;
        std::string rect;
        return Step([&] { rect = p.Player().MovieRect(); }) && rect == "0,0,320,240";
    }

    // Opens each path; then the recent list, the settings file and a new
    // program on that file hold them exactly, newest first.
    void OpenRememberAndRestore(const std::vector<std::string>& paths) {
        ASSERT_LE(paths.size(), std::size_t(kRecentUpperBound + 1));
        const auto newestFirst = [&](int i) { return paths[paths.size() - 1 - std::size_t(i)]; };
        const int n = int(paths.size());
        {
            Program p("", ini);
            p.Start();
            for (const std::string& path : paths) {
                OpenMovie(p.MainForm(), path);
                EXPECT_TRUE(Opened(p, path)) << path;
            }
            for (int i = 0; i < n; ++i) EXPECT_EQ(p.Window().Tag(RecentItem(i)), newestFirst(i));
            p.Window().close();
        }
        {
            const QSettings s(QString::fromStdString(ini), QSettings::IniFormat);
            for (int i = 0; i < n; ++i) {
                EXPECT_EQ(s.value(QStringLiteral("MRU/%1").arg(i)).toString().toStdString(),
                          newestFirst(i));
            }
            EXPECT_EQ(s.value("Settings/LastPlayed").toString().toStdString(), paths.back());
        }
        Program p("", ini);
        p.Start();
        for (int i = 0; i < n; ++i) {
            SCOPED_TRACE(newestFirst(i));
            ASSERT_TRUE(p.Window().Visible(RecentItem(i)));
            EXPECT_EQ(p.Window().Tag(RecentItem(i)), newestFirst(i));
            EXPECT_EQ(p.Window().ItemCaption(RecentItem(i)), RecentCaption(i, newestFirst(i)));
        }
        if (n <= kRecentUpperBound) {
            EXPECT_FALSE(p.Window().Visible(RecentItem(n)));
        }
        // Chosen from the restored list, each opens again.
        for (int i = 0; i < n; ++i) {
            p.Window().MenuAction(RecentItem(i))->trigger();
            EXPECT_TRUE(Opened(p, p.Window().Tag(RecentItem(i)))) << newestFirst(i);
        }
        p.Window().close();
    }

    // A copy of the clip at `relative`, which need not be UTF-8.
    std::string CopyToBytes(const std::string& relative) {
        const std::filesystem::path path =
            std::filesystem::path(dir.path().toStdString()) / relative;
        std::error_code error;
        std::filesystem::create_directories(path.parent_path(), error);
        EXPECT_TRUE(std::filesystem::copy_file(clip, path, error)) << error.message();
        return path.native();
    }

    std::string IniText() const {
        std::ifstream file(ini, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(file), {});
    }

    QTemporaryDir dir;
    std::string clip, ini;
};

TEST_F(OddPathsTest, NamesWithSpacesQuotesAmpersandsAndLineBreaks) {
    OpenRememberAndRestore({
        CopyTo("with  two spaces .mp4"),
        CopyTo("say \"cheese\" and 'eggs'.mp4"),
        CopyTo("Tom & Jerry && friends.mp4"),
        CopyTo("first line\nsecond line.mp4"),
        CopyTo("tab\there, back\\slash, 100% #1?.mp4"),
        CopyTo("clip:1;2=3,4.mp4"),
        CopyTo("\"quoted whole\".mp4"),
    });
}

TEST_F(OddPathsTest, LeadingDashesOtherScriptsAndALongPath) {
    const std::string longPath = LongPath();
    ASSERT_GE(longPath.size(), std::size_t(PATH_MAX - 64));
    ASSERT_LT(longPath.size(), std::size_t(PATH_MAX));
    OpenRememberAndRestore({
        CopyTo("-leading dash.mp4"),
        CopyTo("--start=50%/--vf=flip.mp4"),
        CopyTo("фильм 映画 ταινία ภาพยนตร์.mp4"),
        CopyTo("é-composed e\xcc\x81-decomposed.mp4"),
        longPath,
    });
}

TEST_F(OddPathsTest, RelativeNamesThatLookLikeOptionsOrStandardInput) {
    // Relative to the current folder, as a name given on the command line.
    const QString before = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(dir.path()));
    CopyTo("-");
    CopyTo("--fs");
    CopyTo("-sub dir/--x.mp4");
    for (const std::string name : {"-", "--fs", "-sub dir/--x.mp4"}) {
        // The command line's relative name is made absolute against the
        // current folder.
        const std::string absolute = dir.path().toStdString() + "/" + name;
        Program p("\"" + name + "\"", ini);
        p.Start();
        EXPECT_TRUE(Opened(p, absolute)) << name;
        EXPECT_EQ(p.Window().Tag(Menu::Recent0), absolute);
        // Handed on relative as it is, it still reaches the player as a file.
        OpenMovie(p.MainForm(), name);
        EXPECT_TRUE(Opened(p, name)) << name;
        EXPECT_EQ(p.Window().Tag(Menu::Recent0), name);
        p.Window().close();
    }
    QDir::setCurrent(before);
}

// Names that are not UTF-8: Latin-1 bytes in a file name and in a folder's,
// a byte that is never UTF-8, and a "%" beside them.
TEST_F(OddPathsTest, NamesThatAreNotUtf8FromTheCommandLineAreRememberedByteExact) {
    const std::string latin1 = CopyToBytes("caf\xe9.mp4");
    const std::string nested = CopyToBytes("d\xe9j\xe0 vu/100% \xff.mp4");
    const std::string folder = dir.path().toStdString();
    {
        Program p(latin1, ini);
        p.Start();
        EXPECT_TRUE(Opened(p, latin1));
        OpenMovie(p.MainForm(), nested);
        EXPECT_TRUE(Opened(p, nested));
        EXPECT_EQ(p.Window().Tag(Menu::Recent0), nested);
        EXPECT_EQ(p.Window().Tag(Menu::Recent1), latin1);
        // The logic gets its captions back as it gave them; the menu shows
        // the bytes it cannot show as U+FFFD.
        EXPECT_EQ(p.Window().ItemCaption(Menu::Recent1), "&2:caf\xe9.mp4");
        EXPECT_EQ(p.Window().MenuAction(Menu::Recent1)->text(), QStringLiteral("&2:caf\uFFFD.mp4"));
        EXPECT_EQ(p.Window().MenuAction(Menu::Recent0)->text(),
                  QStringLiteral("&1:100% \uFFFD.mp4"));
        p.Window().MenuAction(Menu::PlayLastMovie)->trigger();
        p.Window().close();
    }
    // The file holds the escaped form: text, no U+FFFD, nothing lost.
    const auto expectStored = [&] {
        const std::string text = IniText();
        const std::string nestedStored = "%bytes:" + folder + "/d%E9j%E0 vu/100%25 %FF.mp4\n";
        EXPECT_NE(text.find("\n0=" + nestedStored), std::string::npos) << text;
        EXPECT_NE(text.find("\n1=%bytes:" + folder + "/caf%E9.mp4\n"), std::string::npos) << text;
        EXPECT_NE(text.find("\nLastPlayed=" + nestedStored), std::string::npos) << text;
        EXPECT_TRUE(IsValidUtf8(text));
        EXPECT_EQ(text.find("\xef\xbf\xbd"), std::string::npos);
    };
    expectStored();

    // The next start opens the last movie and keeps both entries, twice over.
    for (int run = 0; run < 2; ++run) {
        SCOPED_TRACE(run);
        Program p("", ini);
        p.Start();
        EXPECT_TRUE(Opened(p, nested));
        ASSERT_TRUE(p.Window().Visible(Menu::Recent0));
        ASSERT_TRUE(p.Window().Visible(Menu::Recent1));
        EXPECT_FALSE(p.Window().Visible(Menu::Recent2));
        EXPECT_EQ(p.Window().Tag(Menu::Recent0), nested);
        EXPECT_EQ(p.Window().Tag(Menu::Recent1), latin1);
        EXPECT_EQ(p.Window().ItemCaption(Menu::Recent1), "&2:caf\xe9.mp4");
        p.Window().MenuAction(Menu::Recent1)->trigger();
        EXPECT_TRUE(Opened(p, latin1));
        OpenMovie(p.MainForm(), nested);
        EXPECT_TRUE(Opened(p, nested));
        p.Window().close();
        expectStored();
    }
}

// The settings file keeps its form for every value that is UTF-8; only the
// others, and UTF-8 that starts like the escaped form, are escaped.
TEST_F(OddPathsTest, StoredFormChangesOnlyForValuesThatAreNotUtf8) {
    const std::vector<std::string> ordinary = {"",
                                               "True",
                                               "-1234",
                                               "/m/clip.mov",
                                               "/m/100% real #1.mov",
                                               "/m/%E9 stays.mov",
                                               "/m/Ünï 日本 ёж.mov",
                                               "file:///m/caf%E9.mp4",
                                               "%bytes",
                                               "x%bytes:",
                                               "a, b; c=d",
                                               "  spaces  ",
                                               "two\nlines",
                                               "@at",
                                               "\"quoted\""};
    const std::string today = dir.filePath("today.ini").toStdString();
    {
        // What the store wrote before names that are not UTF-8 were kept.
        QSettings before(QString::fromStdString(today), QSettings::IniFormat);
        QtSettingsStore store(ini);
        for (std::size_t i = 0; i < ordinary.size(); ++i) {
            const QString key = QStringLiteral("MRU/%1").arg(i);
            before.setValue(key,
                            QString::fromUtf8(ordinary[i].data(), qsizetype(ordinary[i].size())));
            store.Write("MRU", std::to_string(i), ordinary[i]);
        }
    }
    const std::string text = IniText();
    std::ifstream todayFile(today, std::ios::binary);
    EXPECT_EQ(text, std::string(std::istreambuf_iterator<char>(todayFile), {}));

    const struct {
        std::string value;
        std::string line;
    } escaped[] = {
        {"/m/caf\xe9.mp4", "0=%bytes:/m/caf%E9.mp4"},
        {"/m/100% \xc3\xa9\xe9", "1=%bytes:/m/100%25 \xc3\xa9%E9"},
        {"%bytes:/m/x.mov", "2=%bytes:%25bytes:/m/x.mov"},
        {"\xed\xa0\x80\xf0\x9f\x98", "3=%bytes:%ED%A0%80%F0%9F%98"},
    };
    const std::string odd = dir.filePath("odd.ini").toStdString();
    {
        QtSettingsStore store(odd);
        for (std::size_t i = 0; i < std::size(escaped); ++i)
            store.Write("MRU", std::to_string(i), escaped[i].value);
    }
    std::ifstream oddFile(odd, std::ios::binary);
    const std::string oddText(std::istreambuf_iterator<char>(oddFile), {});
    QtSettingsStore store(odd);
    for (std::size_t i = 0; i < std::size(escaped); ++i) {
        EXPECT_NE(oddText.find(escaped[i].line + "\n"), std::string::npos) << escaped[i].line;
        EXPECT_EQ(store.Read("MRU", std::to_string(i)), escaped[i].value) << escaped[i].line;
    }
    QtSettingsStore ordinaryStore(ini);
    for (std::size_t i = 0; i < ordinary.size(); ++i)
        EXPECT_EQ(ordinaryStore.Read("MRU", std::to_string(i)), ordinary[i]) << ordinary[i];
}

}  // namespace
}  // namespace rw
