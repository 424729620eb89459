#include "film/SoundMenu.h"

#include <cmath>

#include "film/LoopAB.h"
#include "film/MenuItems.h"
#include "film/MovieMenu.h"
#include "platform/Step.h"
#include "platform/Tr.h"

namespace rw {
namespace {

// libmpv lists its own automatic choice as a device of this name; the menu
// has Automatic for it.
constexpr const char* kAutomaticName = "auto";

}  // namespace

SoundMenuState ReadSoundMenuState(IPlayerControls& player) {
    SoundMenuState state;
    Step([&] { state.loop = player.Loop(); });
    Step([&] { state.audioDelay = player.AudioDelay(); });
    Step([&] { state.devices = player.OutputDevices(); });
    Step([&] { state.device = player.ChosenOutputDevice(); });
    Step([&] { state.hardwareDecoding = player.HardwareDecoding(); });
    return state;
}

MenuEntry AudioMenu(const std::vector<Track>& tracks, const SoundMenuState& state) {
    std::vector<MenuEntry> audio;
    // One track is nothing to choose: it shows, checked, but is not an item.
    const bool choosable = tracks.size() > 1;
    for (std::size_t i = 0; i < tracks.size(); ++i) {
        const Track& track = tracks[i];
        audio.push_back(Check(TrackCaption(track, i + 1),
                              {Command::AudioTrack, static_cast<double>(track.id)}, track.selected,
                              choosable));
        audio.back().captionIsName = TrackCaptionIsName(track);
    }
    if (audio.empty())
        audio.push_back(Item(RW_TR("Menu on the movie", "None"), {Command::AudioTrack}, false));
    audio.push_back(MenuEntry{});

    const bool delayed = std::isfinite(state.audioDelay) && std::abs(state.audioDelay) > 1e-9;
    audio.push_back(
        Submenu(RW_TR("Menu on the movie", "Delay"),
                {Item(RW_TR("Menu on the movie", "Sooner"), {Command::AudioSooner}),
                 Item(RW_TR("Menu on the movie", "Later"), {Command::AudioLater}),
                 Item(RW_TR("Menu on the movie", "Reset"), {Command::AudioDelayReset}, delayed)}));

    // A device chosen but not listed now plays through the automatic one,
    // and Automatic shows checked meanwhile.
    bool chosenListed = false;
    std::vector<MenuEntry> devices;
    devices.push_back(MenuEntry{});  // Automatic, made below
    for (std::size_t i = 0; i < state.devices.size(); ++i) {
        const SoundDevice& device = state.devices[i];
        if (device.name == kAutomaticName || device.name.empty()) continue;
        const bool chosen = device.name == state.device;
        chosenListed = chosenListed || chosen;
        devices.push_back(Check(device.description.empty() ? device.name : device.description,
                                {Command::OutputDevice, static_cast<double>(i + 1)}, chosen));
        devices.back().captionIsName = true;
    }
    devices.front() =
        Check(RW_TR("Menu on the movie", "Automatic"), {Command::OutputDevice, 0}, !chosenListed);
    audio.push_back(Submenu(RW_TR("Menu on the movie", "Output Device"), std::move(devices)));
    return Submenu(RW_TR("Menu on the movie", "Audio"), std::move(audio));
}

MenuEntry LoopMenu(const SoundMenuState& state, bool hasMovie) {
    const bool set = LoopStateOf(state.loop) != LoopState::None;
    const auto step = [](LoopStep s) { return Action{Command::LoopAB, static_cast<double>(s)}; };
    return Submenu(RW_TR("Menu on the movie", "A-B Loop"),
                   {Item(RW_TR("Menu on the movie", "Set A"), step(LoopStep::SetA), hasMovie),
                    Item(RW_TR("Menu on the movie", "Set B"), step(LoopStep::SetB), hasMovie),
                    Item(RW_TR("Menu on the movie", "Clear"), step(LoopStep::Clear), set)});
}

MenuEntry HardwareDecodingItem(const SoundMenuState& state) {
    return Check(RW_TR("Menu on the movie", "Hardware Decoding"), {Command::HardwareDecoding},
                 state.hardwareDecoding);
}

}  // namespace rw
