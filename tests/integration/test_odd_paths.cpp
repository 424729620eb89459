// File names a user really has: spaces, quotes, "&", a line break, leading
// dashes, letters of other scripts, and a path as long as the system allows
// through many folders. Each opens, enters the recent list, is written to
// the settings file and comes back from it exactly.

#include <gtest/gtest.h>
#include <limits.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <string>
#include <vector>

#include "Program.h"
#include "TestSupport.h"
#include "platform/Step.h"
#include "platform/mpv/MpvPlayer.h"
#include "platform/qt/QtWindow.h"
#include "playback/OpenMovie.h"
#include "sources/RecentList.h"

namespace rw {
namespace {

class OddPathsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        clip = test::MakeClip(dir, "clip.mp4", "color=c=red:s=320x240:d=2");
        ASSERT_FALSE(clip.empty()) << "ffmpeg could not make the test clip";
        ini = dir.filePath("settings.ini").toStdString();
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
        Program p("\"" + name + "\"", ini);
        p.Start();
        EXPECT_TRUE(Opened(p, name)) << name;
        EXPECT_EQ(p.Window().Tag(Menu::Recent0), name);
        p.Window().close();
    }
    QDir::setCurrent(before);
}

}  // namespace
}  // namespace rw
