#include "film/SoundCommands.h"

#include <algorithm>
#include <cmath>

#include "film/LoopAB.h"
#include "platform/Step.h"
#include "window/Numbers.h"
#include "window/Settings.h"

namespace rw {

double AudioDelayAfter(double delay, int steps) {
    const double from = std::isfinite(delay) ? std::round(delay / kAudioDelayStep) : 0;
    const double to = (from + steps) * kAudioDelayStep;
    return std::clamp(to, -kAudioDelayLimit, kAudioDelayLimit);
}

bool IsSoundCommand(Command command) {
    switch (command) {
        case Command::LoopAB:
        case Command::AudioSooner:
        case Command::AudioLater:
        case Command::AudioDelayReset:
        case Command::OutputDevice:
        case Command::HardwareDecoding:
            return true;
        default:
            return false;
    }
}

void RunSound(IPlayerControls& p, Action action) {
    switch (action.command) {
        case Command::LoopAB: {
            const auto step = static_cast<int>(action.value);
            if (step < 0 || step > static_cast<int>(LoopStep::Clear)) return;
            Step([&] {
                // Nothing to loop without a movie; Clear always clears.
                if (!p.HasMovie() && static_cast<LoopStep>(step) != LoopStep::Clear) return;
                const LoopPoints now = p.Loop();
                const LoopPoints after = LoopAfter(now, static_cast<LoopStep>(step), p.Position());
                if (after != now) p.SetLoopPoints(after);
            });
            return;
        }
        case Command::AudioSooner:
        case Command::AudioLater: {
            const int steps = action.command == Command::AudioLater ? 1 : -1;
            Step([&] { p.SetAudioDelay(AudioDelayAfter(p.AudioDelay(), steps)); });
            return;
        }
        case Command::AudioDelayReset:
            Step([&] { p.SetAudioDelay(0); });
            return;
        case Command::OutputDevice:
            Step([&] {
                // The place in the list the menu showed, from 1; 0 (or a
                // place no longer in the list) leaves the choice to the system.
                const auto devices = p.OutputDevices();
                const double place = action.value;
                const bool listed = place >= 1 && place <= static_cast<double>(devices.size());
                p.ChooseOutputDevice(listed ? devices[static_cast<std::size_t>(place) - 1].name
                                            : std::string());
            });
            return;
        case Command::HardwareDecoding:
            Step([&] { p.SetHardwareDecoding(!p.HardwareDecoding()); });
            return;
        default:
            return;
    }
}

void ReadSoundSettings(ISettingsStore& store, IPlayerControls& player) {
    const std::string device = ReadSetting(store, kSettingsSection, kAudioDeviceKey, "");
    if (!device.empty()) Step([&] { player.ChooseOutputDevice(device); });
    const auto hardware =
        ParseBoolean(ReadSetting(store, kSettingsSection, kHardwareDecodingKey, ""));
    if (hardware) Step([&] { player.SetHardwareDecoding(*hardware); });
}

std::vector<std::pair<const char*, std::optional<std::string>>> SoundOptionTexts(
    IPlayerControls& player) {
    std::optional<std::string> device, hardware;
    Step([&] { device = player.ChosenOutputDevice(); });
    Step([&] { hardware = FormatBoolean(player.HardwareDecoding()); });
    return {{kAudioDeviceKey, device}, {kHardwareDecodingKey, hardware}};
}

}  // namespace rw
