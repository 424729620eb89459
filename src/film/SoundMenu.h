#pragma once

#include <string>
#include <vector>

#include "platform/FilmServices.h"
#include "platform/PlayerControls.h"

namespace rw {

// The sound side of the menu on the movie, as things stand when it opens.
struct SoundMenuState {
    LoopPoints loop;
    double audioDelay = 0;
    std::vector<SoundDevice> devices;
    std::string device;  // the one chosen; empty: automatic
    bool hardwareDecoding = false;
};
SoundMenuState ReadSoundMenuState(IPlayerControls& player);

// Audio: the tracks (choosable when there are two or more), then Delay
// (Sooner, Later, Reset) and Output Device (Automatic and each device).
MenuEntry AudioMenu(const std::vector<Track>& tracks, const SoundMenuState& state);
// A-B Loop: Set A, Set B, Clear.
MenuEntry LoopMenu(const SoundMenuState& state, bool hasMovie);
// The Hardware Decoding check item.
MenuEntry HardwareDecodingItem(const SoundMenuState& state);

}  // namespace rw
