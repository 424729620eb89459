// The sound side on real playback: the A-B loop in the running program,
// an output device that is not there, and hardware decoding in both
// renderers on a machine that has no decoder for it.

#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <memory>

#include "Program.h"
#include "TestSupport.h"
#include "film/Commands.h"
#include "film/LoopAB.h"
#include "platform/Step.h"
#include "platform/Window.h"
#include "platform/mpv/MpvPlayer.h"
#include "window/Form.h"

namespace rw {
namespace {

bool Advances(MpvPlayer& player, double by) {
    const double from = player.Position();
    return QTest::qWaitFor([&] { return player.Position() > from + by; }, 8000);
}

// The lowest and highest position libmpv reports over the next `ms`.
std::pair<double, double> PositionsOver(MpvPlayer& player, int ms) {
    double low = player.Position(), high = low;
    QObject context;
    QObject::connect(&player, &MpvPlayer::PositionChanged, &context, [&](double at) {
        low = std::min(low, at);
        high = std::max(high, at);
    });
    QTest::qWait(ms);
    return {low, high};
}

TEST(SoundLoop, LoopsBetweenAAndBOverLoopMovieUntilTheNextMovie) {
    const std::string clip = test::ClipPath(test::Clip::Moving);  // 4 s
    const std::string other = test::ClipPath(test::Clip::SmallRed);
    ASSERT_FALSE(clip.empty() || other.empty());
    QTemporaryDir dir;
    Program p("\"" + clip + "\"", dir.filePath("settings.ini").toStdString());
    p.Start();
    MpvPlayer& player = p.Player();
    ASSERT_TRUE(QTest::qWaitFor([&] { return player.HasPicture(); }, 10000));
    p.Dispatcher().Run({Command::LoopMovie});
    ASSERT_TRUE(p.MainForm().window.Checked(Menu::MovieLoop));
    p.Dispatcher().Run({Command::Play});

    ASSERT_TRUE(QTest::qWaitFor([&] { return player.Position() > 0.6; }, 8000));
    p.Dispatcher().Run({Command::LoopAB});  // the L key: A here
    const double a = *player.Loop().a;
    ASSERT_TRUE(Advances(player, 0.8));
    p.Dispatcher().Run({Command::LoopAB});  // B here
    ASSERT_TRUE(player.Loop().b.has_value());
    const double b = *player.Loop().b;
    // B at the playing place arms the loop at once: back to A.
    EXPECT_TRUE(QTest::qWaitFor([&] { return player.Position() < b - 0.3; }, 2000));
    // Three rounds of the loop, never past B, never before A; Loop Movie,
    // which would go on to the end and start over, keeps its check.
    const auto [low, high] = PositionsOver(player, 3000);
    EXPECT_GE(low, a - 0.05);
    EXPECT_LE(high, b + 0.15);
    EXPECT_TRUE(p.MainForm().window.Checked(Menu::MovieLoop));

    // Another movie starts without a loop.
    Step([&] { player.Load(other); });
    EXPECT_EQ(LoopStateOf(player.Loop()), LoopState::None);
    EXPECT_TRUE(QTest::qWaitFor([&] { return player.HasPicture(); }, 10000));
    QTest::qWait(300);  // libmpv's reports of the cleared points come meanwhile
    EXPECT_EQ(LoopStateOf(player.Loop()), LoopState::None);
}

// The sound's delay from the keys as Qt reports them: + is Shift+= on a US
// keyboard, and the keypad's keys come with a modifier of their own.
TEST(SoundDelay, EachKeyOfTheDelayMovesIt) {
    const std::string clip = test::ClipPath(test::Clip::Sine);
    ASSERT_FALSE(clip.empty());
    QTemporaryDir dir;
    Program p("\"" + clip + "\"", dir.filePath("settings.ini").toStdString());
    p.Start();
    ASSERT_TRUE(QTest::qWaitFor([&] { return p.Player().HasMovie(); }, 10000));
    const auto ctrl = Qt::ControlModifier;
    const struct {
        const char* name;
        Qt::Key key;
        Qt::KeyboardModifiers mods;
        double by;
    } cases[] = {
        {"Ctrl+-", Qt::Key_Minus, ctrl, -0.05},
        {"keypad Ctrl+-", Qt::Key_Minus, ctrl | Qt::KeypadModifier, -0.05},
        {"Ctrl+=", Qt::Key_Equal, ctrl, 0.05},
        {"Ctrl+Shift+=", Qt::Key_Plus, ctrl | Qt::ShiftModifier, 0.05},
        {"keypad Ctrl++", Qt::Key_Plus, ctrl | Qt::KeypadModifier, 0.05},
    };
    QWidget& window = *p.Player().window();
    for (const auto& c : cases) {
        const double before = p.Player().AudioDelay();
        QTest::keyClick(window.windowHandle(), c.key, c.mods);
        EXPECT_NEAR(p.Player().AudioDelay(), before + c.by, 1e-9) << c.name;
    }
}

// A device named in the settings that the system does not list: the movie
// plays through the automatic choice, with no line over it, and the choice
// stays for when the device comes back.
TEST(SoundDevice, ADeviceThatIsNotThereFallsBackToAutomatic) {
    const std::string sine = test::ClipPath(test::Clip::Sine);
    ASSERT_FALSE(sine.empty());
    MpvPlayer player(test::SolidImage(Qt::green, 64, 48));
    ASSERT_TRUE(player.IsAvailable());
    player.show();
    player.ChooseOutputDevice("alsa/no-such-device");
    // libmpv's list comes by itself, with its automatic choice in it.
    ASSERT_TRUE(QTest::qWaitFor([&] { return !player.OutputDevices().empty(); }, 5000));
    const auto devices = player.OutputDevices();
    EXPECT_EQ(DeviceToUse(devices, player.ChosenOutputDevice()), kAutomaticDevice);

    player.Load(sine);
    ASSERT_TRUE(player.HasMovie());
    player.Play();
    EXPECT_TRUE(Advances(player, 0.5));
    EXPECT_TRUE(QTest::qWaitFor([&] { return player.HasSound(); }, 5000));
    EXPECT_EQ(player.ChosenOutputDevice(), "alsa/no-such-device");
}

// Hardware decoding asked for, in each renderer, at the start and while a
// movie plays: without a decoder for it libmpv decodes in software, and the
// movie plays on.
TEST(HardwareDecoding, PlaysOnInBothRenderers) {
    const std::string clip = test::ClipPath(test::Clip::Moving);
    ASSERT_FALSE(clip.empty());
    for (const char* renderer : {"sw", "gl"}) {
        qputenv("REELWICK_RENDERER", renderer);
        MpvPlayer player(test::SolidImage(Qt::green, 64, 48));
        qunsetenv("REELWICK_RENDERER");
        ASSERT_TRUE(player.IsAvailable()) << renderer;
        player.resize(320, 260);
        player.show();
        player.SetHardwareDecoding(true);
        player.Load(clip);
        ASSERT_TRUE(player.HasPicture()) << renderer;
        player.Play();
        EXPECT_TRUE(Advances(player, 0.4)) << renderer;
        player.SetHardwareDecoding(false);
        EXPECT_TRUE(Advances(player, 0.4)) << renderer;
        player.SetHardwareDecoding(true);
        EXPECT_TRUE(Advances(player, 0.4)) << renderer;
        EXPECT_TRUE(player.HardwareDecoding());
        EXPECT_TRUE(player.HasPicture()) << renderer;
        // Offscreen Qt without a display has no OpenGL to give: there the
        // player draws in software, and only an X server shows the OpenGL
        // renderer (QT_QPA_PLATFORM=xcb under xvfb-run).
        if (QGuiApplication::platformName() == QLatin1String("xcb")) {
            EXPECT_STREQ(player.RendererName(), renderer);
        }
    }
}

}  // namespace
}  // namespace rw
