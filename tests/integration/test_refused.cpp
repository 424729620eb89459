// libmpv's own schemes reach devices, file descriptors, filter graphs,
// subprocesses and other files. Whichever way such a reference comes in
// (the command line, the last movie in the settings file, a recent item,
// the URL box or a drop), it is refused as a failed load: nothing is
// loaded, and nothing is read — the references below that would make
// libmpv connect point at a local server that counts connections.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QInputDialog>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <string>
#include <vector>

#include "LocalServer.h"
#include "Program.h"
#include "TestSupport.h"
#include "platform/Step.h"
#include "platform/mpv/MpvPlayer.h"
#include "platform/qt/QtDialogs.h"
#include "platform/qt/QtWindow.h"
#include "playback/OpenMovie.h"
#include "sources/UrlAndDrops.h"

namespace rw {
namespace {

using test::LocalServer;

class RefusedTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        ASSERT_TRUE(server.Listening());
        ini = dir.filePath("settings.ini").toStdString();
        const auto url = [&](const char* path) { return server.Url(path).toStdString(); };
        refused = {
            "av://lavfi:testsrc",
            "AV://lavfi:testsrc=size=320x240",
            "lavf://" + url("/lavf"),
            "ffmpeg://" + url("/ffmpeg"),
            "fd://0",
            "fdclose://0",
            "edl://" + url("/edl"),
            "ytdl://" + url("/ytdl"),
            "memory://abc",
            "hex://616263",
            "mf://" + url("/mf.png"),
            "dvd://",
            "dvdnav://1",
            "bd://",
            "cdda://",
            "null://",
            "slice://0-100@" + url("/slice"),
            "appending://" + url("/appending"),
            "Lavf://" + url("/upper"),
        };
    }

    // Refused as a failed load: no reference, no movie rectangle.
    static void ExpectNothingLoaded(Program& p, const std::string& ref) {
        EXPECT_TRUE(p.Player().Reference().empty()) << ref;
        std::string rect;
        EXPECT_FALSE(Step([&] { rect = p.Player().MovieRect(); })) << ref << " gave " << rect;
        EXPECT_EQ(p.Window().windowTitle(), QStringLiteral("Ostrun's Reelwick")) << ref;
    }

    // After the last reference: still plays a sound movie, and the local
    // server never heard from libmpv.
    void ExpectStillWorking(Program& p) {
        QTest::qWait(300);  // anything libmpv had started would have connected by now
        EXPECT_EQ(server.Connections(), 0);
        OpenMovie(p.MainForm(), Good());
        EXPECT_TRUE(QTest::qWaitFor([&] { return p.Player().Reference() == Good(); }, 10000));
    }

    void WriteSettings(const std::vector<std::pair<QString, QString>>& values) {
        QSettings s(QString::fromStdString(ini), QSettings::IniFormat);
        s.clear();
        for (const auto& [key, value] : values) s.setValue(key, value);
    }

    std::string Good() { return test::ClipPath(test::Clip::Red43); }

    QTemporaryDir dir;
    LocalServer server{LocalServer::Mode::Silent};
    std::string ini;
    std::vector<std::string> refused;
};

TEST_F(RefusedTest, TheLocalServerCountsAConnectionFromAnAllowedUrl) {
    // The check that works for the refused ones: an allowed URL connects.
    Program p("", ini);
    p.Start();
    p.Player().SetLoadTimeout(300);
    OpenMovie(p.MainForm(), server.Url("/allowed.mp4").toStdString());
    EXPECT_TRUE(QTest::qWaitFor([&] { return server.Connections() > 0; }, 10000));
    p.Window().close();
}

TEST_F(RefusedTest, OnTheCommandLine) {
    for (const std::string& ref : refused) {
        Program p(ref, ini);
        p.Start();
        ExpectNothingLoaded(p, ref);
        p.Window().close();
    }
    Program p("", ini);
    p.Start();
    ExpectStillWorking(p);
    p.Window().close();
}

TEST_F(RefusedTest, AsTheLastMovieToPlayAgain) {
    for (const std::string& ref : refused) {
        WriteSettings({{"Settings/PlayLastMovie", "True"},
                       {"Settings/LastPlayed", QString::fromStdString(ref)}});
        {
            Program p("", ini);
            p.Start();
            ExpectNothingLoaded(p, ref);
            p.Window().close();
        }
        // What failed to load is not remembered as the last movie.
        const QSettings s(QString::fromStdString(ini), QSettings::IniFormat);
        EXPECT_EQ(s.value("Settings/LastPlayed").toString(), "") << ref;
    }
    Program p("", ini);
    p.Start();
    ExpectStillWorking(p);
    p.Window().close();
}

TEST_F(RefusedTest, InTheRecentList) {
    // A stored entry names no file here: it is not listed at all.
    WriteSettings({{"MRU/0", QString::fromStdString(refused.front())}});
    {
        Program p("", ini);
        p.Start();
        EXPECT_FALSE(p.Window().Visible(Menu::Recent0));
        p.Window().close();
    }

    // A file whose relative name reads as a scheme is listed, and choosing
    // it is refused all the same: libmpv would take the name for the scheme.
    const QString before = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(dir.path()));
    int listed = 0;
    for (const std::string& ref : refused) {
        const QFileInfo info(QString::fromStdString(ref));
        if (info.fileName().isEmpty() || !QDir().mkpath(info.path())) continue;
        QFile file(info.filePath());
        if (!file.open(QIODevice::WriteOnly)) continue;
        file.write("not a movie");
        file.close();

        WriteSettings({{"MRU/0", QString::fromStdString(ref)}});
        Program p("", ini);
        p.Start();
        ASSERT_TRUE(p.Window().Visible(Menu::Recent0)) << ref;
        EXPECT_EQ(p.Window().Tag(Menu::Recent0), ref);
        p.Window().MenuAction(Menu::Recent0)->trigger();
        ExpectNothingLoaded(p, ref);
        ++listed;
        p.Window().close();
    }
    QDir::setCurrent(before);
    EXPECT_GE(listed, int(refused.size()) - 5) << "most of the names can be files";

    Program p("", ini);
    p.Start();
    ExpectStillWorking(p);
    p.Window().close();
}

TEST_F(RefusedTest, TypedIntoTheUrlBox) {
    Program p("", ini);
    p.Start();
    auto& dialogs = dynamic_cast<QtDialogs&>(p.MainForm().dialogs);
    for (const std::string& ref : refused) {
        bool typed = false;
        dialogs.onDialogShown = [&](QDialog* dialog) {
            auto* input = qobject_cast<QInputDialog*>(dialog);
            if (!input) return;
            input->setTextValue(QString::fromStdString(ref));
            typed = true;
            input->accept();
        };
        mnuFileOpenURL_Click(p.MainForm());
        EXPECT_TRUE(typed) << ref;
        ExpectNothingLoaded(p, ref);
    }
    dialogs.onDialogShown = nullptr;
    ExpectStillWorking(p);
    p.Window().close();
}

TEST_F(RefusedTest, Dropped) {
    Program p("", ini);
    p.Start();
    for (const std::string& ref : refused) {
        Form_OLEDragDrop(p.MainForm(), {ref});
        ExpectNothingLoaded(p, ref);
        EXPECT_FALSE(p.Window().Visible(Menu::Recent0)) << ref;
    }
    ExpectStillWorking(p);
    p.Window().close();
}

}  // namespace
}  // namespace rw
