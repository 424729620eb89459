#include <gtest/gtest.h>

#include <cmath>

#include "FilmFakes.h"
#include "film/LoopAB.h"
#include "film/SoundCommands.h"
#include "film/SoundMenu.h"
#include "platform/mpv/pure/Sound.h"

namespace rw::test {
namespace {

constexpr auto kNone = std::nullopt;

TEST(LoopAB, EachStepInEachState) {
    using S = LoopStep;
    const LoopPoints none, a{10, kNone}, ab{10, 20};
    const struct {
        const char* name;
        LoopPoints from;
        LoopStep step;
        double at;
        LoopPoints to;
    } cases[] = {
        {"L with none sets A", none, S::Next, 10, a},
        {"L with A sets B", a, S::Next, 20, ab},
        {"L while looping clears", ab, S::Next, 15, none},
        {"Set A moves A", a, S::SetA, 12, {12, kNone}},
        {"Set A before B keeps B", ab, S::SetA, 15, {15, 20}},
        {"Set A past B starts over", ab, S::SetA, 25, {25, kNone}},
        {"Set B before A swaps", a, S::SetB, 4, {4, 10}},
        {"Set B on A changes nothing", a, S::SetB, 10, a},
        {"Set B with no A loops from the start", none, S::SetB, 8, {0, 8}},
        {"Set B while looping moves B", ab, S::SetB, 30, {10, 30}},
        {"Clear with A", a, S::Clear, 5, none},
        {"Clear with none", none, S::Clear, 5, none},
        {"not a number changes nothing", a, S::Next, std::nan(""), a},
        {"negative changes nothing", none, S::SetA, -1, none},
    };
    for (const auto& c : cases) EXPECT_EQ(LoopAfter(c.from, c.step, c.at), c.to) << c.name;
}

TEST(SoundCommands, DelaySteps) {
    const struct {
        const char* name;
        double from;
        int steps;
        double to;
    } cases[] = {
        {"later from none", 0, 1, 0.05},
        {"sooner from none", 0, -1, -0.05},
        {"off the grid goes onto it", 0.123, 1, 0.15},
        {"kept within the limit", 9.98, 1, 10},
        {"and below it", -10, -1, -10},
        {"not a number starts from none", std::nan(""), 1, 0.05},
    };
    for (const auto& c : cases) EXPECT_NEAR(AudioDelayAfter(c.from, c.steps), c.to, 1e-9) << c.name;
    double delay = 0;
    for (int i = 0; i < 20; ++i) delay = AudioDelayAfter(delay, 1);
    EXPECT_EQ(delay, 1.0);  // twenty presses, exactly a second
}

TEST(SoundCommands, ReachThePlayer) {
    const struct {
        const char* name;
        Action action;
        std::vector<std::string> calls;
    } cases[] = {
        {"L sets A here", {Command::LoopAB}, {"SetLoop 7 -"}},
        {"Clear", {Command::LoopAB, 3}, {"SetLoop - -"}},
        {"Later", {Command::AudioLater}, {"SetAudioDelay 0.15"}},
        {"Sooner", {Command::AudioSooner}, {"SetAudioDelay 0.05"}},
        {"Reset", {Command::AudioDelayReset}, {"SetAudioDelay 0"}},
        {"a listed device", {Command::OutputDevice, 2}, {"ChooseOutputDevice pulse/hdmi"}},
        {"Automatic", {Command::OutputDevice, 0}, {"ChooseOutputDevice "}},
        {"a place past the list", {Command::OutputDevice, 9}, {"ChooseOutputDevice "}},
        {"hardware decoding", {Command::HardwareDecoding}, {"HardwareDecoding on"}},
    };
    for (const auto& c : cases) {
        FilmRig r;
        r.controls.position = 7;
        r.controls.audioDelay = 0.1;
        r.controls.loop = {1, 2};
        if (c.action.command == Command::LoopAB && c.action.value == 0) r.controls.loop = {};
        r.controls.devices = {{"auto", "Autoselect device"}, {"pulse/hdmi", "HDMI"}};
        r.commands.Run(c.action);
        EXPECT_EQ(r.journal, c.calls) << c.name;
    }
}

// The choice of device and hardware decoding come back from the settings,
// and go into them only once changed.
TEST(SoundCommands, SettingsComeBack) {
    FilmRig r;
    auto& values = r.settings.values;
    const auto key = [](const char* name) {
        return std::pair<std::string, std::string>("Settings", name);
    };
    values[key("AudioDevice")] = "alsa/gone";
    values[key("HardwareDecoding")] = "True";
    r.film.ReadSettings();
    EXPECT_EQ(r.controls.device, "alsa/gone");
    EXPECT_TRUE(r.controls.hardware);
    // Another window stored a device meanwhile: this one changed none.
    values[key("AudioDevice")] = "alsa/other-window";
    r.commands.Run({Command::HardwareDecoding});
    r.film.WriteSettings();
    EXPECT_EQ(values[key("AudioDevice")], "alsa/other-window");
    EXPECT_EQ(values[key("HardwareDecoding")], "False");
}

TEST(SoundMenu, OutputDevices) {
    SoundMenuState state;
    state.devices = {{"auto", "Autoselect device"}, {"pulse/hdmi", "HDMI"}, {"alsa/x", ""}};
    const struct {
        const char* name;
        std::string chosen, checked;
    } cases[] = {
        {"automatic", "", "Automatic"},
        {"a listed one", "pulse/hdmi", "HDMI"},
        {"one gone shows Automatic", "alsa/gone", "Automatic"},
    };
    for (const auto& c : cases) {
        state.device = c.chosen;
        const MenuEntry audio = AudioMenu({}, state);
        const auto& devices = audio.children.back().children;
        ASSERT_EQ(devices.size(), 3u) << c.name;  // Automatic, HDMI, alsa/x
        for (const MenuEntry& d : devices) {
            EXPECT_EQ(d.checked, d.caption == c.checked) << c.name;
            // The system's names, not the program's text: all but Automatic.
            EXPECT_EQ(d.captionIsName, &d != &devices.front()) << c.name << " " << d.caption;
        }
        EXPECT_EQ(devices[2].action, (Action{Command::OutputDevice, 3})) << c.name;
    }
}

TEST(SoundDevices, AChoiceNotListedPlaysThroughTheAutomaticOne) {
    const std::vector<SoundDevice> listed{{"auto", "Autoselect device"}, {"pulse/hdmi", "HDMI"}};
    const struct {
        const char* name;
        std::vector<SoundDevice> listed;
        std::string chosen, use;
    } cases[] = {
        {"listed", listed, "pulse/hdmi", "pulse/hdmi"},
        {"gone", listed, "alsa/usb", "auto"},
        {"automatic", listed, "", "auto"},
        {"before the list comes", {}, "pulse/hdmi", "auto"},
    };
    for (const auto& c : cases) EXPECT_EQ(DeviceToUse(c.listed, c.chosen), c.use) << c.name;
}

}  // namespace
}  // namespace rw::test
