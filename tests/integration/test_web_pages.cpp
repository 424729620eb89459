// Web pages play through libmpv's yt-dlp hook: a page on a local server
// with the clip in a <video> tag, read by yt-dlp's generic extractor, and a
// yt-dlp that never answers, which the next movie and the exit must end.

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <cstdlib>
#include <memory>
#include <optional>
#include <string>

#include "LocalServer.h"
#include "Program.h"
#include "TestSupport.h"
#include "platform/Step.h"
#include "platform/mpv/MpvPlayer.h"
#include "platform/qt/QtWindow.h"
#include "playback/OpenMovie.h"

namespace rw {
namespace {

using test::LocalServer;

QByteArray ReadAll(const std::string& path) {
    QFile file(QString::fromStdString(path));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A process that still runs: one that is gone or a zombie does not.
bool Running(pid_t pid) {
    QFile cmdline(QStringLiteral("/proc/%1/cmdline").arg(pid));
    return cmdline.open(QIODevice::ReadOnly) && !cmdline.readAll().isEmpty();
}

// Sets an environment variable for the test's time.
class ScopedEnv {
  public:
    ScopedEnv(const char* name, const std::string& value) : name_(name) {
        if (const char* old = std::getenv(name)) old_ = old;
        setenv(name, value.c_str(), 1);
    }
    ~ScopedEnv() {
        if (old_) {
            setenv(name_, old_->c_str(), 1);
        } else {
            unsetenv(name_);
        }
    }

  private:
    const char* name_;
    std::optional<std::string> old_;
};

class WebPageTest : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        good = test::ClipPath(test::Clip::Red43);
        ASSERT_FALSE(good.empty());
        server = std::make_unique<LocalServer>(LocalServer::Mode::Page, ReadAll(good), 0);
        ASSERT_TRUE(server->Listening());
        page = server->Url("/watch?v=1").toStdString();
    }

    std::string Ini() const { return dir.filePath("settings.ini").toStdString(); }

    QTemporaryDir dir;
    std::string good;
    std::string page;
    std::unique_ptr<LocalServer> server;
};

TEST_F(WebPageTest, APageOnTheCommandLinePlaysItsVideoWithItsTitle) {
    if (QStandardPaths::findExecutable(QStringLiteral("yt-dlp")).isEmpty()) {
        GTEST_SKIP() << "yt-dlp is not installed";
    }
    {
        auto p = std::make_unique<Program>(page, Ini());
        p->Start();
        std::string rect;
        EXPECT_TRUE(
            QTest::qWaitFor([&] { return Step([&] { rect = p->Player().MovieRect(); }); }, 60000));
        EXPECT_EQ(rect, "0,0,320,240");
        EXPECT_EQ(p->Player().Reference(), page);
        EXPECT_TRUE(QTest::qWaitFor([&] { return !p->Player().MediaTitle().empty(); }, 10000));
        // yt-dlp numbers the videos of a page: "A page with a clip (1)".
        EXPECT_TRUE(
            QString::fromStdString(p->Player().MediaTitle()).startsWith("A page with a clip"))
            << p->Player().MediaTitle();
        p->Window().close();
        p.reset();
    }
    const QSettings s(QString::fromStdString(Ini()), QSettings::IniFormat);
    EXPECT_FALSE(s.contains("MRU/0")) << "a web address entered the recent list";
}

TEST_F(WebPageTest, AYtDlpThatHangsEndsWithTheNextMovieAndWithTheExit) {
    // The stub is found first, in ~/.local/bin; it notes its arguments and
    // its process, and waits for ever.
    const QString bin = dir.filePath(QStringLiteral("home/.local/bin"));
    ASSERT_TRUE(QDir().mkpath(bin));
    const QString pids = dir.filePath(QStringLiteral("pids"));
    const QString args = dir.filePath(QStringLiteral("args"));
    {
        QFile stub(bin + "/yt-dlp");
        ASSERT_TRUE(stub.open(QIODevice::WriteOnly));
        stub.write(("#!/bin/sh\nprintf '%s\\n' \"$@\" > '" + args + "'\necho $$ >> '" + pids +
                    "'\nexec sleep 600\n")
                       .toUtf8());
    }
    chmod((bin + "/yt-dlp").toLocal8Bit().constData(), 0755);
    const auto started = [&](int n) {
        return QTest::qWaitFor([&] { return ReadAll(pids.toStdString()).split('\n').size() > n; },
                               20000);
    };
    const auto pidOf = [&](int n) {
        return static_cast<pid_t>(ReadAll(pids.toStdString()).split('\n').value(n).toInt());
    };

    std::unique_ptr<Program> p;
    {
        const ScopedEnv home("HOME", dir.filePath(QStringLiteral("home")).toStdString());
        const ScopedEnv language("LANGUAGE", "");
        const ScopedEnv all("LC_ALL", "de_AT.UTF-8");
        p = std::make_unique<Program>("", Ini());
        p->Start();
    }
    OpenMovie(p->MainForm(), page);
    ASSERT_TRUE(started(1)) << "the hook did not run yt-dlp";
    const pid_t first = pidOf(0);
    EXPECT_TRUE(Running(first));
    // The user's configuration is not read, one video no taller than the
    // screen, subtitles in the user's language and English, and the address
    // after "--".
    const QByteArrayList given = ReadAll(args.toStdString()).split('\n');
    EXPECT_TRUE(given.contains("--ignore-config"));
    EXPECT_TRUE(given.contains("--no-playlist"));
    EXPECT_TRUE(given.value(given.indexOf("--format") + 1).startsWith("bestvideo[height<=?"));
    EXPECT_EQ(given.value(given.indexOf("--sub-langs") + 1), "de,en");
    EXPECT_EQ(given.value(given.indexOf("--") + 1).toStdString(), page);

    OpenMovie(p->MainForm(), good);
    EXPECT_TRUE(QTest::qWaitFor([&] { return p->Player().Reference() == good; }, 10000));
    EXPECT_TRUE(QTest::qWaitFor([&] { return !Running(first); }, 10000))
        << "yt-dlp outlived its movie";

    OpenMovie(p->MainForm(), page);
    ASSERT_TRUE(started(2));
    const pid_t second = pidOf(1);
    EXPECT_TRUE(Running(second));
    p->Window().close();
    p.reset();
    EXPECT_FALSE(Running(second)) << "yt-dlp outlived the program";
    if (Running(first)) kill(first, SIGKILL);
    if (Running(second)) kill(second, SIGKILL);
}

}  // namespace
}  // namespace rw
