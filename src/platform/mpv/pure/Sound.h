#pragma once

#include <string>
#include <vector>

#include "platform/PlayerControls.h"

namespace rw {

// The sound side of playback as libmpv last reported it, and what was
// asked of it: read on the GUI thread without asking libmpv.
struct ObservedSound {
    LoopPoints loop;
    double delay = 0;
    std::vector<SoundDevice> devices;
    std::string chosen;            // the device asked for; empty: automatic
    std::string applied = "auto";  // what libmpv was last told to use
    bool hardwareDecoding = false;
};

// libmpv's name of its automatic choice of output.
inline constexpr const char* kAutomaticDevice = "auto";

// The output to use for the device `chosen`: itself while the system lists
// it, else the automatic one (a device unplugged, or named in the settings
// of another computer).
std::string DeviceToUse(const std::vector<SoundDevice>& listed, const std::string& chosen);

}  // namespace rw
