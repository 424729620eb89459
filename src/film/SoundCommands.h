#pragma once

#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "platform/Commands.h"
#include "platform/PlayerControls.h"
#include "platform/SettingsStore.h"

namespace rw {

// How far Sooner and Later (Ctrl+- and Ctrl++) move the sound, and how far
// at most: beyond a few seconds a delay is a wrong file, not a slow device.
inline constexpr double kAudioDelayStep = 0.05;
inline constexpr double kAudioDelayLimit = 10;

// [Settings] keys: the output device's name (empty: automatic), and
// hardware decoding as True or False.
inline constexpr const char* kAudioDeviceKey = "AudioDevice";
inline constexpr const char* kHardwareDecodingKey = "HardwareDecoding";

// The delay `steps` steps from `delay`, on the steps' grid (twenty presses
// make exactly a second) and within the limit; a delay that is not a
// number starts from none.
double AudioDelayAfter(double delay, int steps);

// Whether `command` is one of the sound commands: the A-B loop, the sound's
// delay and output device, and hardware decoding.
bool IsSoundCommand(Command command);
// Runs one of them on the player; each step that fails is skipped.
void RunSound(IPlayerControls& player, Action action);

// Start-up: the output device and hardware decoding as stored.
void ReadSoundSettings(ISettingsStore& store, IPlayerControls& player);
// Their texts as they would be stored now; none for what the player
// cannot tell.
std::vector<std::pair<const char*, std::optional<std::string>>> SoundOptionTexts(
    IPlayerControls& player);

}  // namespace rw
