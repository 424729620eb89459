// The player's two renderers: which one is chosen, and that both show the
// same picture on a real X server. The OpenGL one runs on Mesa's software
// driver (llvmpipe) here.

#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QGuiApplication>
#include <QScreen>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <optional>
#include <string>

#include "TestSupport.h"
#include "platform/mpv/MpvPlayer.h"
#include "platform/mpv/RendererChoice.h"

namespace rw {
namespace {

// An Xvfb of the test program's own, started before main() creates the
// QApplication, which then runs on it (QT_QPA_PLATFORM=xcb). Xvfb picks a
// free display itself (-displayfd) and ends with this process. Listing the
// tests needs no server. Without Xvfb the picture tests are skipped.
class OwnXServer {
  public:
    OwnXServer() {
        if (ListingOnly()) return;
        int pipe[2];
        if (::pipe(pipe) != 0) return;
        pid_ = ::fork();
        if (pid_ == 0) {
            ::prctl(PR_SET_PDEATHSIG, SIGTERM);
            ::close(pipe[0]);
            // Quiet: Xvfb reports every display number it finds taken.
            const int null = ::open("/dev/null", O_WRONLY);
            ::dup2(null, STDOUT_FILENO);
            ::dup2(null, STDERR_FILENO);
            const std::string fd = std::to_string(pipe[1]);
            ::execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "1024x768x24",
                     "-nolisten", "tcp", static_cast<char*>(nullptr));
            ::_exit(127);
        }
        ::close(pipe[1]);
        std::string number;
        char c;
        while (pid_ > 0 && ::read(pipe[0], &c, 1) == 1 && c != '\n') number += c;
        ::close(pipe[0]);
        if (number.empty()) return;
        ::setenv("DISPLAY", (":" + number).c_str(), 1);
        ::setenv("QT_QPA_PLATFORM", "xcb", 1);
    }
    ~OwnXServer() {
        if (pid_ <= 0) return;
        ::kill(pid_, SIGTERM);
        ::waitpid(pid_, nullptr, 0);
    }
    OwnXServer(const OwnXServer&) = delete;
    OwnXServer& operator=(const OwnXServer&) = delete;

  private:
    static bool ListingOnly() {
        std::ifstream cmdline("/proc/self/cmdline");
        std::string arg;
        while (std::getline(cmdline, arg, '\0')) {
            if (arg == "--gtest_list_tests") return true;
        }
        return false;
    }
    pid_t pid_ = -1;
};

const OwnXServer server;

// -- which renderer ----------------------------------------------------------

TEST(RendererChoiceTest, SoftwareGlDriversAreKnownByName) {
    EXPECT_TRUE(IsSoftwareGl("llvmpipe (LLVM 15.0.6, 256 bits)"));
    EXPECT_TRUE(IsSoftwareGl("softpipe"));
    EXPECT_TRUE(IsSoftwareGl("Software Rasterizer (swrast)"));
    EXPECT_TRUE(IsSoftwareGl("LLVMPIPE"));
    // Hardware drivers, one of them built with LLVM as well.
    EXPECT_FALSE(IsSoftwareGl("AMD Radeon RX 6600 (navi23, LLVM 15.0.6, DRM 3.49, 6.1.0)"));
    EXPECT_FALSE(IsSoftwareGl("Mesa Intel(R) UHD Graphics 620 (KBL GT2)"));
    EXPECT_FALSE(IsSoftwareGl("NVIDIA GeForce GTX 1060 6GB/PCIe/SSE2"));
}

TEST(RendererChoiceTest, OpenGlOnlyOnAHardwareDriverUnlessAsked) {
    const std::optional<std::string> none;
    const std::optional<std::string> hardware = "Mesa Intel(R) UHD Graphics 620 (KBL GT2)";
    const std::optional<std::string> software = "llvmpipe (LLVM 15.0.6, 256 bits)";
    EXPECT_EQ(ChooseRenderer("", hardware), RendererKind::OpenGl);
    EXPECT_EQ(ChooseRenderer("", software), RendererKind::Software);
    EXPECT_EQ(ChooseRenderer("", none), RendererKind::Software);
    EXPECT_EQ(ChooseRenderer("", std::string()), RendererKind::Software);
    EXPECT_EQ(ChooseRenderer("auto", hardware), RendererKind::OpenGl);
    // REELWICK_RENDERER decides, in any letter case.
    EXPECT_EQ(ChooseRenderer("gl", software), RendererKind::OpenGl);
    EXPECT_EQ(ChooseRenderer("GL", none), RendererKind::OpenGl);
    EXPECT_EQ(ChooseRenderer("sw", hardware), RendererKind::Software);
    EXPECT_EQ(ChooseRenderer("Sw", hardware), RendererKind::Software);
}

// -- the picture -------------------------------------------------------------

bool OnX11() { return QGuiApplication::platformName() == QLatin1String("xcb"); }

// The per-pixel difference of two pictures of the same size: the largest
// difference of a colour channel, as its mean over the picture and the share
// of pixels where it exceeds `threshold`.
struct Difference {
    double mean = 0;
    double overShare = 0;
};

Difference Compare(const QImage& a, const QImage& b, int threshold) {
    Difference d;
    long long sum = 0;
    long long over = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = b.pixel(x, y);
            const int most = std::max({std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                                       std::abs(qBlue(p) - qBlue(q))});
            sum += most;
            over += most > threshold ? 1 : 0;
        }
    }
    const double pixels = double(a.width()) * a.height();
    d.mean = double(sum) / pixels;
    d.overShare = double(over) / pixels;
    return d;
}

class RendererPictureTest : public testing::Test {
  protected:
    void SetUp() override {
        if (!OnX11()) GTEST_SKIP() << "needs Xvfb to start a real X server";
        clip_ = test::ClipPath(test::Clip::OneSecond);
        ASSERT_FALSE(clip_.empty());
    }
    void TearDown() override { qunsetenv("REELWICK_RENDERER"); }

    // A player with the renderer asked for, its movie loaded and paused on
    // the first frame, drawn over `rect` (empty: its natural size).
    std::unique_ptr<MpvPlayer> Show(const char* renderer, std::optional<PixelRect> rect) {
        qputenv("REELWICK_RENDERER", renderer);
        auto player = std::make_unique<MpvPlayer>(QImage());
        player->setWindowFlag(Qt::FramelessWindowHint);
        player->SetControllerHeight(16);
        player->setGeometry(40, 40, 400, 300);
        player->show();
        EXPECT_TRUE(QTest::qWaitFor([&] { return player->windowHandle()->isExposed(); }, 10000));
        player->Load(clip_);
        if (rect) player->SetMovieRect(*rect);
        return player;
    }

    // The player's window as it is on the screen, its child windows included.
    static QImage Grab(MpvPlayer& player) {
        return player.screen()
            ->grabWindow(player.winId())
            .toImage()
            .convertToFormat(QImage::Format_RGB32);
    }

    // The picture, once the movie's first frame is on the screen and stays.
    static QImage SettledPicture(MpvPlayer& player) {
        const QPoint centre(100, 100);
        EXPECT_TRUE(QTest::qWaitFor([&] { return qGray(Grab(player).pixel(centre)) > 40; }, 10000));
        QTest::qWait(300);
        return Grab(player);
    }

    QTemporaryDir dir_;
    std::string clip_;
};

TEST_F(RendererPictureTest, EachRendererIsTheOneAskedFor) {
    for (const char* renderer : {"sw", "gl"}) {
        const auto player = Show(renderer, std::nullopt);
        EXPECT_STREQ(player->RendererName(), renderer);
        EXPECT_EQ(player->MovieRect(), "0,0,320,240");
    }
}

TEST_F(RendererPictureTest, WithoutAGpuDriverTheSoftwareRendererIsChosen) {
    // Xvfb offers no direct rendering: its GL is Mesa's software driver.
    qunsetenv("REELWICK_RENDERER");
    EXPECT_EQ(ChooseRendererHere(), RendererKind::Software);
    qputenv("REELWICK_RENDERER", "gl");
    EXPECT_EQ(ChooseRendererHere(), RendererKind::OpenGl);
}

// The whole player: the movie, the background around it and the controller
// bar, which here covers the bottom of the movie (the player is no taller
// than the movie), drawn over the picture's own window by the GL renderer.
TEST_F(RendererPictureTest, BothRenderersShowTheSamePicture) {
    const struct {
        std::optional<PixelRect> rect;  // none: natural size
        int threshold;                  // scalers differ a little where a picture is stretched
        double share;
    } cases[] = {
        {std::nullopt, 24, 0.01},
        {PixelRect{20, 10, 380, 300}, 48, 0.03},  // stretched, and the bar over its bottom
    };
    for (const auto& c : cases) {
        auto software = Show("sw", c.rect);
        ASSERT_STREQ(software->RendererName(), "sw");
        const QImage expected = SettledPicture(*software);
        software.reset();
        const auto gl = Show("gl", c.rect);
        ASSERT_STREQ(gl->RendererName(), "gl");
        const QImage actual = SettledPicture(*gl);
        ASSERT_EQ(expected.size(), actual.size());
        const Difference d = Compare(expected, actual, c.threshold);
        EXPECT_LT(d.mean, 4.0) << "rect " << c.rect.has_value();
        EXPECT_LT(d.overShare, c.share) << "rect " << c.rect.has_value();
        // The pictures are not both empty: the movie's colours are there.
        EXPECT_GT(qGray(actual.pixel(100, 100)), 40);
    }
}

TEST_F(RendererPictureTest, TheOpenGlPictureLeavesWithItsMovie) {
    const auto player = Show("gl", std::nullopt);
    const QImage shown = SettledPicture(*player);
    EXPECT_GT(qGray(shown.pixel(100, 100)), 40);
    player->SetBackground("Blue");
    player->Load(dir_.filePath("missing.mp4").toStdString());
    // A failed load shows no movie: only the background is left.
    EXPECT_TRUE(QTest::qWaitFor(
        [&] {
            const QRgb p = Grab(*player).pixel(100, 100);
            return qBlue(p) > 200 && qRed(p) < 40 && qGreen(p) < 40;
        },
        10000));
}

}  // namespace
}  // namespace rw
